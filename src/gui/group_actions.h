// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <utility>

class QAction;
class QMenu;
class QWidget;

namespace pelicast {

class AddressBook;

// The picker's groups: a new group of the chosen contacts, adding them to a
// group or taking them out of one, renaming or deleting the current group
// (AddressBook's group changes: categories, never a contact removed). Each
// change is saved at once, onto the book as it is on disk.
class GroupActions : public QObject {
    Q_OBJECT
public:
    // The contacts an action is for, as (book index, label): the ticked
    // ones, else the current one.
    using ChosenContacts = std::function<QList<std::pair<int, QString>>()>;
    // The name of the group of the current entry, "" for none.
    using CurrentGroup = std::function<QString()>;
    GroupActions(QWidget* picker, ChosenContacts chosen, CurrentGroup current);

    QMenu* menu() const { return menu_; }
    // Which actions apply to the list shown: contacts or groups, or none.
    void setList(bool groups, bool empty);

Q_SIGNALS:
    // The book changed, or the list no longer matches it.
    void changed();

private:
    void newGroup();
    void addToGroup();
    void putChosenInGroup(bool newGroup);
    void removeFromGroup();
    void renameGroup();
    void deleteGroup();
    // The chosen contacts' indexes in `book`, read anew; nothing (the user
    // told) when there are none or the book changed meanwhile.
    QList<int> chosenIn(AddressBook& book);
    bool save(AddressBook& book);

    QWidget* picker_;
    ChosenContacts chosen_;
    CurrentGroup current_;
    QMenu* menu_;
    QList<QAction*> contactActions_;
    QList<QAction*> groupActions_;
};

// "Save recipients as group...": the contacts the recipients text names (by
// label or number, numbers read in `region`; a group label's members) join
// a new or existing group, which the user names. Elements that are no
// contact of the book are listed as left out.
void saveRecipientsAsGroup(QWidget* parent, const QString& recipients, const QString& region);

}  // namespace pelicast
