// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/recipient_picker.h"

#include <QAbstractListModel>
#include <QKeySequence>
#include <QMenu>
#include <algorithm>
#include <optional>

#include "core/book/address_book.h"
#include "core/book/contact_entries.h"
#include "gui/address_book_error.h"
#include "gui/contact_editor.h"
#include "gui/contact_import_dialog.h"
#include "gui/group_actions.h"
#include "gui/help_launcher.h"
#include "gui/message_box.h"
#include "gui/window_geometry.h"
#include "ui_recipient_picker.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// The entries of the category box.
enum Category { kContacts, kGroups };
// A contact entry's index in the book: two contacts may show one label.
constexpr int kBookIndexRole = Qt::UserRole;

// The list's entries as plain strings with a tick each: a book of 30,000
// contacts makes one string list, not 30,000 items. The view draws the texts
// as they are, never as markup.
class EntryModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    // Replaces every entry, dropping the ticks. A placeholder has no box.
    // `indexes`: each contact entry's index in the book; none for groups.
    void setEntries(QStringList entries, QList<int> indexes, bool tickable) {
        beginResetModel();
        entries_ = std::move(entries);
        indexes_ = std::move(indexes);
        ticked_ = QList<bool>(entries_.size(), false);
        tickable_ = tickable;
        endResetModel();
    }

    // The ticked contacts in list order, as (book index, label).
    QList<std::pair<int, QString>> tickedContacts() const {
        QList<std::pair<int, QString>> ticked;
        for (qsizetype row = 0; row < indexes_.size(); ++row) {
            if (ticked_.at(row))
                ticked.append({indexes_.at(row), entries_.at(row)});
        }
        return ticked;
    }

    // In list order.
    QStringList tickedEntries() const {
        QStringList ticked;
        for (qsizetype row = 0; row < entries_.size(); ++row) {
            if (ticked_.at(row))
                ticked.append(entries_.at(row));
        }
        return ticked;
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(entries_.size());
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!checkIndex(index, CheckIndexOption::IndexIsValid))
            return {};
        if (role == Qt::DisplayRole)
            return entries_.at(index.row());
        if (role == kBookIndexRole)
            return indexes_.value(index.row(), -1);
        if (role == Qt::CheckStateRole && tickable_)
            return ticked_.at(index.row()) ? Qt::Checked : Qt::Unchecked;
        return {};
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (role != Qt::CheckStateRole || !tickable_ ||
            !checkIndex(index, CheckIndexOption::IndexIsValid))
            return false;
        ticked_[index.row()] = value.toInt() == Qt::Checked;
        Q_EMIT dataChanged(index, index, {Qt::CheckStateRole});
        return true;
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override {
        const Qt::ItemFlags flags = QAbstractListModel::flags(index);
        return tickable_ && index.isValid() ? flags | Qt::ItemIsUserCheckable : flags;
    }

private:
    QStringList entries_;
    QList<int> indexes_;
    QList<bool> ticked_;
    bool tickable_ = false;
};

}  // namespace

struct RecipientPicker::Private {
    explicit Private(RecipientPicker* picker) : q(picker), model(new EntryModel(picker)) {}

    void rebuildList();
    QString collectTicked();
    void takeRecipients(bool replace);
    std::optional<int> findCurrentContact(AddressBook& book);
    void editContact();
    void deleteContact();
    ContactEditor& editor();
    QList<std::pair<int, QString>> chosenContacts() const;
    QString currentGroup() const;
    QWidget* dialogParent() { return q->isVisible() ? q : q->parentWidget(); }

    RecipientPicker* q;
    Ui::RecipientPicker ui;
    EntryModel* model;
    ContactEditor* editorWindow = nullptr;
    GroupActions* groups = nullptr;
    bool loaded = false;
};

