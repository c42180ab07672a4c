// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/group_actions.h"

#include <QMenu>
#include <algorithm>

#include "core/book/address_book.h"
#include "core/book/contact_entries.h"
#include "gui/address_book_error.h"
#include "gui/message_box.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

QStringList groupNames(const AddressBook& book) {
    QStringList names = groupLabels(book);
    for (QString& name : names)
        name = groupNameOfLabel(name);
    sortIgnoringCase(names);
    return names;
}

bool listsGroup(const QStringList& names, const QString& name) {
    return std::any_of(names.cbegin(), names.cend(), [&name](const QString& listed) {
        return listed.compare(name, Qt::CaseInsensitive) == 0;
    });
}

// The name the user types, trimmed; "" when the user cancels or the name
// could not stand in a recipients text (the user told why).
QString askGroupName(QWidget* parent, const QString& prompt, const QString& proposed,
                     const QStringList& suggestions = {}) {
    QString name =
        MessageBox::askText(parent, prompt, GroupActions::tr("Group"), proposed, suggestions)
            .trimmed();
    const bool fits = std::none_of(name.cbegin(), name.cend(),
                                   [](QChar c) { return c == u';' || c.unicode() < 0x20; });
    if (fits && !isGroupLabel(name))
        return name;
    MessageBox::tell(
        parent, GroupActions::tr("A group name cannot hold “;”, line breaks or end in “ (group)”."),
        GroupActions::tr("Group"), MessageBox::Icon::Warning);
    return {};
}

// `name` as the book spells it, when it names one of its groups.
QString spelledAsListed(const QStringList& names, const QString& name) {
    for (const QString& listed : names) {
        if (listed.compare(name, Qt::CaseInsensitive) == 0)
            return listed;
    }
    return name;
}

}  // namespace

