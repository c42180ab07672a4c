#include "platform/qsettings_store.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace pelicast::platform {

namespace {

const QString kOrganization = QStringLiteral("Quillo");
constexpr QFileDevice::Permissions kUserOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QSettings openSettings(const QString& application) {
    return QSettings(QSettingsStore::FileName(application), QSettings::IniFormat);
}

// QSettings replaces the file through a save file that takes over the
// permissions of the file it replaces; so once an owner-only file exists, every
// later write keeps it owner-only. Creating it empty before the first write
// leaves no moment in which the password is readable by others.
void makePrivate(const QString& fileName) {
    QFile file(fileName);
    if (!file.exists()) {
        QDir().mkpath(QFileInfo(fileName).absolutePath());
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kUserOnly))
            file.close();
    }
    if (file.exists() && file.permissions() != kUserOnly)
        file.setPermissions(kUserOnly);
}

}  // namespace

QString QSettingsStore::FileName(const QString& application) {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QLatin1Char('/') + kOrganization + QLatin1Char('/') + application +
           QStringLiteral(".conf");
}

QString QSettingsStore::GetSetting(const QString& application, const QString& section,
                                   const QString& key, const QString& defaultValue) const {
    QSettings settings = openSettings(application);
    settings.beginGroup(section);
    if (!settings.contains(key))
        return defaultValue;
    return settings.value(key).toString();
}

void QSettingsStore::SaveSetting(const QString& application, const QString& section,
                                 const QString& key, const QString& value) {
    QSettings settings = openSettings(application);
    settings.beginGroup(section);
    // Rewriting an unchanged value would only cost a synced file write.
    if (settings.contains(key) && settings.value(key).toString() == value)
        return;
    makePrivate(settings.fileName());
    settings.setValue(key, value);
    settings.sync();
    // A file that some other program replaced in between is put right again.
    makePrivate(settings.fileName());
}

}  // namespace pelicast::platform
