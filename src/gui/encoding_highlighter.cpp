// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/encoding_highlighter.h"

#include <QHelpEvent>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QToolTip>

#include "core/message/sms_encoding.h"

using namespace Qt::StringLiterals;

namespace pelicast {

EncodingHighlighter::EncodingHighlighter(QPlainTextEdit* editor)
    : QSyntaxHighlighter(editor->document()), editor_(editor) {
    // Orange, and a translucent tint of it behind the character: it reads on
    // light and dark palettes alike, and under thin characters such as "’".
    mark_.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    mark_.setUnderlineColor(QColor(0xE0, 0x6C, 0x00));
    mark_.setBackground(QColor(0xE0, 0x6C, 0x00, 0x40));
    editor->viewport()->installEventFilter(this);
}

bool EncodingHighlighter::forcesUnicode(QChar ch) {
    // The editor's plain text, which is what is sent, turns these into a
    // space and a line break.
    return gsmSeptets(ch) == 0 && ch != QChar::Nbsp && ch != QChar::LineSeparator;
}

QString EncodingHighlighter::describe(char32_t codePoint) {
    const QString character = QString::fromUcs4(&codePoint, 1);
    const QString name = characterName(codePoint);
    const QString code = QString::number(uint(codePoint), 16).toUpper().rightJustified(4, u'0');
    QString text = tr("“%1” %2(U+%3) is not in the GSM alphabet: the message goes as Unicode, "
                      "%4 characters per SMS.")
                       .arg(character, name.isEmpty() ? name : name + u' ', code,
                            QString::number(kUcs2Single));
    const QList<LookAlike> lookAlike = findLookAlikes(character);
    if (!lookAlike.isEmpty()) {
        const QStringView replacement = lookAlike.first().replacement;
        text += replacement.isEmpty() ? tr(" Replace look-alikes removes it.")
                                      : tr(" Replace look-alikes makes it “%1”.").arg(replacement);
    }
    return text;
}

void EncodingHighlighter::highlightBlock(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!forcesUnicode(text.at(i)))
            continue;
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        setFormat(int(i), pair ? 2 : 1, mark_);
        i += pair ? 1 : 0;
    }
}

bool EncodingHighlighter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (showToolTip(help->pos(), help->globalPos()))
            return true;
    }
    return QSyntaxHighlighter::eventFilter(watched, event);
}

bool EncodingHighlighter::showToolTip(const QPoint& position, const QPoint& globalPosition) {
    // The character under the pointer lies left or right of the nearest
    // cursor position.
    const QTextCursor cursor = editor_->cursorForPosition(position);
    const bool left = position.x() < editor_->cursorRect(cursor).center().x();
    const QTextBlock block = cursor.block();
    const QString text = block.text();
    qsizetype at = cursor.positionInBlock() - (left ? 1 : 0);
    if (at < 0 || at >= text.size() || !forcesUnicode(text.at(at)))
        return false;
    if (text.at(at).isLowSurrogate() && at > 0 && text.at(at - 1).isHighSurrogate())
        --at;
    const QList<uint> codePoints = QStringView(text).mid(at, 2).toUcs4();
    QToolTip::showText(globalPosition, describe(codePoints.first()), editor_->viewport());
    return true;
}

}  // namespace pelicast