RecipientPicker::RecipientPicker(QWidget* parent)
    : QDialog(parent), d(std::make_unique<Private>(this)) {
    d->ui.setupUi(this);
    d->ui.con_idx->setModel(d->model);
    d->ui.con_cat->addItems({tr("Contacts"), tr("Groups")});
    // No category chosen: the first list shows contacts all the same.
    d->ui.con_cat->setCurrentIndex(-1);

    connect(d->ui.con_cat, &QComboBox::activated, this, [this] { d->rebuildList(); });
    connect(d->ui.OKButton, &QPushButton::clicked, this, [this] { d->takeRecipients(true); });
    connect(d->ui.addb, &QPushButton::clicked, this, [this] { d->takeRecipients(false); });
    connect(d->ui.CancelButton, &QPushButton::clicked, this, &RecipientPicker::reject);
    connect(d->ui.addcon, &QPushButton::clicked, this, [this] { d->editor().newContact(); });
    connect(d->ui.editcon, &QPushButton::clicked, this, [this] { d->editContact(); });
    connect(d->ui.delcon, &QPushButton::clicked, this, [this] { d->deleteContact(); });
    d->groups = new GroupActions(
        this, [this] { return d->chosenContacts(); }, [this] { return d->currentGroup(); });
    d->ui.groupsb->setMenu(d->groups->menu());
    d->ui.con_idx->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(d->ui.con_idx, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        d->groups->menu()->exec(d->ui.con_idx->viewport()->mapToGlobal(at));
    });
    connect(d->groups, &GroupActions::changed, this, [this] { d->rebuildList(); });
    connect(d->ui.importb, &QPushButton::clicked, this, [this] {
        importContacts(this);
        d->rebuildList();
    });
    setHelpTopic(this, u"address_book.htm"_s);
    WindowGeometry::keep(this, keys::windows::kPicker);
}

RecipientPicker::~RecipientPicker() = default;

// The status goes back to idle here, when the program shows the picker, and
// not on every activation: the user may come back to the picker while a
// request of the main window is still out.
void RecipientPicker::showPicker() {
    Q_EMIT statusChanged(tr("Collecting Contacts..."));
    if (!d->loaded) {
        d->loaded = true;
        d->rebuildList();
    }
    show();
    raise();
    activateWindow();
    Q_EMIT statusChanged(QString());
}

void RecipientPicker::reload() {
    if (d->loaded)
        d->rebuildList();
}

void RecipientPicker::Private::rebuildList() {
    const bool groups = ui.con_cat->currentIndex() == kGroups;
    AddressBook book;
    const bool read = book.load();
    ContactEntries entries;
    if (read)
        entries = groups ? ContactEntries{groupLabels(book), {}} : contactEntries(book);
    if (groups)
        sortIgnoringCase(entries.labels);
    else
        sortIgnoringCase(entries.labels, entries.indexes);
    const bool empty = entries.labels.isEmpty();
    if (empty)
        entries.labels.append(groups ? tr("No Groups") : tr("No Contacts"));
    model->setEntries(std::move(entries.labels), std::move(entries.indexes), !empty);
    ui.con_idx->setEnabled(!empty);
    ui.editcon->setEnabled(!groups && !empty);
    ui.delcon->setEnabled(!groups && !empty);
    this->groups->setList(groups, empty);
    // An empty book tells how to fill it.
    ui.emptyHint->setText(
        groups ? tr("No groups yet. Tick contacts under Contacts, then choose Groups > New group.")
               : tr("No contacts yet. Import a vCard file from another address book with Import "
                    "contacts..., or add one with Add."));
    ui.emptyHint->setVisible(read && empty);
    if (!read) {
        Q_EMIT q->statusChanged(QString());
        reportAddressBookError(dialogParent(), AddressBookStep::Read, book.errorString());
    }
}

