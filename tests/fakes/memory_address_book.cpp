#include "fakes/memory_address_book.h"

namespace pelicast::fakes {

void MemoryBook::add(std::initializer_list<std::pair<QString, QString>> fields) {
    Record record;
    for (const auto& [name, value] : fields)
        record.insert(name.toLower(), value);
    records.append(record);
}

void MemoryBook::addContact(const QString& firstname, const QString& surname,
                            const QString& cellPhone, const QString& groups1,
                            const QString& groups2) {
    add({{QStringLiteral("Firstname"), firstname},
         {QStringLiteral("Surname"), surname},
         {QStringLiteral("Name"), firstname + QLatin1Char(' ') + surname},
         {QStringLiteral("CellPhone"), cellPhone},
         {QStringLiteral("Groups1"), groups1},
         {QStringLiteral("Groups2"), groups2}});
}

QString MemoryBook::value(int index, const QString& field) const {
    return records.value(index).value(field.toLower());
}

void MemoryBook::enter(const QString& call, const QString& arguments) {
    if (logCalls)
        calls.append(call + QLatin1Char('(') + arguments + QLatin1Char(')'));
    if (call != failingCall)
        return;
    int& done = succeeded_[call];
    if (done >= failAfter)
        throw platform::ComponentError(failReason);
    ++done;
}

void MemoryAddressBook::Open(const QString& path) {
    book_.enter(QStringLiteral("Open"), path);
}

int MemoryAddressBook::GetCount() {
    book_.enter(QStringLiteral("GetCount"));
    return int(book_.records.size());
}

int MemoryAddressBook::Select(int index) {
    book_.enter(QStringLiteral("Select"), QString::number(index));
    if (index < 0 || index >= book_.records.size())
        return 0;
    current_ = index;
    return 1;
}

QString MemoryAddressBook::GetValue(const QString& field) {
    book_.enter(QStringLiteral("GetValue"), field);
    return book_.value(current_, field);
}

void MemoryAddressBook::SetValue(const QString& field, const QString& value) {
    book_.enter(QStringLiteral("SetValue"), QStringLiteral("%1,%2").arg(field, value));
    if (current_ < 0 || current_ >= book_.records.size())
        throw platform::ComponentError(QStringLiteral("No current record."));
    book_.records[current_].insert(field.toLower(), value);
}

int MemoryAddressBook::CreateNew(const QString& name, const QString& email) {
    book_.enter(QStringLiteral("CreateNew"), QStringLiteral("%1,%2").arg(name, email));
    book_.add({{QStringLiteral("Name"), name}, {QStringLiteral("HomeEmail"), email}});
    current_ = int(book_.records.size()) - 1;
    return 1;
}

void MemoryAddressBook::Delete() {
    book_.enter(QStringLiteral("Delete"));
    if (current_ < 0 || current_ >= book_.records.size())
        throw platform::ComponentError(QStringLiteral("No current record."));
    book_.records.removeAt(current_);
    current_ = -1;
}

void MemoryAddressBook::Close() {
    book_.enter(QStringLiteral("Close"));
    ++book_.closes;
}

std::unique_ptr<platform::AddressBookComponent> MemoryBookFactory::CreateAddressBook(
    const QString&) {
    book_.enter(QStringLiteral("Create"));
    ++book_.instances;
    return std::make_unique<MemoryAddressBook>(book_);
}

}  // namespace pelicast::fakes
