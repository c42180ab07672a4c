#pragma once

#include <QPlainTextEdit>

namespace pelicast {

// The message box: multi-line text whose length counts a line break as the
// two characters CR LF, and which refuses typing and pasting beyond its
// maximum length (a paste is cut to what fits).
class SmsTextEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    using QPlainTextEdit::QPlainTextEdit;

    // The text with CR LF line breaks.
    QString text() const;
    void setText(const QString& text);

    int maxLength() const { return maxLength_; }
    void setMaxLength(int length) { maxLength_ = length; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // Characters that can still be added once the selection is replaced.
    qsizetype room() const;
    // The longest start of `text` that fits in the room left.
    QString fitting(const QString& text) const;

    int maxLength_ = 160;
};

}  // namespace pelicast

using pelicast::SmsTextEdit;
