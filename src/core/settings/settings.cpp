// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <algorithm>

#include "core/settings/owner_only.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

QString keyPath(const char* key) {
    return u"udata/"_s + QLatin1String(key);
}

qsizetype maxLength(const char* key) {
    const auto isKey = [key](const char* recent) { return qstrcmp(recent, key) == 0; };
    return std::any_of(std::begin(keys::kRecent), std::end(keys::kRecent), isKey)
               ? Settings::kMaxRecipientsLength
               : Settings::kMaxValueLength;
}

}  // namespace

Settings::Settings(QObject* parent)
    : QObject(parent), settings_(fileName(), QSettings::IniFormat) {}

QString Settings::fileName() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           u"/Quillo/Quillo.conf"_s;
}

QString Settings::value(const char* key) const {
    // Picks up what another running copy wrote meanwhile.
    settings_.sync();
    const QString text = settings_.value(keyPath(key)).toString();
    return text.size() > maxLength(key) ? QString() : text;
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

    QString problem = prepareFile();
    if (problem.isEmpty()) {
        settings_.setValue(path, value);
        settings_.sync();
        if (settings_.status() != QSettings::AccessError)  // a format error is no write error
            return;
        // QSettings tells no reason; trying the same kind of write finds most.
        QSaveFile probe(settings_.fileName());
        problem =
            probe.open(QIODevice::WriteOnly)
                ? tr("%1 cannot be written.").arg(settings_.fileName())
                : tr("%1 cannot be written: %2").arg(settings_.fileName(), probe.errorString());
    }
    const bool first = error_.isEmpty();
    error_ = problem;
    if (first)
        Q_EMIT saveFailed(problem);
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
