// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include "common/expected.h"

// Whole files and streams read with a limit that fits what they hold: a
// device that never ends (/dev/zero, `yes |`) or a file far larger than any
// real one ends in a clear refusal, not in all the memory there is. The
// reasons follow "Cannot read X: " and name the limit.
namespace pelicast {

// A limit as people read it: "4 KiB", "256 MiB".
QString byteSizeText(qint64 bytes);

// Opens the regular file at `path` for reading when it holds at most `limit`
// bytes. A folder, a device or a FIFO is refused without blocking on it.
Expected<void> openRegularFile(QFile& file, const QString& path, qint64 limit);

// All of the regular file at `path`, refused as openRegularFile() refuses it
// or when it grows past `limit` while it is read.
Expected<QByteArray> readRegularFile(const QString& path, qint64 limit);

// The rest of `device` (standard input, a pipe, an open file), refused once
// more than `limit` bytes come.
Expected<QByteArray> readToEnd(QIODevice& device, qint64 limit);

}  // namespace pelicast
