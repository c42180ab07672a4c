// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/gateway/form_fields.h"

#include <QUrl>

namespace pelicast {

QByteArray encodeForm(const FormFields& fields) {
    QByteArray body;
    for (const auto& [name, value] : fields) {
        if (!body.isEmpty())
            body += '&';
        body += name.toUtf8() + '=' + QUrl::toPercentEncoding(value);
    }
    return body;
}

QString trimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == u' ')
        ++begin;
    while (end > begin && text.at(end - 1) == u' ')
        --end;
    return text.mid(begin, end - begin);
}

}  // namespace pelicast
