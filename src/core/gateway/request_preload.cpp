// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/gateway/request_preload.h"

#include <QSqlDatabase>
#include <QSslSocket>
#include <QThreadPool>
#include <atomic>

using namespace Qt::StringLiterals;

namespace pelicast {

void preloadRequestLibraries() {
    static std::atomic_flag started;
    if (started.test_and_set())
        return;
    QThreadPool::globalInstance()->start([] {
        QSslSocket::supportsSsl();
        const QString connection = u"pelicast-preload"_s;
        QSqlDatabase::addDatabase(u"QSQLITE"_s, connection);  // loads the driver
        QSqlDatabase::removeDatabase(connection);
    });
}

}  // namespace pelicast
