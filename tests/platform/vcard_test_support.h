#pragma once

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/vcard_address_book.h"
#include "platform/vcard_reader.h"

namespace pelicast::test {

inline QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

// Opens the book, writes one field of its first record and closes it.
inline void SetFirstRecord(const QString& path, const QString& field, const QString& value) {
    platform::VCardAddressBook book;
    book.Open(path);
    QVERIFY(book.Select(0));
    book.SetValue(field, value);
    book.Close();
}

// One field of one record, read by a fresh instance; "<no record>" when the
// index names none.
inline QString ValueOf(const QString& path, int index, const QString& field) {
    platform::VCardAddressBook book;
    book.Open(path);
    return book.Select(index) ? book.GetValue(field) : QStringLiteral("<no record>");
}

inline QString InteropDir() {
    return qEnvironmentVariable("PELICAST_SOURCE_DIR") + QStringLiteral("/../shared/interop/vcard");
}

// What a property means, independent of how a version spells it: parameter
// spellings, transfer encodings, charsets and line-break escapes are evened out.
inline QString Meaning(const platform::vcard::ContentLine& line) {
    using namespace platform::vcard;
    QStringList params;
    for (const Param& param : line.params) {
        const QByteArray value = param.Unquoted();
        if (param.name.isEmpty()) {
            if (EqualsNoCase(value, "BASE64"))
                params << QStringLiteral("ENCODING=b");
            else if (!EqualsNoCase(value, "QUOTED-PRINTABLE"))
                params << QStringLiteral("TYPE=") + QString::fromUtf8(value).toLower();
        } else if (EqualsNoCase(param.name, "TYPE")) {
            for (const QByteArray& type : value.split(','))
                params << QStringLiteral("TYPE=") + QString::fromUtf8(type).toLower();
        } else if (EqualsNoCase(param.name, "ENCODING")) {
            if (line.IsBase64())
                params << QStringLiteral("ENCODING=b");
        } else if (!EqualsNoCase(param.name, "CHARSET")) {
            params << QString::fromUtf8(param.name.toUpper() + '=' + value);
        }
    }
    params.sort();
    QString value;
    if (line.IsBase64()) {
        value = QString::fromLatin1(line.value).remove(QRegularExpression(QStringLiteral("\\s")));
    } else {
        value = DecodeValue(line);
        value.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        value.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        value.replace(QStringLiteral("\\n"), QStringLiteral("\n"));
        value.replace(QStringLiteral("\\N"), QStringLiteral("\n"));
    }
    return QString::fromUtf8(line.group.toUpper() + '.' + line.name.toUpper()) + u';' +
           params.join(u';') + u':' + value;
}

// The meanings of every card's properties, card by card, leaving out those
// `skip` picks.
template <typename Skip>
QList<QStringList> Meanings(const QByteArray& file, Skip skip) {
    using namespace platform::vcard;
    QList<QStringList> cards;
    for (const Segment& segment : SplitCards(file)) {
        if (!segment.isCard)
            continue;
        QStringList meanings;
        LineReader reader(QByteArrayView(file).sliced(segment.begin, segment.end - segment.begin));
        QByteArrayView text;
        while (reader.Next(text)) {
            const ContentLine line = ParseLine(text);
            if (!line.Is("VERSION") && !line.Is("BEGIN") && !line.Is("END") && !skip(line))
                meanings << Meaning(line);
        }
        cards << meanings;
    }
    return cards;
}

}  // namespace pelicast::test
