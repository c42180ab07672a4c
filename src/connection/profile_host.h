#pragma once

#include <QString>

namespace pelicast {

// What the Options dialog needs of the main window: re-applying the
// connection profile and the hidden label that holds the transport base.
class ProfileHost {
public:
    virtual ~ProfileHost() = default;
    // Applies the stored connection settings and returns the transport base.
    virtual QString get_i_settings() = 0;
    // Sets the caption of `transp`; the main window copies it into its
    // transport prefix.
    virtual void setTranspCaption(const QString& caption) = 0;
};

}  // namespace pelicast
