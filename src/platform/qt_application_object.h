#pragma once

#include "platform/application_object.h"

namespace pelicast::platform {

// The running program: title "Pelicast", version 0.8.4, its own folder.
class QtApplicationObject : public ApplicationObject {
public:
    QString Title() const override;
    int Major() const override;
    int Minor() const override;
    int Revision() const override;
    QString Path() const override;
    QString HelpFile() const override { return helpFile_; }
    void SetHelpFile(const QString& file) override { helpFile_ = file; }

private:
    QString helpFile_;
};

}  // namespace pelicast::platform
