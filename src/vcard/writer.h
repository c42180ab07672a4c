// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "vcard/reader.h"

// Writing vCard 3.0: UTF-8, CR LF, lines folded at 75 octets.
namespace pelicast::vcard {

// Text escaped for a value: backslash, comma, semicolon and line breaks.
QString escape(QStringView text);

// The logical line as written, without a line break.
QByteArray serialize(const ContentLine& line);

// One logical line folded into lines of at most 75 octets, each ended by CR LF.
// A UTF-8 character is never cut.
QByteArray fold(QByteArrayView logicalLine);

// The same property in vCard 3.0 terms: QUOTED-PRINTABLE and CHARSET undone
// into UTF-8, bare 2.1 parameters written as TYPE=, BASE64 as ENCODING=b.
// Lines already in 3.0 or 4.0 terms come back unchanged.
ContentLine toVersion3(const ContentLine& line);

// A whole card: BEGIN, VERSION:3.0, the properties in order, END.
QByteArray writeCard(const QList<ContentLine>& properties);

}  // namespace pelicast::vcard
