// SPDX-License-Identifier: GPL-3.0-or-later
#include "outbox.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

using namespace Qt::StringLiterals;

namespace pelicast::gateway {

Expected<void> Outbox::append(QJsonObject record) const {
    record.insert(QLatin1String("time"),
                  QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs));
    QDir().mkpath(QFileInfo(path_).absolutePath());
    QFile file(path_);
    const QByteArray line = QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n';
    // One write of the whole line, so a reader never sees half a record.
    // What was sent, to whom: readable by the stand-in's user only.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append,
                   QFileDevice::ReadOwner | QFileDevice::WriteOwner) ||
        file.write(line) != line.size() || !file.flush()) {
        return Unexpected{u"Cannot write %1: %2"_s.arg(path_, file.errorString())};
    }
    return {};
}

}  // namespace pelicast::gateway
