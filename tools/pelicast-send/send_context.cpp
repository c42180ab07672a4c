// SPDX-License-Identifier: GPL-3.0-or-later
#include "send_context.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/message/printable_text.h"

using namespace Qt::StringLiterals;

namespace pelicast {

void SendContext::print(const QJsonValue& result, const QString& text) {
    if (json)
        out << (result.isArray() ? QJsonDocument(result.toArray())
                                 : QJsonDocument(result.toObject()))
                   .toJson(QJsonDocument::Compact)
            << '\n';
    else if (!text.isEmpty())
        out << printableText(text) << '\n';
}

void SendContext::warn(const QString& text) {
    say(u"pelicast-send: warning: ", text);
}

void SendContext::say(QStringView prefix, const QString& text) {
    const QString shown = printableText(text);
    for (QStringView line : QStringView(shown).split(u'\n'))
        err << (line.startsWith(u' ') ? QStringView() : prefix) << line << '\n';
}

bool SendContext::stop(int exitStatus, const QString& message, bool withUsage) {
    status = exitStatus;
    say(u"pelicast-send: ", message);
    if (withUsage)
        err << parser.helpText().section(u'\n', 0, 0) << '\n';
    if (json)
        print(QJsonObject{{u"outcome"_s, u"error"_s}, {u"error"_s, message}}, {});
    return false;
}

QJsonValue balanceValue(const QString& balance) {
    bool number = false;
    const double value = balance.trimmed().toDouble(&number);
    return number ? QJsonValue(value) : QJsonValue();
}

}  // namespace pelicast
