// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

namespace pelicast::gateway {

struct Account {
    QString user;
    QString password;
    qint64 credits = 0;
};

// The gateway's accounts, kept in a JSON file that is rewritten whole and
// atomically after every change, so a crash never leaves it half written.
class AccountStore {
public:
    explicit AccountStore(QString path) : path_(std::move(path)) {}

    // Reads the file; a missing file is created holding the demo account.
    // False on failure, with the reason in errorString().
    bool load();

    // The account when the user exists and the password matches it.
    const Account* authenticate(const QString& user, const QString& password) const;
    // Sets a balance and saves; on failure the balance stays as it was.
    bool setCredits(const QString& user, qint64 credits);

    const QString& path() const { return path_; }
    QString errorString() const { return error_; }

private:
    bool save();

    QString path_;
    QString error_;
    QList<Account> accounts_;
};

}  // namespace pelicast::gateway
