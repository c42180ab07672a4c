// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>
#include <utility>

#include "core/settings/owner_only.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

QString keyPath(SettingsKey key) {
    return QLatin1String(key.section) + u'/' + QLatin1String(key.name);
}

qsizetype maxLength(SettingsKey key) {
    return std::find(std::begin(keys::kRecent), std::end(keys::kRecent), key) !=
                   std::end(keys::kRecent)
               ? Settings::kMaxRecipientsLength
               : Settings::kMaxValueLength;
}

}  // namespace

bool SettingsKey::operator==(const SettingsKey& other) const {
    return qstrcmp(section, other.section) == 0 && qstrcmp(name, other.name) == 0;
}

Settings::Settings(QObject* parent)
    : QObject(parent), settings_(fileName(), QSettings::IniFormat) {}

QString Settings::fileName() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           u"/Quillo/Quillo.conf"_s;
}

QString Settings::value(SettingsKey key, const QString& absent) const {
    // Picks up what another running copy wrote meanwhile.
    settings_.sync();
    const QString text = settings_.value(keyPath(key), absent).toString();
    return text.size() > maxLength(key) ? QString() : text;
}

bool Settings::contains(SettingsKey key) const {
    settings_.sync();
    return settings_.contains(keyPath(key));
}

bool Settings::setValue(SettingsKey key, const QString& value) {
    const QString path = keyPath(key);
    settings_.sync();
    if (settings_.contains(path) && settings_.value(path).toString() == value)
        return true;

    QString problem = prepareFile();
    if (problem.isEmpty()) {
        settings_.setValue(path, value);
        settings_.sync();
        if (settings_.status() != QSettings::AccessError)  // a format error is no write error
            return true;
        // QSettings tells no reason; trying the same kind of write finds most.
        QSaveFile probe(settings_.fileName());
        problem =
            probe.open(QIODevice::WriteOnly)
                ? tr("%1 cannot be written.").arg(settings_.fileName())
                : tr("%1 cannot be written: %2").arg(settings_.fileName(), probe.errorString());
    }
    error_ = problem;
    if (!std::exchange(failureTold_, true))
        Q_EMIT saveFailed(problem);
    return false;
}

bool Settings::setChoice(SettingsKey key, const QString& value, const QString& absent) {
    return (value == absent && !contains(key)) || setValue(key, value);
}

// The file holds the scrambled password. QSettings replaces it through a save
// file that keeps the permissions of the file it replaces, so creating it
// owner-only before the first write leaves no moment in which others can read
// it. An existing file loses group and other access, but never gains write
// access: a read-only file stays as it is. Returns why the file cannot be
// written, or "".
QString Settings::prepareFile() {
    QFile file(settings_.fileName());
    if (!file.exists()) {
        QDir().mkpath(QFileInfo(file).absolutePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly, kOwnerOnly))
            return tr("%1 cannot be created: %2").arg(file.fileName(), file.errorString());
        file.close();
        return {};
    }
    const QFileDevice::Permissions permissions = file.permissions();
    if (!(permissions & QFileDevice::WriteOwner))
        return tr("%1 is read-only.").arg(file.fileName());
    if (permissions & kGroupOrOthers)
        file.setPermissions(permissions & kOwnerOnly);
    return {};
}

QString Settings::scrambledValue(SettingsKey key) const {
    return scramble(value(key));
}

bool Settings::setScrambledValue(SettingsKey key, const QString& plain) {
    return setValue(key, scramble(plain));
}

QString Settings::rememberedPassword(const QString& account) const {
    return scrambledValue(keys::kUsername) == account ? scrambledValue(keys::kPassword) : QString();
}

QStringList Settings::recentRecipients() const {
    QStringList recent;
    for (const SettingsKey key : keys::kRecent)
        recent.append(value(key));
    return recent;
}

bool Settings::rememberRecipients(const QString& recipients) {
    const QStringList recent = recentRecipients();
    if (recent.contains(recipients))
        return true;
    for (qsizetype i = std::size(keys::kRecent) - 1; i > 0; --i) {
        if (!setValue(keys::kRecent[i], recent.at(i - 1)))
            return false;
    }
    return setValue(keys::kRecent[0], recipients);
}

bool Settings::checkReadable() {
    const QFileInfo info(settings_.fileName());
    if (!info.exists())
        return true;
    QFile file(info.filePath());
    if (info.isFile() && file.open(QIODevice::ReadOnly))
        return true;
    error_ = tr("%1 cannot be read: %2")
                 .arg(info.filePath(), info.isFile() ? file.errorString() : tr("not a file"));
    return false;
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
