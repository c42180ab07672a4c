#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <utility>

#include "fakes/memory_address_book.h"
#include "platform/address_book_component.h"

namespace pelicast::testing {

// The address book a picker or editor test runs over: by default the real
// vCard book in a temporary folder, written card by card as the test adds
// records; in memory for what a vCard file cannot hold (empty group names).
// The test reads back what the windows wrote through the component.
class TestBook : public platform::ComponentFactory {
public:
    enum class Kind { VCard, Memory };
    using Fields = std::initializer_list<std::pair<QString, QString>>;

    explicit TestBook(Kind kind = Kind::VCard);
    ~TestBook() override;

    // A record with exactly these fields ("Name", "Firstname", "Surname",
    // "CellPhone", "HomeEmail", "Groups1", "Groups2").
    void add(Fields fields);
    // A contact whose display name is "Firstname Surname".
    void addContact(const QString& firstname, const QString& surname, const QString& cellPhone,
                    const QString& groups1 = {}, const QString& groups2 = {});

    // Creates instances over this book; cards added so far reach the file first.
    platform::ComponentFactory& factory() { return *this; }
    std::unique_ptr<platform::AddressBookComponent> CreateAddressBook(
        const QString& progId) override;

    // The records of a Memory book, with its failure injection.
    fakes::MemoryBook& memory() { return memory_; }

    int count();
    QString value(int index, const QString& field);
    // Changes or removes a record behind the windows' back.
    void set(int index, const QString& field, const QString& value);
    void remove(int index);

private:
    using Record = QHash<QString, QString>;
    void write(const Record& record);
    void flush();
    std::unique_ptr<platform::AddressBookComponent> open();

    Kind kind_;
    fakes::MemoryBook memory_;
    fakes::MemoryBookFactory memoryFactory_{memory_};
    QTemporaryDir dir_;
    QString path_;
    std::unique_ptr<platform::ComponentFactory> vcardFactory_;
    QByteArray pending_;  // cards not yet in the file
    int written_ = 0;
};

}  // namespace pelicast::testing
