#pragma once

#include <QString>

namespace pelicast::platform {

// The running program as the windows see it: title, version, folder and the
// help file that F1 and the help menu open.
class ApplicationObject {
public:
    virtual ~ApplicationObject() = default;

    virtual QString Title() const = 0;
    virtual int Major() const = 0;
    virtual int Minor() const = 0;
    virtual int Revision() const = 0;
    // The folder the program was started from, without a trailing separator.
    virtual QString Path() const = 0;
    virtual QString HelpFile() const = 0;
    virtual void SetHelpFile(const QString& file) = 0;
};

}  // namespace pelicast::platform
