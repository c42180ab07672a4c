// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QString>

#include "common/expected.h"

namespace pelicast::gateway {

// What "was sent": one JSON object per line, appended, never rewritten.
class Outbox {
public:
    explicit Outbox(QString path) : path_(std::move(path)) {}

    // Appends `record` with the time it was taken.
    Expected<void> append(QJsonObject record) const;

    const QString& path() const { return path_; }

private:
    QString path_;
};

}  // namespace pelicast::gateway