GroupActions::GroupActions(QWidget* picker, ChosenContacts chosen, CurrentGroup current)
    : QObject(picker),
      picker_(picker),
      chosen_(std::move(chosen)),
      current_(std::move(current)),
      menu_(new QMenu(picker)) {
    const auto add = [this](const QString& text, const char* name, void (GroupActions::*slot)()) {
        QAction* action = menu_->addAction(text);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    contactActions_ = {
        add(tr("&New group..."), "newGroup", &GroupActions::newGroup),
        add(tr("&Add to group..."), "addToGroup", &GroupActions::addToGroup),
        add(tr("Re&move from group..."), "removeFromGroup", &GroupActions::removeFromGroup)};
    menu_->addSeparator();
    groupActions_ = {add(tr("&Rename group..."), "renameGroup", &GroupActions::renameGroup),
                     add(tr("&Delete group"), "deleteGroup", &GroupActions::deleteGroup)};
}

void GroupActions::setList(bool groups, bool empty) {
    for (QAction* action : std::as_const(contactActions_))
        action->setEnabled(!groups && !empty);
    for (QAction* action : std::as_const(groupActions_))
        action->setEnabled(groups && !empty);
}

QList<int> GroupActions::chosenIn(AddressBook& book) {
    const QList<std::pair<int, QString>> chosen = chosen_();
    if (chosen.isEmpty()) {
        MessageBox::tell(picker_, tr("Please tick the contacts first."), tr("Group"));
        return {};
    }
    if (!book.load()) {
        reportAddressBookError(picker_, AddressBookStep::Read, book.errorString());
        return {};
    }
    QList<int> indexes;
    for (const auto& [index, label] : chosen) {
        // By place and label, as the picker finds its contacts.
        if (!book.isReadable(index) || contactLabel(book.contact(index)) != label) {
            MessageBox::tell(picker_,
                             tr("The address book has changed since the list was shown. Please "
                                "choose the contacts again."),
                             tr("Group"), MessageBox::Icon::Warning);
            Q_EMIT changed();
            return {};
        }
        indexes.append(index);
    }
    return indexes;
}

bool GroupActions::save(AddressBook& book) {
    const bool saved = book.save();
    if (!saved)
        reportAddressBookError(picker_, AddressBookStep::Save, book.errorString());
    Q_EMIT changed();
    return saved;
}

void GroupActions::newGroup() {
    putChosenInGroup(true);
}

void GroupActions::addToGroup() {
    putChosenInGroup(false);
}

// The chosen contacts into the group the user names: a new one (asked
// before it joins one of that name), or one of those listed.
void GroupActions::putChosenInGroup(bool newGroup) {
    AddressBook book;
    const QList<int> contacts = chosenIn(book);
    if (contacts.isEmpty())
        return;
    const QStringList names = groupNames(book);
    const QString prompt =
        newGroup ? tr("Name of the new group of the chosen contacts (%1):").arg(contacts.size())
                 : tr("Add the chosen contacts (%1) to the group:").arg(contacts.size());
    const QString name =
        spelledAsListed(names, askGroupName(picker_, prompt, {}, newGroup ? QStringList() : names));
    if (name.isEmpty())
        return;
    if (newGroup && listsGroup(names, name) &&
        MessageBox::ask(picker_,
                        tr("There is a group “%1” already. Add the contacts to it?").arg(name),
                        tr("Group"), MessageBox::Answer::No) != MessageBox::Answer::Yes)
        return;
    for (const int index : contacts)
        book.addToGroup(index, name);
    save(book);
}

void GroupActions::removeFromGroup() {
    AddressBook book;
    const QList<int> contacts = chosenIn(book);
    if (contacts.isEmpty())
        return;
    QStringList names;
    for (const int index : contacts) {
        for (const QString& group : book.groupsOf(index)) {
            if (!group.isEmpty() && !listsGroup(names, group))
                names.append(group);
        }
    }
    if (names.isEmpty()) {
        MessageBox::tell(picker_, tr("The chosen contacts are in no group."), tr("Group"));
        return;
    }
    sortIgnoringCase(names);
    QList<std::pair<QString, QString>> choices;
    for (const QString& group : std::as_const(names))
        choices.append({group, group});
    const QString name = MessageBox::askChoice(
        picker_, tr("Take the chosen contacts (%1) out of the group:").arg(contacts.size()),
        tr("Group"), choices, names.first());
    if (name.isEmpty())
        return;
    for (const int index : contacts)
        book.removeFromGroup(index, name);
    save(book);
}

void GroupActions::renameGroup() {
    const QString from = current_();
    if (from.isEmpty()) {
        MessageBox::tell(picker_, tr("Please choose the group to rename in the list."),
                         tr("Group"));
        return;
    }
    const QString to = askGroupName(picker_, tr("New name of the group “%1”:").arg(from), from);
    if (to.isEmpty() || to == from)
        return;
    AddressBook book;
    if (!book.load()) {
        reportAddressBookError(picker_, AddressBookStep::Read, book.errorString());
        return;
    }
    if (to.compare(from, Qt::CaseInsensitive) != 0 && listsGroup(groupNames(book), to) &&
        MessageBox::ask(
            picker_,
            tr("There is a group “%1” already. Put the members of “%2” into it?").arg(to, from),
            tr("Group"), MessageBox::Answer::No) != MessageBox::Answer::Yes)
        return;
    book.renameGroup(from, to);
    save(book);
}

void GroupActions::deleteGroup() {
    const QString name = current_();
    if (name.isEmpty()) {
        MessageBox::tell(picker_, tr("Please choose the group to delete in the list."),
                         tr("Group"));
        return;
    }
    if (MessageBox::ask(
            picker_, tr("Delete the group “%1”? Its members stay in the address book.").arg(name),
            tr("Group"), MessageBox::Answer::No) != MessageBox::Answer::Yes)
        return;
    AddressBook book;
    if (!book.load()) {
        reportAddressBookError(picker_, AddressBookStep::Read, book.errorString());
        return;
    }
    book.removeGroup(name);
    save(book);
}

void saveRecipientsAsGroup(QWidget* parent, const QString& recipients, const QString& region) {
    const QString title = GroupActions::tr("Save recipients as group");
    if (recipients.trimmed().isEmpty()) {
        MessageBox::tell(parent, GroupActions::tr("There are no recipients to save as a group."),
                         title);
        return;
    }
    AddressBook book;
    if (!book.load()) {
        reportAddressBookError(parent, AddressBookStep::Read, book.errorString());
        return;
    }
    const NamedContacts named = contactsNamedIn(recipients, book, region);
    if (named.indexes.isEmpty()) {
        MessageBox::tell(
            parent,
            GroupActions::tr("None of the recipients is a contact of the address book. Add them "
                             "as contacts first."),
            title);
        return;
    }
    const QStringList names = groupNames(book);
    const QString name = spelledAsListed(
        names,
        askGroupName(parent,
                     GroupActions::tr("The recipients that are contacts (%1) join the group: a new "
                                      "name, or a group they are added to.")
                         .arg(named.indexes.size()),
                     {}, names));
    if (name.isEmpty())
        return;
    const qsizetype already = book.membersOf(name).size();
    for (const int index : named.indexes)
        book.addToGroup(index, name);
    if (!book.save()) {
        reportAddressBookError(parent, AddressBookStep::Save, book.errorString());
        return;
    }
    QString text = GroupActions::tr("Members of the group “%1” now: %2.")
                       .arg(name)
                       .arg(book.membersOf(name).size());
    if (already > 0)
        text += u' ' + GroupActions::tr("Members before: %1.").arg(already);
    if (!named.unknown.isEmpty())
        text += u"\n\n"_s + GroupActions::tr("Not in the address book, so not in the group: %1")
                                .arg(named.unknown.join(u", "_s));
    MessageBox::tell(parent, text, title, MessageBox::Icon::Information);
}

}  // namespace pelicast
