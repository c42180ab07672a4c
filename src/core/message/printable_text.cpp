// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/message/printable_text.h"

namespace pelicast {

namespace {

// C0, DEL and C1.
bool isControl(QChar c) {
    return c.category() == QChar::Other_Control;
}

}  // namespace

QString printableText(QStringView text) {
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
            continue;
        shown += isControl(c) && c != u'\n' && c != u'\t' ? QChar(QChar::ReplacementCharacter) : c;
    }
    return shown;
}

qsizetype firstForbiddenControl(QStringView message) {
    for (qsizetype i = 0; i < message.size(); ++i) {
        const QChar c = message.at(i);
        if (isControl(c) && c != u'\n' && c != u'\r' && c != u'\t')
            return i;
    }
    return -1;
}

QString shortened(QStringView text, qsizetype length) {
    return text.size() > length ? text.left(length).toString() + u'…' : text.toString();
}

}  // namespace pelicast
