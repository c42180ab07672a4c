#include "app/sms_text_edit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocumentFragment>

namespace pelicast {

namespace {
const QString kCrLf = QStringLiteral("\r\n");

// Length as stored: every line break is two characters.
qsizetype storedLength(const QString& plain) {
    return plain.size() + plain.count(QLatin1Char('\n'));
}

QString withCrLf(QString plain) {
    return plain.replace(QLatin1Char('\n'), kCrLf);
}
}  // namespace

QString SmsTextEdit::text() const {
    return withCrLf(toPlainText());
}

void SmsTextEdit::setText(const QString& text) {
    QString plain = text;
    plain.replace(kCrLf, QStringLiteral("\n"));
    setPlainText(plain);
}

qsizetype SmsTextEdit::room() const {
    const QTextCursor cursor = textCursor();
    const qsizetype selected = storedLength(cursor.selection().toPlainText());
    return maxLength_ - (storedLength(toPlainText()) - selected);
}

QString SmsTextEdit::fitting(const QString& text) const {
    qsizetype left = room();
    qsizetype keep = 0;
    for (; keep < text.size(); ++keep) {
        const qsizetype cost = text.at(keep) == QLatin1Char('\n') ? 2 : 1;
        if (cost > left)
            break;
        left -= cost;
    }
    return text.left(keep);
}

void SmsTextEdit::keyPressEvent(QKeyEvent* event) {
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString typed = lineBreak ? QStringLiteral("\n") : event->text();
    const bool printable = lineBreak || (!typed.isEmpty() && typed.at(0).isPrint());
    if (printable && fitting(typed).size() < typed.size()) {
        event->accept();  // beyond the limit: refused
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void SmsTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText())
        return;
    QString plain = source->text();
    plain.replace(kCrLf, QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    insertPlainText(fitting(plain));
}

void SmsTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    if (!event->commitString().isEmpty()) {
        const QString fits = fitting(event->commitString());
        if (fits.size() < event->commitString().size()) {
            QInputMethodEvent cut(event->preeditString(), event->attributes());
            cut.setCommitString(fits, event->replacementStart(), event->replacementLength());
            QPlainTextEdit::inputMethodEvent(&cut);
            return;
        }
    }
    QPlainTextEdit::inputMethodEvent(event);
}

}  // namespace pelicast
