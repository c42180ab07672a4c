#include "app/user_data.h"

#include "app/transform.h"

namespace pelicast::userdata {

QString UserData::getScrambled(const char* key) const {
    return Transform(get(key), QLatin1String(kScrambleKey));
}

void UserData::saveScrambled(const char* key, const QString& plain) {
    save(key, Transform(plain, QLatin1String(kScrambleKey)));
}

}  // namespace pelicast::userdata
