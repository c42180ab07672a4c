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

using namespace Qt::StringLiterals;

namespace pelicast::gateway {

namespace {

const Account kDemoAccount{u"demo"_s, u"demo"_s, 1000};

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

bool AccountStore::load(QString* error) {
    QFile file(path_);
    if (!file.exists()) {
        accounts_ = {kDemoAccount};
        return save(error);
    }
    if (!file.open(QIODevice::ReadOnly)) {
        *error = u"Cannot read %1: %2"_s.arg(path_, file.errorString());
        return false;
    }
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    const QJsonValue list = document.object().value(QLatin1String("accounts"));
    if (parseError.error != QJsonParseError::NoError || !list.isArray()) {
        *error = u"%1 is not an accounts file."_s.arg(path_);
        return false;
    }
    accounts_.clear();
    for (const QJsonValue entry : list.toArray()) {
        const auto account = accountFrom(entry);
        if (!account) {
            *error = u"%1 holds an account without user, password or credits."_s.arg(path_);
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

bool AccountStore::setCredits(const QString& user, qint64 credits, QString* error) {
    for (Account& account : accounts_) {
        if (account.user == user) {
            const qint64 before = account.credits;
            account.credits = credits;
            if (!save(error)) {
                account.credits = before;
                return false;
            }
            return true;
        }
    }
    *error = u"No account %1."_s.arg(user);
    return false;
}

bool AccountStore::save(QString* error) const {
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
        *error = u"Cannot write %1: %2"_s.arg(path_, file.errorString());
        return false;
    }
    // Passwords are stored in the clear: readable by their owner only.
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QByteArray text = QJsonDocument(QJsonObject{{QLatin1String("accounts"), list}}).toJson();
    // A short write is never committed; the destructor throws it away.
    if (file.write(text) != text.size() || !file.commit()) {
        *error = u"Cannot write %1: %2"_s.arg(path_, file.errorString());
        return false;
    }
    return true;
}

}  // namespace pelicast::gateway
