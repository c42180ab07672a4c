// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/desktop_notifier.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

#include "core/settings/installation.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

QDBusMessage notificationsCall(const QString& method) {
    return QDBusMessage::createMethodCall(u"org.freedesktop.Notifications"_s,
                                          u"/org/freedesktop/Notifications"_s,
                                          u"org.freedesktop.Notifications"_s, method);
}

}  // namespace

DesktopNotifier::DesktopNotifier(QObject* parent) : QObject(parent) {}

bool DesktopNotifier::notifyUnlessActive(const QString& summary, const QString& body) {
    if (QApplication::activeWindow())
        return false;
    notify(summary, body);
    return true;
}

// Asks first whether the service reads markup, which a plain text's "<" or
// "&" would otherwise be taken for.
void DesktopNotifier::notify(const QString& summary, const QString& body) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    auto* watcher =
        new QDBusPendingCallWatcher(bus.asyncCall(notificationsCall(u"GetCapabilities"_s)), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, summary, body](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                const QDBusPendingReply<QStringList> capabilities = *call;
                if (capabilities.isError())
                    return;
                send(summary,
                     capabilities.value().contains(u"body-markup"_s) ? body.toHtmlEscaped() : body);
            });
}

void DesktopNotifier::send(const QString& summary, const QString& body) {
    const QString desktopId = installation::desktopId();
    QDBusMessage message = notificationsCall(u"Notify"_s);
    message << QCoreApplication::applicationName() << id_ << desktopId << summary << body
            << QStringList() << QVariantMap{{u"desktop-entry"_s, desktopId}} << qint32(-1);
    auto* watcher =
        new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(message), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                const QDBusPendingReply<uint> id = *call;
                if (id.isError())
                    return;
                id_ = id.value();
                Q_EMIT shown(id_);
            });
}

}  // namespace pelicast
