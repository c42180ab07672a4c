// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/long_text.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// Never between the halves of a surrogate pair.
QString left(const QString& text, qsizetype length) {
    return text.left(length - qsizetype(text.at(length - 1).isHighSurrogate()));
}

}  // namespace

QString shownPart(const QString& text, const QString& keptIn) {
    if (text.size() <= kShownTextLength)
        return text;
    const QString part = left(text, kShownTextLength);
    return part + u"\n\n"_s +
           QCoreApplication::translate("pelicast", "... and %1 more characters, kept in %2.")
               .arg(text.size() - part.size())
               .arg(keptIn);
}

QString cellText(const QString& text) {
    constexpr qsizetype kCellLength = 500;
    return text.size() <= kCellLength ? text : left(text, kCellLength) + u'\u2026';
}

}  // namespace pelicast
