// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's tools for recipients and the message: lists from files,
// the fields of a personal message, templates, importing contacts and saving
// groups.
#include <QAction>
#include <QMenuBar>
#include <QToolButton>

#include "gui/contact_import_dialog.h"
#include "gui/current_recipients.h"
#include "gui/group_actions.h"
#include "gui/insert_field_button.h"
#include "gui/main_window.h"
#include "gui/recipient_picker.h"
#include "gui/templates_menu.h"
#include "ui_main_window.h"

using namespace Qt::StringLiterals;

namespace pelicast {

void MainWindow::setUpRecipientTools() {
    recipients_ = new CurrentRecipients(settings_, ui_->rcpt, this);
    const auto addAction = [this](const QString& text, const char* name, auto slot) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        ui_->Actions->insertAction(ui_->sendcontacts, action);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    QAction* fromFile = addAction(tr("Recipients from &file..."), "recipientsFromFile",
                                  [this] { recipients_->chooseFile(); });
    addAction(tr("&Import contacts..."), "importContacts", [this] {
        importContacts(this);
        if (picker_)
            picker_->reload();
    });
    addAction(tr("Save recipients as g&roup..."), "saveGroup", [this] {
        saveRecipientsAsGroup(this, ui_->rcpt->currentText(), recipients_->region());
        if (picker_)
            picker_->reload();
    });
    auto* fileButton = new QToolButton(this);
    fileButton->setObjectName(u"recipientsFromFileButton"_s);
    fileButton->setText(tr("From fi&le..."));
    fileButton->setToolTip(tr("Recipients from a CSV or TSV list file"));
    connect(fileButton, &QToolButton::clicked, fromFile, &QAction::trigger);
    ui_->formLayout->addWidget(fileButton, 4, 3, Qt::AlignLeft);
    auto* insertField = new InsertFieldButton(ui_->sms, this);
    ui_->sendLayout->insertWidget(ui_->sendLayout->indexOf(ui_->CancelButton) + 1, insertField);
    connect(recipients_, &CurrentRecipients::fieldNamesChanged, insertField,
            &InsertFieldButton::setFields);
    menuBar()->insertMenu(ui_->Web->menuAction(), new TemplatesMenu(ui_->sms, this));
    addAction(tr("Unfinished &batches..."), "unfinishedBatches",
              [this] { showUnfinishedBatches(); });
}

RecipientList MainWindow::currentRecipients() const {
    return recipients_->recipients();
}

}  // namespace pelicast
