// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/schedule/due_timer.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QEventLoop>

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

const QString kService = u"org.freedesktop.systemd1"_s;
const QString kPath = u"/org/freedesktop/systemd1"_s;
const QString kManager = u"org.freedesktop.systemd1.Manager"_s;

QString unitName() {
    return QLatin1String(DueTimer::kUnit);
}

// Errors that mean nobody on the bus manages the user's services. A session
// bus of its own (not systemd's) tries to start systemd1 and fails to spawn.
bool meansNoSystemd(const QDBusError& error) {
    if (error.name().startsWith(u"org.freedesktop.DBus.Error.Spawn."_s))
        return true;
    switch (error.type()) {
        case QDBusError::ServiceUnknown:
        case QDBusError::Disconnected:
        case QDBusError::NoServer:
        case QDBusError::NoReply:
        case QDBusError::Timeout:
        case QDBusError::TimedOut:
            return true;
        default:
            return false;
    }
}

}  // namespace

DueTimer::DueTimer(QObject* parent) : QObject(parent) {
    qRegisterMetaType<Outcome>();
}

void DueTimer::enable() {
    enabledNow_ = false;
    if (!QDBusConnection::sessionBus().isConnected()) {
        // Told later, like every other answer.
        QMetaObject::invokeMethod(
            this, [this] { finish(Result::NoSystemd); }, Qt::QueuedConnection);
        return;
    }
    call(u"GetUnitFileState"_s, {unitName()}, &DueTimer::onState);
}

DueTimer::Outcome DueTimer::enableNow() {
    DueTimer timer;
    Outcome outcome;
    QEventLoop loop;
    connect(&timer, &DueTimer::finished, &loop, [&](const Outcome& answer) {
        outcome = answer;
        loop.quit();
    });
    timer.enable();
    loop.exec();
    return outcome;
}

void DueTimer::call(const QString& method, const QVariantList& arguments,
                    void (DueTimer::*next)(const QVariant& answer)) {
    QDBusMessage message = QDBusMessage::createMethodCall(kService, kPath, kManager, method);
    message.setArguments(arguments);
    const int limit = int(std::chrono::milliseconds(kPatience).count());
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(message, limit), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, next](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                const QDBusMessage reply = call->reply();
                if (call->isError()) {
                    const QDBusError error = call->error();
                    if (meansNoSystemd(error))
                        finish(Result::NoSystemd);
                    else
                        finish(Result::Failed, error.message());
                    return;
                }
                const QVariantList answer = reply.arguments();
                (this->*next)(answer.isEmpty() ? QVariant() : answer.first());
            });
}

void DueTimer::onState(const QVariant& answer) {
    if (answer.toString() == u"enabled"_s) {
        call(u"StartUnit"_s, {unitName(), u"replace"_s}, &DueTimer::onStarted);
        return;
    }
    // runtime false: for good; force false: a link the user made stays.
    call(u"EnableUnitFiles"_s, {QStringList{unitName()}, false, false}, &DueTimer::onEnabled);
}

void DueTimer::onEnabled(const QVariant&) {
    enabledNow_ = true;
    // As systemctl does after enabling: the manager reads the new links.
    call(u"Reload"_s, {}, &DueTimer::onReloaded);
}

void DueTimer::onReloaded(const QVariant&) {
    call(u"StartUnit"_s, {unitName(), u"replace"_s}, &DueTimer::onStarted);
}

void DueTimer::onStarted(const QVariant&) {
    finish(enabledNow_ ? Result::Enabled : Result::AlreadyOn);
}

void DueTimer::finish(Result result, const QString& reason) {
    Q_EMIT finished({result, reason});
}

QString DueTimer::describe(const Outcome& outcome) {
    switch (outcome.result) {
        case Result::Enabled:
            return tr("Scheduled messages now go at their time even while Pelicast is closed "
                      "(the systemd user timer %1 is on).")
                .arg(unitName());
        case Result::AlreadyOn:
            return tr("Scheduled messages go at their time even while Pelicast is closed.");
        case Result::NoSystemd:
            return tr(
                "No systemd runs for your user here, so scheduled messages go only while "
                "Pelicast is open at their time.");
        case Result::Failed:
            break;
    }
    return tr("The systemd user timer %1 could not be turned on: %2\nScheduled messages go only "
              "while Pelicast is open at their time.")
        .arg(unitName(), outcome.reason);
}

}  // namespace pelicast
