// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/desktop_notifier.h"

#include <QApplication>
#include <QThread>

#include "core/schedule/desktop_notice.h"

namespace pelicast {

DesktopNotifier::DesktopNotifier(QObject* parent) : QObject(parent) {}

bool DesktopNotifier::notifyUnlessActive(const QString& summary, const QString& body) {
    if (QApplication::activeWindow())
        return false;
    notify(summary, body);
    return true;
}

void DesktopNotifier::notify(const QString& summary, const QString& body) {
    QThread* call = QThread::create([summary, body] { showDesktopNotice(summary, body); });
    connect(call, &QThread::finished, call, &QObject::deleteLater);
    call->start();
}

}  // namespace pelicast
