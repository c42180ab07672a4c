// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions kGroupOrOthers =
    QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup |
    QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;

QString keyPath(const char* key) {
    return u"udata/"_s + QLatin1String(key);
}

}  // namespace

Settings::Settings() : settings_(fileName(), QSettings::IniFormat) {}

QString Settings::fileName() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           u"/Quillo/Quillo.conf"_s;
}

QString Settings::value(const char* key) const {
    // Picks up what another running copy wrote meanwhile.
    settings_.sync();
    return settings_.value(keyPath(key)).toString();
}

bool Settings::contains(const char* key) const {
    settings_.sync();
    return settings_.contains(keyPath(key));
}

void Settings::setValue(const char* key, const QString& value) {
    const QString path = keyPath(key);
    settings_.sync();
    if (settings_.contains(path) && settings_.value(path).toString() == value)
        return;

    // The file holds the scrambled password. QSettings replaces it through a
    // save file that keeps the permissions of the file it replaces, so
    // creating it owner-only before the first write leaves no moment in which
    // others can read it. An existing file loses group and other access, but
    // never gains write access: a read-only file stays read-only.
    QFile file(settings_.fileName());
    if (!file.exists()) {
        QDir().mkpath(QFileInfo(file).absolutePath());
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerOnly))
            file.close();
    } else if (const auto permissions = file.permissions(); permissions & kGroupOrOthers) {
        file.setPermissions(permissions & kOwnerOnly);
    }

    settings_.setValue(path, value);
    settings_.sync();
    if (settings_.status() != QSettings::NoError && error_.isEmpty()) {
        const QFileInfo info(settings_.fileName());
        error_ = info.exists() && !info.isWritable()
                     ? QObject::tr("%1 is read-only.").arg(info.filePath())
                     : QObject::tr("%1 cannot be written.").arg(info.filePath());
    }
}

QString Settings::scrambledValue(const char* key) const {
    return scramble(value(key));
}

void Settings::setScrambledValue(const char* key, const QString& plain) {
    setValue(key, scramble(plain));
}

QStringList Settings::recentRecipients() const {
    QStringList recent;
    for (const char* key : keys::kRecent)
        recent.append(value(key));
    return recent;
}

void Settings::rememberRecipients(const QString& recipients) {
    const QStringList recent = recentRecipients();
    if (recent.contains(recipients))
        return;
    for (qsizetype i = std::size(keys::kRecent) - 1; i > 0; --i)
        setValue(keys::kRecent[i], recent.at(i - 1));
    setValue(keys::kRecent[0], recipients);
}

bool Settings::isWritable() const {
    return error_.isEmpty();
}

QString Settings::errorString() const {
    return error_;
}

QString scramble(const QString& text, const QString& key) {
    if (key.isEmpty())
        return text;
    QString result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        result[i] = QChar(char16_t(text.at(i).unicode() ^ key.at(i % key.size()).unicode()));
    return result;
}

}  // namespace pelicast
