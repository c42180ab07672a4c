#pragma once

#include <QString>

namespace pelicast::platform {

// Per-user store of text values addressed by application, section and key.
// Every character of a value must come back as it was written, U+0000 included:
// the scrambled password may hold any code.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored text, or `defaultValue` when the key was never written.
    virtual QString GetSetting(const QString& application, const QString& section,
                               const QString& key, const QString& defaultValue = {}) const = 0;
    virtual void SaveSetting(const QString& application, const QString& section, const QString& key,
                             const QString& value) = 0;
};

}  // namespace pelicast::platform
