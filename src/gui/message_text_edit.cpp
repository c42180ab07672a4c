// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/message_text_edit.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocumentFragment>
#include <QToolTip>

#include "core/message/draft_review.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

const QString kCrLf = u"\r\n"_s;

// Length as sent: every line break is two characters.
qsizetype sentLength(const QString& plain) {
    return plain.size() + plain.count(u'\n');
}

}  // namespace

QString MessageTextEdit::text() const {
    return toPlainText().replace(u'\n', kCrLf);
}

void MessageTextEdit::setText(const QString& text) {
    setPlainText(QString(text).replace(kCrLf, u"\n"_s));
}

int MessageTextEdit::charactersLeft() const {
    return kMessageLimit - int(toPlainText().size());
}

QString MessageTextEdit::fitting(const QString& text) const {
    const QString plain = toPlainText();
    const QString selected = textCursor().selection().toPlainText();
    // The limit grows by one for every line break already in the text.
    qsizetype room =
        kMessageLimit + plain.count(u'\n') - (sentLength(plain) - sentLength(selected));
    qsizetype keep = 0;
    for (; keep < text.size(); ++keep) {
        const qsizetype cost = text.at(keep) == u'\n' ? 2 : 1;
        if (cost > room)
            break;
        room -= cost;
    }
    return text.left(keep);
}

bool MessageTextEdit::insertWhole(const QString& text) {
    if (fitting(text).size() < text.size())
        return false;
    insertPlainText(text);
    return true;
}

void MessageTextEdit::keyPressEvent(QKeyEvent* event) {
    const bool lineBreak = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString typed = lineBreak ? u"\n"_s : event->text();
    const bool printable = lineBreak || (!typed.isEmpty() && typed.at(0).isPrint());
    if (printable && fitting(typed).size() < typed.size()) {
        event->accept();  // beyond the limit: refused
        tellLeftOut(typed.size(), false);
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void MessageTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!source->hasText())
        return;
    QString plain = source->text();
    plain.replace(kCrLf, u"\n"_s).replace(u'\r', u'\n');
    const QString fits = fitting(plain);
    insertPlainText(fits);
    if (fits.size() < plain.size())
        tellLeftOut(plain.size() - fits.size(), true);
}

void MessageTextEdit::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = event->commitString();
    const QString fits = fitting(commit);
    if (fits.size() < commit.size()) {
        QInputMethodEvent cut(event->preeditString(), event->attributes());
        cut.setCommitString(fits, event->replacementStart(), event->replacementLength());
        QPlainTextEdit::inputMethodEvent(&cut);
        tellLeftOut(commit.size() - fits.size(), false);
        return;
    }
    QPlainTextEdit::inputMethodEvent(event);
}

// Told at the cursor at once; the limit itself stays as it is.
void MessageTextEdit::tellLeftOut(qsizetype count, bool pasted) {
    QString notice =
        tr("Characters left out: %n. A message holds at most %1 characters.", nullptr, int(count))
            .arg(kMessageLimit);
    if (pasted)
        notice += u' ' + tr("Undo (Ctrl+Z) takes the paste back.");
    QToolTip::showText(viewport()->mapToGlobal(cursorRect().bottomLeft()), notice, this);
}

}  // namespace pelicast
