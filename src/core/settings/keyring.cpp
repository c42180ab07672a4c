// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/keyring.h"

#include <qt6keychain/keychain.h>
#include <QDBusConnection>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QEventLoop>
#include <QTimer>
#include <optional>

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

QString reasonOf(QKeychain::Error error, const QString& detail) {
    QString reason;
    switch (error) {
        case QKeychain::AccessDenied:
        case QKeychain::AccessDeniedByUser:
            reason = Keyring::tr("The desktop's keyring is locked or refused access");
            break;
        case QKeychain::CouldNotDeleteEntry:
            reason = Keyring::tr("The desktop's keyring did not remove the password");
            break;
        default:
            reason = Keyring::tr("No keyring of the desktop could be used");
            break;
    }
    return detail.isEmpty() ? reason + u'.' : reason + u" ("_s + detail + u")."_s;
}

const QString kService = u"Pelicast"_s;

// libsecret finds no password where the user declined to unlock the keyring,
// or no unlock prompt could be shown (a script without a desktop): the Secret
// Service itself tells whether the entry is there, locked.
void answerNotFound(Keyring* keyring, const QString& account) {
    using Attributes = QMap<QString, QString>;
    qDBusRegisterMetaType<Attributes>();
    QDBusMessage search =
        QDBusMessage::createMethodCall(u"org.freedesktop.secrets"_s, u"/org/freedesktop/secrets"_s,
                                       u"org.freedesktop.Secret.Service"_s, u"SearchItems"_s);
    search << QVariant::fromValue(Attributes{{u"user"_s, account}, {u"server"_s, kService}});
    const int limitMs = std::chrono::milliseconds(Keyring::kPatience).count();
    auto* call = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(search, limitMs), keyring);
    QObject::connect(call, &QDBusPendingCallWatcher::finished, keyring, [=] {
        call->deleteLater();
        const QDBusPendingReply<QList<QDBusObjectPath>, QList<QDBusObjectPath>> found = *call;
        if (found.isValid() && !found.argumentAt<1>().isEmpty())
            Q_EMIT keyring->failed(
                Keyring::Task::Read, account,
                Keyring::tr("The desktop's keyring is locked: it holds the password, but was "
                            "not unlocked."));
        else
            Q_EMIT keyring->done(Keyring::Task::Read, account, {});
    });
}

// Parentless, and deleting itself once answered: the library's callbacks
// hold the job, so it outlives a caller that stopped waiting. Never the
// library's plain-text fallback: where no keyring can be used, the caller
// decides.
template <typename Job>
Job* newJob(const QString& account) {
    auto* job = new Job(kService);
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    job->setKey(account);
    return job;
}

void start(Keyring* keyring, QKeychain::Job* job, Keyring::Task task, const QString& account) {
    QObject::connect(job, &QKeychain::Job::finished, keyring, [=](QKeychain::Job* finished) {
        const QKeychain::Error error = finished->error();
        if (error != QKeychain::NoError && error != QKeychain::EntryNotFound) {
            Q_EMIT keyring->failed(task, account, reasonOf(error, finished->errorString()));
            return;
        }
        const auto* read = qobject_cast<QKeychain::ReadPasswordJob*>(finished);
        if (read && error == QKeychain::EntryNotFound)
            answerNotFound(keyring, account);
        else
            Q_EMIT keyring->done(task, account, read ? read->textData() : QString());
    });
    job->start();
}

}  // namespace

Keyring::Keyring(QObject* parent) : QObject(parent) {}

void Keyring::read(const QString& account) {
    start(this, newJob<QKeychain::ReadPasswordJob>(account), Task::Read, account);
}

void Keyring::write(const QString& account, const QString& password) {
    auto* job = newJob<QKeychain::WritePasswordJob>(account);
    job->setTextData(password);
    start(this, job, Task::Write, account);
}

void Keyring::remove(const QString& account) {
    start(this, newJob<QKeychain::DeletePasswordJob>(account), Task::Remove, account);
}

Expected<QString> Keyring::readNow(const QString& account, std::chrono::milliseconds limit) {
    Keyring keyring;
    QEventLoop loop;
    std::optional<Expected<QString>> answer;
    connect(&keyring, &Keyring::done, &loop, [&](Task, const QString&, const QString& password) {
        answer = password;
        loop.quit();
    });
    connect(&keyring, &Keyring::failed, &loop, [&](Task, const QString&, const QString& reason) {
        answer = Unexpected{reason};
        loop.quit();
    });
    QTimer::singleShot(limit, &loop, &QEventLoop::quit);
    keyring.read(account);
    if (!answer)
        loop.exec();
    if (answer)
        return *answer;
    return Unexpected{tr("The desktop's keyring did not answer within %1 seconds; it may be "
                         "locked and waiting for its password.")
                          .arg(std::chrono::duration_cast<std::chrono::seconds>(limit).count())};
}

QString Keyring::describe() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return tr("none: no session bus (%1)").arg(bus.lastError().message());
    const auto names = [&bus](const QString& method) {
        const QDBusMessage call =
            QDBusMessage::createMethodCall(u"org.freedesktop.DBus"_s, u"/org/freedesktop/DBus"_s,
                                           u"org.freedesktop.DBus"_s, method);
        return bus.call(call, QDBus::Block, 2000).arguments().value(0).toStringList();
    };
    const QStringList running = names(u"ListNames"_s);
    const QStringList startable = names(u"ListActivatableNames"_s);
    const std::pair<QString, QString> keyrings[] = {
        {u"org.freedesktop.secrets"_s, u"Secret Service"_s},
        {u"org.kde.kwalletd6"_s, u"KWallet"_s},
        {u"org.kde.kwalletd5"_s, u"KWallet"_s}};
    for (const auto& [service, name] : keyrings) {
        if (running.contains(service))
            return tr("%1 (%2), running").arg(name, service);
        if (startable.contains(service))
            return tr("%1 (%2), started on demand").arg(name, service);
    }
    return tr("none on the session bus: a remembered password is kept in the settings file");
}

}  // namespace pelicast
