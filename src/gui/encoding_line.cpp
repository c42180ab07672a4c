// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/encoding_line.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QTextCursor>
#include <QToolButton>

#include "core/gateway/form_fields.h"
#include "core/message/sms_encoding.h"
#include "gui/encoding_highlighter.h"
#include "gui/message_text_edit.h"

using namespace Qt::StringLiterals;

namespace pelicast {

EncodingLine::EncodingLine(MessageTextEdit* editor, QWidget* parent)
    : QWidget(parent),
      editor_(editor),
      info_(new QLabel(this)),
      replace_(new QAction(tr("&Replace look-alikes"), this)),
      replaceButton_(new QToolButton(this)) {
    info_->setObjectName(u"encodingInfo"_s);
    info_->setTextFormat(Qt::PlainText);
    // As wide as its longest text, so the fixed-size window never changes.
    info_->setMinimumWidth(info_->fontMetrics().horizontalAdvance(
        tr("%n SMS · Unicode (%1 per SMS)", nullptr, 3).arg(kUcs2Single)));
    replace_->setObjectName(u"replaceLookAlikes"_s);
    // Set apart from the text, so the button keeps the access key.
    replace_->setIconText(replace_->text());
    replace_->setToolTip(
        tr("Replace typographic quotes, dashes, spaces and the like by the GSM "
           "characters they look like"));
    replaceButton_->setDefaultAction(replace_);
    replaceButton_->setAccessibleName(tr("Replace look-alikes"));
    replaceButton_->setAutoRaise(true);
    QSizePolicy policy = replaceButton_->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    replaceButton_->setSizePolicy(policy);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins({});
    layout->addWidget(info_, 1);
    layout->addWidget(replaceButton_);

    new EncodingHighlighter(editor);
    connect(editor, &MessageTextEdit::textChanged, this, &EncodingLine::showEncoding);
    connect(replace_, &QAction::triggered, this, &EncodingLine::replaceLookAlikes);
    showEncoding();
}

void EncodingLine::showEncoding() {
    const SmsLength length = measureSms(trimBlanks(editor_->text()));
    info_->setText(
        length.encoding == SmsEncoding::Gsm7
            ? tr("%n SMS · GSM 7-bit", nullptr, length.parts)
            : tr("%n SMS · Unicode (%1 per SMS)", nullptr, length.parts).arg(kUcs2Single));
    const bool offered =
        length.encoding == SmsEncoding::Ucs2 &&
        !findLookAlikes(editor_->toPlainText(), editor_->charactersLeft()).isEmpty();
    replace_->setEnabled(offered);
    replaceButton_->setVisible(offered);
}

void EncodingLine::replaceLookAlikes() {
    const QList<LookAlike> found =
        findLookAlikes(editor_->toPlainText(), editor_->charactersLeft());
    QTextCursor cursor(editor_->document());
    cursor.beginEditBlock();
    // Last to first, so the positions still to come stay where they were.
    for (auto it = found.crbegin(); it != found.crend(); ++it) {
        cursor.setPosition(int(it->position));
        cursor.setPosition(int(it->position) + 1, QTextCursor::KeepAnchor);
        cursor.insertText(it->replacement.toString());
    }
    cursor.endEditBlock();
}

}  // namespace pelicast
