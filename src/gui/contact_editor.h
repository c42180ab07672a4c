// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>
#include <memory>

namespace pelicast {

namespace Ui {
class ContactEditor;
}

struct Contact;

// One contact's first and last name, mobile number, e-mail address and
// groups, added to the address book or changed there. OK and Cancel only hide the editor,
// so it keeps what it shows until it is given the next contact.
class ContactEditor : public QDialog {
    Q_OBJECT
public:
    explicit ContactEditor(QWidget* parent = nullptr);
    ~ContactEditor() override;

    // Empties the boxes for a new contact and shows the editor.
    void newContact();
    // Shows `contact`, read at `index` of the book, for changing.
    void editContact(const Contact& contact, int index);

    // Saves; hides the editor only when the book took the change.
    void accept() override;

Q_SIGNALS:
    // The address book file now holds the change.
    void contactSaved();

private:
    void showEditor();
    bool saveContact();
    // Lists the book's groups, those in `ticked` ticked.
    void showGroups(const QStringList& ticked);
    QStringList tickedGroups(bool ticked) const;

    std::unique_ptr<Ui::ContactEditor> ui_;
    // The display name of the contact being changed; empty for a new contact.
    QString editedName_;
    int editedIndex_ = -1;
};

}  // namespace pelicast
