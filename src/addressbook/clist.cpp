#include "addressbook/clist.h"

#include <QEvent>
#include <optional>

#include "addressbook/addedit.h"
#include "addressbook/address_book_access.h"
#include "addressbook/contact_labels.h"
#include "addressbook/picker_entries.h"
#include "addressbook/picker_host.h"
#include "platform/dialogs.h"
#include "platform/layout.h"
#include "ui_clist.h"

namespace pelicast {

namespace {
constexpr int kWidthTwips = 6570;
constexpr int kHeightTwips = 3240;
const QString kContacts = QStringLiteral("Contacts");
const QString kGroups = QStringLiteral("Groups");

using Message = platform::Dialogs::Message;
using Buttons = platform::Dialogs::Buttons;
using Icon = platform::Dialogs::Icon;
using Answer = platform::Dialogs::Answer;

// Shows a window without blocking and makes it the active one; one already
// open is brought to the front.
void bringForward(QWidget& window) {
    if (window.isVisible())
        window.raise();
    else
        window.show();
    window.activateWindow();
}
}  // namespace

clist::clist(platform::Dialogs& dialogs, platform::ComponentFactory& components, PickerHost& host,
             QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::clist>()),
      dialogs_(dialogs),
      components_(components),
      host_(host) {
    ui_->setupUi(this);
    layout::UseDesignFont(this);
    layout::ScaleToScreen(this);
    setFixedSize(layout::Twips(kWidthTwips), layout::Twips(kHeightTwips));
    connect(ui_->con_cat, &QComboBox::activated, this, &clist::con_cat_Click);
    connect(ui_->OKButton, &QPushButton::clicked, this, &clist::OKButton_Click);
    connect(ui_->addb, &QPushButton::clicked, this, &clist::addb_Click);
    connect(ui_->CancelButton, &QPushButton::clicked, this, &clist::CancelButton_Click);
    connect(ui_->addcon, &QPushButton::clicked, this, &clist::addcon_Click);
    connect(ui_->editcon, &QPushButton::clicked, this, &clist::editcon_Click);
    connect(ui_->delcon, &QPushButton::clicked, this, &clist::delcon_Click);
    Form_Load();
}

clist::~clist() = default;

clist* clist::open(QPointer<clist>& picker, platform::Dialogs& dialogs,
                   platform::ComponentFactory& components, PickerHost& host, QWidget* mainWindow) {
    host.setStatusText(QStringLiteral("Collecting Contacts..."));
    host.setMousePointer(kPointerArrowHourglass);
    if (!picker)
        picker = new clist(dialogs, components, host, mainWindow);
    bringForward(*picker);
    return picker;
}

bool clist::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        Form_Activate();
    return QDialog::event(event);
}

void clist::Form_Load() {
    ui_->con_cat->addItem(kContacts);
    ui_->con_cat->addItem(kGroups);
    // No category chosen: the first list shows contacts all the same.
    ui_->con_cat->setCurrentIndex(-1);
    con_cat_Click();
    host_.setMousePointer(kPointerDefault);
    host_.setStatusText(QString());
}

void clist::Form_Activate() {
    if (ui_->con_idx->count() == 0)
        return;
    host_.setMousePointer(kPointerDefault);
    host_.setStatusText(QString());
}

void clist::con_cat_Click() {
    for (QWidget* control :
         std::initializer_list<QWidget*>{ui_->delcon, ui_->editcon, ui_->addcon, ui_->con_idx})
        control->setEnabled(true);
    ui_->con_idx->clear();

    const QString category = ui_->con_cat->currentText();
    const bool groups = category == kGroups;
    QStringList entries;
    std::optional<platform::ComponentError> failure;
    try {
        auto book = openAddressBook(components_);
        entries = groups ? GroupEntries(*book) : ContactEntries(*book);
        book->Close();
    } catch (const platform::ComponentError& error) {
        entries.clear();
        failure = error;
    }

    ui_->delcon->setEnabled(!groups);
    ui_->editcon->setEnabled(!groups);
    if (entries.isEmpty()) {
        ui_->con_idx->addItem(QStringLiteral("No ") + (category.isEmpty() ? kContacts : category));
        ui_->delcon->setEnabled(false);
        ui_->editcon->setEnabled(false);
        ui_->con_idx->setEnabled(false);
    } else {
        fillList(std::move(entries));
    }

    if (failure) {
        host_.setMousePointer(kPointerDefault);
        host_.setStatusText(QString());
        reportAddressBookFailure(dialogs_, dialogParent(), *failure);
    }
}

