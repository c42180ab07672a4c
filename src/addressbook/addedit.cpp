#include "addressbook/addedit.h"

#include <QEvent>

#include "addressbook/address_book_access.h"
#include "platform/dialogs.h"
#include "platform/layout.h"
#include "ui_addedit.h"

namespace pelicast {

namespace {
constexpr int kWidthTwips = 3030;
constexpr int kHeightTwips = 4020;
namespace fields = platform::fields;
}  // namespace

addedit::addedit(platform::Dialogs& dialogs, platform::ComponentFactory& components,
                 QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      ui_(std::make_unique<Ui::addedit>()),
      dialogs_(dialogs),
      components_(components) {
    ui_->setupUi(this);
    layout::UseDesignFont(this);
    layout::ScaleToScreen(this);
    setFixedSize(layout::Twips(kWidthTwips), layout::Twips(kHeightTwips));
    for (QLineEdit* box : {ui_->Fname, ui_->Lname, ui_->Mnumber, ui_->Email})
        connect(box, &QLineEdit::returnPressed, this, &addedit::OK_Click);
    connect(ui_->OK, &QPushButton::clicked, this, &addedit::OK_Click);
    connect(ui_->Cancel, &QPushButton::clicked, this, &addedit::Cancel_Click);
}

addedit::~addedit() = default;

bool addedit::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        ui_->Fname->setFocus();
    return QDialog::event(event);
}

void addedit::cdetails(const QString& label) {
    if (label.isEmpty()) {
        ui_->itm->clear();
        for (QLineEdit* box : {ui_->Fname, ui_->Lname, ui_->Mnumber, ui_->Email})
            box->clear();
        loadedIndex_ = -1;
        return;
    }
    LenientAddressBook book(components_);
    int found = -1;
    book.forEach([&](int index) {
        if (book.contactLabel() != label)
            return true;
        found = index;
        return false;
    });
    if (found < 0)
        return;
    // A field that cannot be read leaves its box as it was.
    const auto load = [&](const QString& field, auto* control) {
        if (const auto value = book.value(field))
            control->setText(*value);
    };
    load(fields::Firstname, ui_->Fname);
    load(fields::Surname, ui_->Lname);
    load(QStringLiteral("Cellphone"), ui_->Mnumber);
    load(fields::HomeEmail, ui_->Email);
    load(fields::Name, ui_->itm);
    loadedIndex_ = found;
}

void addedit::OK_Click() {
    if (ui_->Mnumber->text().isEmpty()) {
        dialogs_.MsgBox(this, {QStringLiteral("Please enter the contact's mobile phone number")});
        return;
    }
    LenientAddressBook book(components_);
    const int count = book.count();
    if (ui_->itm->text().isEmpty()) {
        if (book.createNew(ui_->Fname->text() + QLatin1Char(' ') + ui_->Lname->text(),
                           ui_->Email->text()))
            writeFields(book);
    } else if (selectRecordToChange(book, count)) {
        writeFields(book);
    }
    book.close();
    hide();
    Q_EMIT saved();
}

bool addedit::selectRecordToChange(LenientAddressBook& book, int count) {
    const QString name = ui_->itm->text();
    // The record the boxes came from, as long as it still carries its display
    // name: another contact of the same name must not be overwritten.
    if (loadedIndex_ >= 0 && book.select(loadedIndex_) && book.value(fields::Name) == name)
        return true;
    // Gone or moved: the first record of that display name.
    for (int index = 0; index <= count; ++index) {
        const bool selected = book.select(index);
        if (book.value(fields::Name) == name && selected)
            return true;
    }
    return false;
}

void addedit::writeFields(LenientAddressBook& book) {
    book.setValue(fields::Firstname, ui_->Fname->text());
    book.setValue(fields::Surname, ui_->Lname->text());
    book.setValue(fields::CellPhone, ui_->Mnumber->text());
    book.setValue(fields::HomeEmail, ui_->Email->text());
}

void addedit::Cancel_Click() {
    hide();
}

}  // namespace pelicast