// The ticked entries in list order, each followed by ";": a contact as its
// entry shows it, a group as its members (all groups from one walk of the
// book). A member that cannot be read is left out, and the user is told how
// many were.
QString RecipientPicker::Private::collectTicked() {
    const QStringList ticked = model->tickedEntries();
    MembersOfGroups members;
    if (std::any_of(ticked.cbegin(), ticked.cend(), isGroupLabel)) {
        AddressBook book;
        if (book.load())
            members = membersOfGroups(book, ticked);
        else
            reportAddressBookError(q, AddressBookStep::Read, book.errorString());
    }
    QString text;
    for (qsizetype k = 0; k < ticked.size(); ++k)
        text += isGroupLabel(ticked.at(k)) ? members.recipients.value(k) : ticked.at(k) + u';';
    if (members.skipped > 0)
        MessageBox::tell(q,
                         tr("%n contacts of the ticked groups could not be read and were left out.",
                            nullptr, members.skipped),
                         tr("Address Book"), MessageBox::Icon::Warning);
    return text;
}

void RecipientPicker::Private::takeRecipients(bool replace) {
    const QString recipients = collectTicked();
    q->hide();
    if (replace)
        Q_EMIT q->recipientsChosen(recipients);
    else
        Q_EMIT q->recipientsAdded(recipients);
}

// Reads the book and finds the contact of the current entry: its index, -1
// when no entry is current, nothing when the book could not be read or no
// longer holds that contact where the list found it (the user has been told).
std::optional<int> RecipientPicker::Private::findCurrentContact(AddressBook& book) {
    const QModelIndex current = ui.con_idx->currentIndex();
    if (!current.isValid() || !ui.con_idx->isEnabled())
        return -1;
    if (!book.load()) {
        reportAddressBookError(q, AddressBookStep::Read, book.errorString());
        return std::nullopt;
    }
    // By its place in the book, never by its label, which another contact
    // may show too; another program may have changed the book meanwhile.
    const int index = current.data(kBookIndexRole).toInt();
    if (book.isReadable(index) && contactLabel(book.contact(index)) == current.data().toString())
        return index;
    MessageBox::tell(q,
                     tr("The address book has changed since the list was shown. Please choose the "
                        "contact again."),
                     tr("Address Book"), MessageBox::Icon::Warning);
    rebuildList();
    return std::nullopt;
}

void RecipientPicker::Private::editContact() {
    AddressBook book;
    const std::optional<int> index = findCurrentContact(book);
    if (!index)
        return;
    if (*index < 0) {
        MessageBox::tell(q, tr("Please select the contact to edit"), tr("Select Contact to edit"));
        return;
    }
    editor().editContact(book.contact(*index), *index);
}

void RecipientPicker::Private::deleteContact() {
    if (MessageBox::ask(q, tr("Are you sure you want to delete the selected contact ?"),
                        tr("Confirm Contact Delete"),
                        MessageBox::Answer::Yes) != MessageBox::Answer::Yes)
        return;
    AddressBook book;
    const std::optional<int> index = findCurrentContact(book);
    if (!index)
        return;
    if (*index < 0) {
        MessageBox::tell(q, tr("Please select the Contact to delete"),
                         tr("Select Contact to delete"));
        return;
    }
    book.remove(*index);
    if (!book.save()) {
        reportAddressBookError(q, AddressBookStep::Save, book.errorString());
        return;
    }
    rebuildList();
}

QList<std::pair<int, QString>> RecipientPicker::Private::chosenContacts() const {
    QList<std::pair<int, QString>> chosen = model->tickedContacts();
    const QModelIndex current = ui.con_idx->currentIndex();
    if (chosen.isEmpty() && current.isValid() && current.data(kBookIndexRole).toInt() >= 0)
        chosen.append({current.data(kBookIndexRole).toInt(), current.data().toString()});
    return chosen;
}

QString RecipientPicker::Private::currentGroup() const {
    const QModelIndex current = ui.con_idx->currentIndex();
    return current.isValid() && ui.con_idx->isEnabled()
               ? groupNameOfLabel(current.data().toString())
               : QString();
}

ContactEditor& RecipientPicker::Private::editor() {
    if (!editorWindow) {
        editorWindow = new ContactEditor(q);
        QObject::connect(editorWindow, &ContactEditor::contactSaved, q, [this] { rebuildList(); });
    }
    return *editorWindow;
}

}  // namespace pelicast