void clist::fillList(QStringList entries) {
    SortIgnoringCase(entries);
    QListWidget& list = *ui_->con_idx;
    list.setUpdatesEnabled(false);
    for (const QString& text : std::as_const(entries)) {
        auto* item = new QListWidgetItem(text);
        item->setFlags(Qt::ItemIsUserCheckable | Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        item->setCheckState(Qt::Unchecked);
        list.addItem(item);
    }
    list.setUpdatesEnabled(true);
}

QString clist::collectTicked() {
    QString text;
    std::optional<platform::ComponentError> failure;
    const QListWidget& list = *ui_->con_idx;
    for (int row = 0; row < list.count(); ++row) {
        const QListWidgetItem* item = list.item(row);
        if (item->checkState() != Qt::Checked)
            continue;
        const QString entry = item->text();
        if (IsGroupLabel(entry)) {
            // A group that cannot be read adds nobody; the others still do.
            try {
                auto book = openAddressBook(components_);
                const QString members = GroupMembersText(*book, entry);
                book->Close();
                text += members;
            } catch (const platform::ComponentError& error) {
                if (!failure)
                    failure = error;
            }
        } else if (!entry.isEmpty()) {
            text += entry + QLatin1Char(';');
        }
    }
    if (failure)
        reportAddressBookFailure(dialogs_, dialogParent(), *failure);
    return text;
}

void clist::OKButton_Click() {
    host_.setRecipientsText(collectTicked());
    hide();
}

void clist::addb_Click() {
    const QString collected = collectTicked();
    host_.setRecipientsText(host_.recipientsText() + QLatin1Char(';') + collected);
    hide();
}

void clist::CancelButton_Click() {
    hide();
}

QString clist::currentEntryText() const {
    const QListWidgetItem* item = ui_->con_idx->currentItem();
    return item ? item->text() : QString();
}

addedit& clist::showEditor() {
    if (!editor_) {
        editor_ = new addedit(dialogs_, components_, this);
        connect(editor_, &addedit::saved, this, &clist::con_cat_Click);
    }
    bringForward(*editor_);
    return *editor_;
}

void clist::addcon_Click() {
    showEditor().cdetails(QString());
}

void clist::editcon_Click() {
    const QString current = currentEntryText();
    int matches = 0;
    LenientAddressBook book(components_);
    // Every record that gives the entry's text is offered for editing.
    book.forEach([&](int) {
        if (book.contactLabel() == current) {
            ++matches;
            showEditor().cdetails(current);
        }
        return true;
    });
    book.close();
    if (matches == 0)
        dialogs_.MsgBox(this,
                        Message{QStringLiteral("Please select the contact to edit"), Buttons::Ok,
                                Icon::None, QStringLiteral("Select Contact to edit")});
}

void clist::delcon_Click() {
    const Answer answer = dialogs_.MsgBox(
        this,
        Message{QStringLiteral("Are you sure you want to delete the selected contact ?"),
                Buttons::YesNo, Icon::None, QStringLiteral("Confirm Contact Delete"), Answer::Yes});
    if (answer != Answer::Yes)
        return;
    const QString current = currentEntryText();
    int deleted = 0;
    LenientAddressBook book(components_);
    book.forEach([&](int) {
        if (book.contactLabel() != current)
            return true;
        ++deleted;
        book.deleteCurrent();
        return false;
    });
    book.close();
    if (deleted > 0)
        con_cat_Click();
    else
        dialogs_.MsgBox(this,
                        Message{QStringLiteral("Please select the Contact to delete"), Buttons::Ok,
                                Icon::None, QStringLiteral("Select Contact to delete")});
}

QWidget* clist::dialogParent() {
    return isVisible() ? this : parentWidget();
}

}  // namespace pelicast
