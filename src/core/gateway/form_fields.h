// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

namespace pelicast {

// The fields of one gateway request, in the order they are sent.
using FormFields = QList<std::pair<QString, QString>>;

// "name=value" pairs joined by "&". Every value is percent-encoded as UTF-8
// (space as "%20", "+" as "%2B"), so "&", "=", "+" and "%" in a message
// reach the gateway as typed.
QByteArray encodeForm(const FormFields& fields);

// `text` without leading and trailing blanks (U+0020 only: tabs and line
// breaks at the ends stay), as every field value is sent.
QString trimBlanks(const QString& text);

}  // namespace pelicast
