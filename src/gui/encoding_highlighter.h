// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

class QPlainTextEdit;

namespace pelicast {

// Marks the characters of a message that force it into Unicode with a wavy
// underline, and names the one under the pointer in a tooltip.
class EncodingHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit EncodingHighlighter(QPlainTextEdit* editor);

    // Whether `ch`, as the editor's text holds it, forces Unicode once sent.
    static bool forcesUnicode(QChar ch);
    // The tooltip of a character that forces Unicode.
    static QString describe(char32_t codePoint);

protected:
    void highlightBlock(const QString& text) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool showToolTip(const QPoint& position, const QPoint& globalPosition);

    QPlainTextEdit* editor_;
    QTextCharFormat mark_;
};

}  // namespace pelicast
