// SPDX-License-Identifier: GPL-3.0-or-later
#include "accounts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <optional>

#include "common/bounded_read.h"

using namespace Qt::StringLiterals;

namespace pelicast::gateway {

namespace {

const Account kDemoAccount{u"demo"_s, u"demo"_s, 1000};
// Thousands of test accounts fit in a small part of this.
constexpr qint64 kMaxAccountsFile = qint64(16) << 20;

std::optional<Account> accountFrom(const QJsonValue& value) {
    const QJsonObject object = value.toObject();
    const QJsonValue user = object.value(QLatin1String("user"));
    const QJsonValue password = object.value(QLatin1String("password"));
    const QJsonValue credits = object.value(QLatin1String("credits"));
    if (!user.isString() || !password.isString() || !credits.isDouble()) {
        return std::nullopt;
    }
    return Account{user.toString(), password.toString(), credits.toInteger()};
}

}  // namespace

bool AccountStore::load() {
    QFile file(path_);
    if (!file.exists()) {
        accounts_ = {kDemoAccount};
        return save();
    }
    const Expected<QByteArray> text = readRegularFile(path_, kMaxAccountsFile);
    if (!text) {
        error_ = u"Cannot read %1: %2"_s.arg(path_, text.error());
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(*text, &parseError);
    const QJsonValue list = document.object().value(QLatin1String("accounts"));
    if (parseError.error != QJsonParseError::NoError || !list.isArray()) {
        error_ = u"%1 is not an accounts file."_s.arg(path_);
        return false;
    }
    accounts_.clear();
    for (const auto& entry : list.toArray()) {
        const auto account = accountFrom(entry);
        if (!account) {
            error_ = u"%1 holds an account without user, password or credits."_s.arg(path_);
            return false;
        }
        accounts_ << *account;
    }
    return true;
}

const Account* AccountStore::authenticate(const QString& user, const QString& password) const {
    for (const Account& account : accounts_) {
        if (account.user == user) {
            return account.password == password ? &account : nullptr;
        }
    }
    return nullptr;
}

bool AccountStore::setCredits(const QString& user, qint64 credits) {
    for (Account& account : accounts_) {
        if (account.user == user) {
            const qint64 before = account.credits;
            account.credits = credits;
            if (!save()) {
                account.credits = before;
                return false;
            }
            return true;
        }
    }
    error_ = u"No account %1."_s.arg(user);
    return false;
}

bool AccountStore::save() {
    QJsonArray list;
    for (const Account& account : accounts_) {
        list.append(QJsonObject{{QLatin1String("user"), account.user},
                                {QLatin1String("password"), account.password},
                                {QLatin1String("credits"), account.credits}});
    }
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QSaveFile file(path_);
    // Unbuffered, so that the write itself tells whether all of it went out.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        error_ = u"Cannot write %1: %2"_s.arg(path_, file.errorString());
        return false;
    }
    // Passwords are stored in the clear: readable by their owner only.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray text = QJsonDocument(QJsonObject{{QLatin1String("accounts"), list}}).toJson();
    // A short write is never committed; the destructor throws it away.
    if (file.write(text) != text.size() || !file.commit()) {
        error_ = u"Cannot write %1: %2"_s.arg(path_, file.errorString());
        return false;
    }
    return true;
}

}  // namespace pelicast::gateway
