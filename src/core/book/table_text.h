// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QLocale>
#include <QString>

#include "common/expected.h"

namespace pelicast {

// The bytes of the list file at `path`: a regular file of at most `limit`
// bytes, else the reason, naming the file.
Expected<QByteArray> readListFile(const QString& path, qint64 limit);

// A table's text as UTF-8, and the encoding it was read in.
struct TableText {
    QByteArray utf8;  // without byte-order mark
    QString encoding;
};

// `data` in `encoding` (a name QStringDecoder knows) or, left empty, the one
// detected: a byte-order mark (UTF-8, UTF-16LE, UTF-16BE), else UTF-8 when
// the bytes are valid UTF-8, else legacyEncoding(). Bytes with a NUL and no
// byte-order mark are no text (a workbook, a picture): refused.
Expected<TableText> decodeTableText(QByteArray data, const QString& encoding = {},
                                    const QLocale& locale = QLocale());

// Windows' 8-bit code page of `locale`'s language, which its spreadsheets
// save "CSV" in: "windows-1253" for Greek, "windows-1251" for Russian,
// "windows-1250" for Polish, ...; "windows-1252" for western and any other
// languages.
QString legacyEncoding(const QLocale& locale = QLocale());

}  // namespace pelicast
