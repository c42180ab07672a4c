// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSettings>
#include <QString>
#include <QStringList>

namespace pelicast {

// Every key of the program's section of the settings file. A key never
// written reads as "".
namespace keys {
inline constexpr auto kUsername = "username";      // scrambled
inline constexpr auto kPassword = "password";      // scrambled; "" unless remembered
inline constexpr auto kOriginator = "originator";  // scrambled
inline constexpr auto kRecent1 = "rcpt1";          // most recent recipients text
inline constexpr auto kRecent2 = "rcpt2";
inline constexpr auto kRecent3 = "rcpt3";
inline constexpr auto kRecent4 = "rcpt4";
inline constexpr auto kCredits = "credits";      // text after "Credits Left:" in the last reply
inline constexpr auto kNewGroups = "newgroups";  // last group answer of an upload
inline constexpr auto kTransport = "transport";  // "http" or "https"
inline constexpr auto kProxy = "proxy";          // "0" direct, "1" system, "2" custom
inline constexpr auto kProxyServer = "proxysrv";
inline constexpr auto kProxyPort = "proxyport";
inline constexpr const char* kRecent[] = {kRecent1, kRecent2, kRecent3, kRecent4};
}  // namespace keys

// The program's settings: `~/.config/Quillo/Quillo.conf` (the XDG config
// folder), section "udata", readable by the user only. Each write reaches
// the file at once; an unchanged value is not rewritten. A file without the
// owner's write permission is never written, not even by root.
class Settings : public QObject {
    Q_OBJECT
public:
    // Longer values read as "": a value no window of the program writes,
    // which would only cost memory and time to show. Recipients are bound by
    // what one request can carry.
    static constexpr qsizetype kMaxRecipientsLength = 256 * 1024;
    static constexpr qsizetype kMaxValueLength = 4096;

    explicit Settings(QObject* parent = nullptr);

    // The full path of the settings file.
    static QString fileName();

    QString value(const char* key) const;
    bool contains(const char* key) const;
    void setValue(const char* key, const QString& value);

    // The account values are kept scrambled; these read and write them plain.
    QString scrambledValue(const char* key) const;
    void setScrambledValue(const char* key, const QString& plain);

    // The four recent recipients texts, most recent first.
    QStringList recentRecipients() const;
    // Puts `recipients` first unless it is already among the four.
    void rememberRecipients(const QString& recipients);

    // False once a write could not reach the file (read-only file, a folder
    // that cannot be created or written); the reason is in errorString().
    bool isWritable() const;
    QString errorString() const;

Q_SIGNALS:
    // The first write that fails, with the reason; later failures are not
    // told again.
    void saveFailed(const QString& reason);

private:
    QString prepareFile();

    mutable QSettings settings_;
    QString error_;
};

// Repeating-key exclusive-or of UTF-16 code units; applying it twice with the
// same key gives the text back.
QString scramble(const QString& text, const QString& key = QStringLiteral("581603"));

}  // namespace pelicast
