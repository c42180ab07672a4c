#include "app/user_data.h"

#include "app/transform.h"
#include "platform/settings_store.h"

namespace pelicast::userdata {

QString UserData::get(const char* key) const {
    return store_.GetSetting(QLatin1String(kApplication), QLatin1String(kSection),
                             QLatin1String(key), QString());
}

void UserData::save(const char* key, const QString& value) {
    store_.SaveSetting(QLatin1String(kApplication), QLatin1String(kSection), QLatin1String(key),
                       value);
}

QString UserData::getScrambled(const char* key) const {
    return Transform(get(key), QLatin1String(kScrambleKey));
}

void UserData::saveScrambled(const char* key, const QString& plain) {
    save(key, Transform(plain, QLatin1String(kScrambleKey)));
}

}  // namespace pelicast::userdata
