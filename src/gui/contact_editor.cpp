// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/contact_editor.h"

#include <QKeySequence>
#include <algorithm>

#include "core/book/address_book.h"
#include "core/book/contact_entries.h"
#include "gui/address_book_error.h"
#include "gui/help_launcher.h"
#include "gui/message_box.h"
#include "gui/window_geometry.h"
#include "ui_contact_editor.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// Where the contact loaded into the editor is now: at its old index as long as
// that card still carries its display name (so another contact of the same
// name is not overwritten), else the first card of that name; -1 when gone.
int indexToChange(const AddressBook& book, int loadedIndex, const QString& displayName) {
    const auto carriesName = [&](int index) {
        return book.isReadable(index) && book.contact(index).displayName == displayName;
    };
    if (loadedIndex >= 0 && loadedIndex < book.count() && carriesName(loadedIndex))
        return loadedIndex;
    for (int index = 0; index < book.count(); ++index) {
        if (carriesName(index))
            return index;
    }
    return -1;
}

}  // namespace

ContactEditor::ContactEditor(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      ui_(std::make_unique<Ui::ContactEditor>()) {
    ui_->setupUi(this);
    connect(ui_->OK, &QPushButton::clicked, this, &ContactEditor::accept);
    connect(ui_->Cancel, &QPushButton::clicked, this, &ContactEditor::reject);
    setHelpTopic(this, u"contact_editor.htm"_s);
    // Its size follows its fields; its place is kept.
    WindowGeometry::keep(this, keys::windows::kEditor);
}

ContactEditor::~ContactEditor() = default;

void ContactEditor::newContact() {
    for (QLineEdit* box : {ui_->Fname, ui_->Lname, ui_->Mnumber, ui_->Email})
        box->clear();
    editedName_.clear();
    editedIndex_ = -1;
    showGroups({});
    showEditor();
}

void ContactEditor::editContact(const Contact& contact, int index) {
    ui_->Fname->setText(contact.firstName);
    ui_->Lname->setText(contact.surname);
    ui_->Mnumber->setText(contact.mobile);
    ui_->Email->setText(contact.email);
    editedName_ = contact.displayName;
    editedIndex_ = index;
    showGroups(contact.groups);
    showEditor();
}

// The first name takes the focus when the program shows the editor, not each
// time the user comes back to it from another window.
void ContactEditor::showEditor() {
    show();
    raise();
    activateWindow();
    ui_->Fname->setFocus();
}

void ContactEditor::showGroups(const QStringList& ticked) {
    ui_->groups->clear();
    AddressBook book;
    QStringList names;
    // Without the book the list stays empty; saving tells what is wrong.
    if (book.load())
        names = groupLabels(book);
    sortIgnoringCase(names);
    for (const QString& label : std::as_const(names)) {
        const QString name = groupNameOfLabel(label);
        if (name.isEmpty())
            continue;
        auto* item = new QListWidgetItem(name, ui_->groups);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        item->setCheckState(ticked.contains(name, Qt::CaseInsensitive) ? Qt::Checked
                                                                       : Qt::Unchecked);
    }
    const bool any = ui_->groups->count() > 0;
    ui_->groups->setVisible(any);
    ui_->Label5->setVisible(any);
    ui_->groups->setFixedHeight(ui_->groups->fontMetrics().lineSpacing() *
                                    std::min(ui_->groups->count() + 1, 6) +
                                2 * ui_->groups->frameWidth());
}

QStringList ContactEditor::tickedGroups(bool ticked) const {
    QStringList names;
    for (int row = 0; row < ui_->groups->count(); ++row) {
        const QListWidgetItem* item = ui_->groups->item(row);
        if ((item->checkState() == Qt::Checked) == ticked)
            names.append(item->text());
    }
    return names;
}

void ContactEditor::accept() {
    if (ui_->Mnumber->text().isEmpty()) {
        MessageBox::tell(this, tr("Please enter the contact's mobile phone number"));
        return;
    }
    if (!saveContact())
        return;
    QDialog::accept();
    Q_EMIT contactSaved();
}

bool ContactEditor::saveContact() {
    AddressBook book;
    if (!book.load()) {
        reportAddressBookError(this, AddressBookStep::Read, book.errorString());
        return false;
    }
    if (editedIndex_ < 0) {
        Contact contact;
        contact.firstName = ui_->Fname->text();
        contact.surname = ui_->Lname->text();
        contact.displayName = contact.firstName + u' ' + contact.surname;
        contact.mobile = ui_->Mnumber->text();
        contact.email = ui_->Email->text();
        contact.groups = tickedGroups(true);
        book.add(contact);
    } else {
        const int index = indexToChange(book, editedIndex_, editedName_);
        if (index < 0) {
            MessageBox::tell(this, tr("The contact is no longer in the address book."),
                             tr("Address Book"), MessageBox::Icon::Warning);
            return false;
        }
        // The display name and every other detail of the card stay as they are.
        Contact contact = book.contact(index);
        contact.firstName = ui_->Fname->text();
        contact.surname = ui_->Lname->text();
        contact.mobile = ui_->Mnumber->text();
        contact.email = ui_->Email->text();
        book.update(index, contact);
        for (const QString& group : tickedGroups(true))
            book.addToGroup(index, group);
        for (const QString& group : tickedGroups(false)) {
            if (book.groupsOf(index).contains(group, Qt::CaseInsensitive))
                book.removeFromGroup(index, group);
        }
        editedIndex_ = index;
    }
    if (!book.save()) {
        reportAddressBookError(this, AddressBookStep::Save, book.errorString());
        return false;
    }
    return true;
}

}  // namespace pelicast
