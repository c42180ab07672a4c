// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSettings>
#include <QString>
#include <QStringList>

namespace pelicast {

// A key of the settings file: the section it lies in and its name there.
struct SettingsKey {
    const char* section;
    const char* name;

    bool operator==(const SettingsKey& other) const;
};

// Every key of the settings file. A key never written reads as "".
namespace keys {

// Section "udata": the account, the recent recipients, the balance and the
// connection, with the names and values the program has always kept there.
inline constexpr auto kAccountSection = "udata";
// Scrambled (scramble()). The password is "" unless remembered where no
// keyring of the desktop could keep it (core/settings/keyring.h).
inline constexpr SettingsKey kUsername{kAccountSection, "username"};
inline constexpr SettingsKey kPassword{kAccountSection, "password"};
inline constexpr SettingsKey kOriginator{kAccountSection, "originator"};
// The recipients texts, most recent first.
inline constexpr SettingsKey kRecent1{kAccountSection, "rcpt1"};
inline constexpr SettingsKey kRecent2{kAccountSection, "rcpt2"};
inline constexpr SettingsKey kRecent3{kAccountSection, "rcpt3"};
inline constexpr SettingsKey kRecent4{kAccountSection, "rcpt4"};
// The text after "Credits Left:" in the last reply.
inline constexpr SettingsKey kCredits{kAccountSection, "credits"};
// The last group answer of an upload.
inline constexpr SettingsKey kNewGroups{kAccountSection, "newgroups"};
// "http" or "https".
inline constexpr SettingsKey kTransport{kAccountSection, "transport"};
// "0" direct, "1" system, "2" custom, with server and port.
inline constexpr SettingsKey kProxy{kAccountSection, "proxy"};
inline constexpr SettingsKey kProxyServer{kAccountSection, "proxysrv"};
inline constexpr SettingsKey kProxyPort{kAccountSection, "proxyport"};
inline constexpr SettingsKey kRecent[] = {kRecent1, kRecent2, kRecent3, kRecent4};

// Section "preferences": the choices the program keeps beyond those, never
// in "udata", which holds no other key. core/settings/preferences.h reads
// and writes them.
namespace preferences {
inline constexpr auto kSection = "preferences";
inline constexpr SettingsKey kRegion{kSection, "region"};  // two-letter code; "" for none
inline constexpr SettingsKey kCheckRecipients{kSection, "checkRecipients"};  // "true" or "false"
inline constexpr SettingsKey kConfirmCost{kSection, "confirmCost"};          // "true" or "false"
inline constexpr SettingsKey kCostThreshold{kSection, "costThreshold"};      // credits
// When nothing is sent: "21:00-08:00" or "off" (core/schedule/quiet_hours.h).
inline constexpr SettingsKey kQuietHours{kSection, "quiet_hours"};
// Hours past its time after which a scheduled batch waits for the user's word.
inline constexpr SettingsKey kLateHours{kSection, "late_hours"};
// Seconds between two requests of a batch ("1", "0.5").
inline constexpr SettingsKey kPause{kSection, "pause"};
}  // namespace preferences

// Section "keyring": what the window keeps about the desktop's keyring.
namespace keyring {
inline constexpr auto kSection = "keyring";
// "true" once the user was told that, for want of a keyring, the password is
// kept in this file; "false" again once a keyring keeps it.
inline constexpr SettingsKey kFileNoticeShown{kSection, "fileNoticeShown"};
}  // namespace keyring

// Section "schedule": what the timer keeps from one run to the next.
namespace schedule {
inline constexpr auto kSection = "schedule";
// The scheduled batches whose want of a password a desktop notice told
// ("12,15"), so that a run every minute tells each once.
inline constexpr SettingsKey kPasswordToldFor{kSection, "passwordToldFor"};
}  // namespace schedule

// Section "windows": the size and place of each resizable window
// (gui/window_geometry.h), "x,y,width,height" in the desktop's logical
// pixels, with ",maximized" when it was.
namespace windows {
inline constexpr auto kSection = "windows";
inline constexpr SettingsKey kPicker{kSection, "picker"};
inline constexpr SettingsKey kEditor{kSection, "editor"};
inline constexpr SettingsKey kHistory{kSection, "history"};
inline constexpr SettingsKey kRecipientFile{kSection, "recipientFile"};
inline constexpr SettingsKey kBatchPreview{kSection, "batchPreview"};
inline constexpr SettingsKey kBatchProgress{kSection, "batchProgress"};
inline constexpr SettingsKey kScheduled{kSection, "scheduled"};
inline constexpr SettingsKey kHelp{kSection, "help"};
}  // namespace windows

}  // namespace keys

// The program's settings: `~/.config/Quillo/Quillo.conf` (the XDG config
// folder), readable by the user only; nothing else opens it. Each write
// reaches the file at once; an unchanged value is not rewritten. A file
// without the owner's write permission is never written, not even by root.
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

    // `absent` is what a key never written reads as.
    QString value(SettingsKey key, const QString& absent = {}) const;
    bool contains(SettingsKey key) const;
    // False when the value could not reach the file; the reason is in
    // errorString().
    bool setValue(SettingsKey key, const QString& value);
    // setValue(), except that an absent key stays absent while `value` is
    // what its absence means: a choice the user never made is not stored,
    // and follows the program's default.
    bool setChoice(SettingsKey key, const QString& value, const QString& absent);

    // The account values are kept scrambled; these read and write them plain.
    QString scrambledValue(SettingsKey key) const;
    bool setScrambledValue(SettingsKey key, const QString& plain);
    // The password remembered in this file for `account`: "" when it
    // remembers none, or another account's.
    QString rememberedPassword(const QString& account) const;

    // The four recent recipients texts, most recent first.
    QStringList recentRecipients() const;
    // Puts `recipients` first unless it is already among the four.
    bool rememberRecipients(const QString& recipients);

    // False, with the reason in errorString(), when the file exists but
    // cannot be read: every value would read as absent.
    bool checkReadable();

    // Why the last write or check failed.
    QString errorString() const;

Q_SIGNALS:
    // The first write that fails, with the reason, so that one place can
    // tell the user; later failures are not told again.
    void saveFailed(const QString& reason);

private:
    QString prepareFile();

    mutable QSettings settings_;
    QString error_;
    bool failureTold_ = false;
};

// Repeating-key exclusive-or of UTF-16 code units; applying it twice with the
// same key gives the text back.
QString scramble(const QString& text, const QString& key = QStringLiteral("581603"));

}  // namespace pelicast
