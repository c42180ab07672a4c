#include "addressbook/address_book_access.h"

#include "addressbook/contact_labels.h"
#include "platform/dialogs.h"

namespace pelicast {

std::unique_ptr<platform::AddressBookComponent> openAddressBook(
    platform::ComponentFactory& factory) {
    auto book = factory.CreateAddressBook(QLatin1String(platform::kAddressBookProgId));
    book->Open(QString());
    return book;
}

namespace {
// Reads the names first and the mobile number last, as callers rely on.
template <class CellPhone>
QString labelOf(platform::AddressBookComponent& book, CellPhone cellPhone) {
    const QString surname = book.GetValue(platform::fields::Surname);
    const QString firstname = book.GetValue(platform::fields::Firstname);
    return ContactLabel(surname, firstname, cellPhone());
}
}  // namespace

QString currentContactLabel(platform::AddressBookComponent& book, const QString& cellPhone) {
    return labelOf(book, [&] { return cellPhone; });
}

QString currentContactLabel(platform::AddressBookComponent& book) {
    return labelOf(book, [&] { return book.GetValue(platform::fields::CellPhone); });
}

void reportAddressBookFailure(platform::Dialogs& dialogs, QWidget* parent,
                              const platform::ComponentError& error) {
    dialogs.MsgBox(parent,
                   {QStringLiteral("The address book could not be read.\r\n\r\n") + error.message(),
                    platform::Dialogs::Buttons::Ok, platform::Dialogs::Icon::Exclamation,
                    QStringLiteral("Address Book")});
}

LenientAddressBook::LenientAddressBook(platform::ComponentFactory& factory) {
    try {
        book_ = factory.CreateAddressBook(QLatin1String(platform::kAddressBookProgId));
    } catch (const platform::ComponentError&) {
        return;
    }
    attempt([](auto& book) { book.Open(QString()); });
}

LenientAddressBook::~LenientAddressBook() = default;

template <class Call>
void LenientAddressBook::attempt(Call call) {
    if (!book_)
        return;
    try {
        call(*book_);
    } catch (const platform::ComponentError&) {
    }
}

int LenientAddressBook::count() {
    int result = 0;
    attempt([&](auto& book) { result = book.GetCount(); });
    return result;
}

bool LenientAddressBook::select(int index) {
    bool found = false;
    attempt([&](auto& book) { found = book.Select(index) != 0; });
    return found;
}

std::optional<QString> LenientAddressBook::value(const QString& field) {
    std::optional<QString> result;
    attempt([&](auto& book) { result = book.GetValue(field); });
    return result;
}

std::optional<QString> LenientAddressBook::contactLabel() {
    std::optional<QString> result;
    attempt([&](auto& book) { result = currentContactLabel(book); });
    return result;
}

void LenientAddressBook::setValue(const QString& field, const QString& value) {
    attempt([&](auto& book) { book.SetValue(field, value); });
}

bool LenientAddressBook::createNew(const QString& name, const QString& email) {
    bool made = false;
    attempt([&](auto& book) { made = book.CreateNew(name, email) != 0; });
    return made;
}

void LenientAddressBook::deleteCurrent() {
    attempt([](auto& book) { book.Delete(); });
}

void LenientAddressBook::close() {
    attempt([](auto& book) { book.Close(); });
}

}  // namespace pelicast
