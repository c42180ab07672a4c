// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pelicast {

// A box or a text view takes seconds to lay out one huge line: a text from
// outside (a gateway's reply) is shown up to this many characters.
inline constexpr qsizetype kShownTextLength = 10'000;

// `text` up to kShownTextLength characters, then how many more there are
// and where they are kept (`keptIn`).
QString shownPart(const QString& text, const QString& keptIn);

// A table cell's text: a cell shows one line, and eliding a huge one on
// every paint is slow.
QString cellText(const QString& text);

}  // namespace pelicast
