// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace pelicast {

// `text` as a terminal may show it: every control character other than line
// feed and tab becomes U+FFFD, and a CR LF pair a line feed, so that a
// gateway's reply or a card from elsewhere cannot move the cursor, change
// colours or retitle the window. Text inside JSON is escaped there instead.
QString printableText(QStringView text);

// Where the first control character is that a message may not hold (all but
// line breaks and tab: NUL, ESC, DEL, ...); -1 when there is none.
qsizetype firstForbiddenControl(QStringView message);

// The start of `text`, at most `length` characters, and an ellipsis where it
// was cut: enough of a long text to know it again.
QString shortened(QStringView text, qsizetype length);

}  // namespace pelicast
