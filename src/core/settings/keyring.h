// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <chrono>

#include "common/expected.h"

namespace pelicast {

// The passwords kept in the desktop's keyring (the Secret Service of GNOME
// Keyring, KWallet or KeePassXC, through QtKeychain), one per account: service
// "Pelicast", key the account's user name. Nothing is ever kept in a file
// here: where no keyring can be used, every call fails with the reason.
//
// Each call is answered later by done() or failed(), writes and removals in
// the order asked. The first call loads the library that talks to the
// keyring and connects to the session bus; a keyring waiting to be unlocked
// may not answer for a long time, so callers that need the answer wait with
// a limit. A locked keyring is a failure, not an absent password.
class Keyring : public QObject {
    Q_OBJECT
public:
    enum class Task { Read, Write, Remove };

    // Long enough for a keyring that starts on demand, short enough for a
    // script or a user to wait.
    static constexpr std::chrono::seconds kPatience{5};

    explicit Keyring(QObject* parent = nullptr);

    void read(const QString& account);
    void write(const QString& account, const QString& password);
    void remove(const QString& account);

    // The password kept for `account`, "" when none is, or why the keyring
    // gave none, within `limit`. Runs an event loop meanwhile.
    static Expected<QString> readNow(const QString& account,
                                     std::chrono::milliseconds limit = kPatience);

    // Which keyring the session bus offers, in a line for a report: the
    // Secret Service or KWallet, running or started on demand, or none.
    // Asks the bus, waiting at most a second or two.
    static QString describe();

Q_SIGNALS:
    // `password` is the one read ("" when none is kept), else "".
    void done(pelicast::Keyring::Task task, const QString& account, const QString& password);
    void failed(pelicast::Keyring::Task task, const QString& account, const QString& reason);
};

}  // namespace pelicast
