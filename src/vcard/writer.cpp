// SPDX-License-Identifier: GPL-3.0-or-later
#include "vcard/writer.h"

#include <algorithm>

namespace pelicast::vcard {

namespace {

constexpr qsizetype kMaxLineOctets = 75;

bool isTransferEncoding(QByteArrayView value) {
    return equalsNoCase(value, "QUOTED-PRINTABLE"_bv) || equalsNoCase(value, "BASE64"_bv) ||
           equalsNoCase(value, "B"_bv) || equalsNoCase(value, "8BIT"_bv) ||
           equalsNoCase(value, "7BIT"_bv);
}

bool isPlainWord(QByteArrayView value) {
    if (value.isEmpty() || isTransferEncoding(value))
        return false;
    return std::all_of(value.begin(), value.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '-';
    });
}

bool isUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Every line break as \n. A backslash that escapes nothing, left standing
// before a break, is doubled so that it does not take the "n" for its own.
QString lineBreaksEscaped(QStringView text) {
    QString out;
    out.reserve(text.size() + 8);
    qsizetype backslashes = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n')) {
            backslashes = c == QLatin1Char('\\') ? backslashes + 1 : 0;
            out.append(c);
            continue;
        }
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
            ++i;
        if (backslashes % 2 == 1)
            out.append(QLatin1Char('\\'));
        out.append(QLatin1String("\\n"));
        backslashes = 0;
    }
    return out;
}

}  // namespace

QString escape(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\') || c == QLatin1Char(',') || c == QLatin1Char(';')) {
            out.append(QLatin1Char('\\'));
            out.append(c);
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            out.append(QLatin1String("\\n"));
        } else {
            out.append(c);
        }
    }
    return out;
}

QByteArray serialize(const ContentLine& line) {
    QByteArray out;
    out.reserve(line.group.size() + line.name.size() + line.value.size() + 16);
    if (!line.group.isEmpty()) {
        out.append(line.group);
        out.append('.');
    }
    out.append(line.name);
    for (const Parameter& param : line.params) {
        out.append(';');
        if (!param.name.isEmpty()) {
            out.append(param.name);
            out.append('=');
        }
        out.append(param.value);
    }
    if (line.hasColon) {
        out.append(':');
        out.append(line.value);
    }
    return out;
}

QByteArray fold(QByteArrayView logicalLine) {
    QByteArray out;
    out.reserve(logicalLine.size() + logicalLine.size() / 70 * 3 + 2);
    qsizetype pos = 0;
    qsizetype room = kMaxLineOctets;
    while (logicalLine.size() - pos > room) {
        qsizetype cut = pos + room;
        while (cut > pos + 1 && isUtf8Continuation(logicalLine[cut]))
            --cut;
        out.append(logicalLine.sliced(pos, cut - pos));
        out.append("\r\n ");
        pos = cut;
        room = kMaxLineOctets - 1;
    }
    out.append(logicalLine.sliced(pos));
    out.append("\r\n");
    return out;
}

ContentLine toVersion3(const ContentLine& line) {
    if (!line.hasColon)
        return line;
    const bool base64 = line.isBase64();
    const bool quotedPrintable = line.isQuotedPrintable();
    const bool hasCharset = !line.paramValue("CHARSET"_bv).isEmpty();
    ContentLine out = line;
    out.params.clear();
    for (const Parameter& param : line.params) {
        const QByteArray value = param.unquoted();
        if (param.name.isEmpty()) {
            // Only a plain word is a 2.1 type; anything else stays as written,
            // since as a TYPE value its commas would make it a list.
            if (isPlainWord(value))
                out.params.append({QByteArray("TYPE"), param.value});
            else if (!isTransferEncoding(value))
                out.params.append(param);
        } else if (equalsNoCase(param.name, "ENCODING"_bv)) {
            if (base64)
                out.params.append({param.name, QByteArray("b")});
        } else if (!equalsNoCase(param.name, "CHARSET"_bv)) {
            out.params.append(param);
        }
    }
    if (base64) {
        out.value = decodeValue(line).toUtf8();
        if (std::none_of(out.params.cbegin(), out.params.cend(),
                         [](const Parameter& p) { return equalsNoCase(p.name, "ENCODING"_bv); }))
            out.params.append({QByteArray("ENCODING"), QByteArray("b")});
    } else if (quotedPrintable || hasCharset || !line.value.isValidUtf8()) {
        out.value = lineBreaksEscaped(decodeValue(line)).toUtf8();
    }
    return out;
}

QByteArray writeCard(const QList<ContentLine>& properties) {
    QByteArray out("BEGIN:VCARD\r\nVERSION:3.0\r\n");
    for (const ContentLine& property : properties) {
        if (property.is("BEGIN"_bv) || property.is("END"_bv) || property.is("VERSION"_bv))
            continue;
        out.append(fold(serialize(property)));
    }
    out.append("END:VCARD\r\n");
    return out;
}

}  // namespace pelicast::vcard
