#pragma once

#include "platform/settings_store.h"

namespace pelicast::platform {

// The settings store in the user's configuration folder: one INI file per
// application under the folder "Quillo" (~/.config/Quillo/Quillo.conf for the
// program's own values), one INI group per section. The file holds the
// scrambled password, so it is kept readable by the user only. Every save is
// written through at once and merged with what other running copies wrote.
class QSettingsStore : public SettingsStore {
public:
    QString GetSetting(const QString& application, const QString& section, const QString& key,
                       const QString& defaultValue = {}) const override;
    void SaveSetting(const QString& application, const QString& section, const QString& key,
                     const QString& value) override;

    // The file that holds the values of `application`.
    static QString FileName(const QString& application);
};

}  // namespace pelicast::platform
