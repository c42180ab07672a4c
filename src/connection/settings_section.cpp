#include "connection/settings_section.h"

#include "platform/settings_store.h"

namespace pelicast::settings {

QString SettingsSection::get(const char* key) const {
    return store_.GetSetting(QLatin1String(kApplication), QLatin1String(kSection),
                             QLatin1String(key), QString());
}

void SettingsSection::save(const char* key, const QString& value) {
    store_.SaveSetting(QLatin1String(kApplication), QLatin1String(kSection), QLatin1String(key),
                       value);
}

}  // namespace pelicast::settings
