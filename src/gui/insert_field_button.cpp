// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/insert_field_button.h"

#include <QMenu>

#include "core/message/personal_text.h"
#include "gui/message_box.h"
#include "gui/message_text_edit.h"

using namespace Qt::StringLiterals;

namespace pelicast {

InsertFieldButton::InsertFieldButton(MessageTextEdit* message, QWidget* parent)
    : QToolButton(parent), message_(message) {
    setObjectName(u"insertField"_s);
    setText(tr("Insert &field"));
    setAccessibleName(tr("Insert field"));
    setPopupMode(QToolButton::InstantPopup);
    setMenu(new QMenu(this));
    setFields({});
}

void InsertFieldButton::setFields(const QStringList& names) {
    menu()->clear();
    for (const QString& name : names) {
        // A column may be named with "&", which a menu would take for a mnemonic.
        QAction* action = menu()->addAction(fieldPlaceholder(name).replace(u'&', u"&&"_s));
        connect(action, &QAction::triggered, this, [this, name] { insertField(name); });
    }
    setEnabled(!names.isEmpty());
    setToolTip(names.isEmpty()
                   ? tr("The recipients have no fields yet. Choose contacts or load a list file "
                        "(Recipients from file...) to write {first}, {name} or a column's name "
                        "into the message.")
                   : tr("Puts a value of each recipient into the message, such as {%1}.")
                         .arg(names.first()));
}

void InsertFieldButton::insertField(const QString& name) {
    if (!message_->insertWhole(fieldPlaceholder(name)))
        MessageBox::tell(window(),
                         tr("The message has no room left for %1.").arg(fieldPlaceholder(name)));
    message_->setFocus();
}

}  // namespace pelicast
