// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>

namespace pelicast {

// The message field: at most kMessageLimit characters, a line break counting
// as one of them although it is sent as CR LF. Typing beyond the limit is
// refused and a paste or drop is cut to what fits, and either way a balloon
// at the cursor says at once how many characters were left out; a cut paste
// is one step of Undo. A line break needs room for both of its characters,
// so it cannot be the last one.
class MessageTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    using QPlainTextEdit::QPlainTextEdit;

    // The text with CR LF line breaks, as it is sent.
    QString text() const;
    void setText(const QString& text);

    int charactersLeft() const;
    // Puts `text` in place of the selection, at the cursor, when all of it
    // fits; false (and the field as it was) when not.
    bool insertWhole(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // The longest start of `text` that fits once the selection is replaced.
    QString fitting(const QString& text) const;
    void tellLeftOut(qsizetype count, bool pasted);
};

}  // namespace pelicast
