// SPDX-License-Identifier: GPL-3.0-or-later
#include "form.h"

#include <QStringDecoder>

#include "core/gateway/gateway_protocol.h"

using namespace Qt::StringLiterals;

namespace pelicast::gateway {

using namespace protocol;

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

Expected<QString> decodeComponent(QByteArrayView encoded) {
    QByteArray bytes;
    bytes.reserve(encoded.size());
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        const char c = encoded[i];
        if (c == '+') {
            bytes += ' ';
        } else if (c != '%') {
            bytes += c;
        } else {
            const int high = i + 2 < encoded.size() ? hexDigit(encoded[i + 1]) : -1;
            const int low = high >= 0 ? hexDigit(encoded[i + 2]) : -1;
            if (low < 0) {
                return Unexpected{u"Broken percent escape."_s};
            }
            bytes += char(high * 16 + low);
            i += 2;
        }
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError()) {
        return Unexpected{u"The form is not UTF-8 text."_s};
    }
    return text;
}

}  // namespace

Expected<Form> Form::decode(const QByteArray& body) {
    Form form;
    for (const QByteArray& pair : body.split('&')) {
        if (pair.isEmpty()) {
            continue;
        }
        const qsizetype equals = pair.indexOf('=');
        const auto name = decodeComponent(equals < 0 ? pair : pair.first(equals));
        if (!name) {
            return Unexpected{name.error()};
        }
        const auto value = decodeComponent(equals < 0 ? QByteArrayView() : pair.sliced(equals + 1));
        if (!value) {
            return Unexpected{value.error()};
        }
        if (form.fields_.contains(*name)) {
            return Unexpected{u"The field \"%1\" comes more than once."_s.arg(*name)};
        }
        form.fields_.insert(*name, *value);
    }
    return form;
}

QString joinedBySemicolons(const QString& value) {
    return QString(value).replace(QLatin1String(kListSeparator), u";"_s);
}

QStringList separatedItems(const QString& value) {
    QStringList items;
    for (const QString& item : value.split(QLatin1String(kListSeparator))) {
        if (!item.trimmed().isEmpty()) {
            items << item;
        }
    }
    return items;
}

QStringList crlfLines(const QString& value) {
    if (value.isEmpty()) {
        return {};
    }
    QStringList lines = value.split(QLatin1String(kLineBreak));
    // Every line is preceded by CR LF, so the text before the first is no line.
    if (lines.first().isEmpty()) {
        lines.removeFirst();
    }
    return lines;
}

}  // namespace pelicast::gateway
