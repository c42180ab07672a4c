// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/schedule/desktop_notice.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>

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

bool showDesktopNotice(const QString& summary, const QString& body,
                       std::chrono::milliseconds limit) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    const int wait = int(limit.count());
    const QDBusMessage capabilities =
        bus.call(notificationsCall(u"GetCapabilities"_s), QDBus::Block, wait);
    if (capabilities.type() != QDBusMessage::ReplyMessage || capabilities.arguments().isEmpty())
        return false;
    const bool markup =
        capabilities.arguments().constFirst().toStringList().contains(u"body-markup"_s);
    const QString desktopId = installation::desktopId();
    QDBusMessage notice = notificationsCall(u"Notify"_s);
    notice << QCoreApplication::applicationName() << uint(0) << desktopId << summary
           << (markup ? body.toHtmlEscaped() : body) << QStringList()
           << QVariantMap{{u"desktop-entry"_s, desktopId}} << qint32(-1);
    return bus.call(notice, QDBus::Block, wait).type() == QDBusMessage::ReplyMessage;
}

}  // namespace pelicast
