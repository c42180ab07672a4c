#pragma once

#include <QHash>
#include <QList>
#include <QMap>
#include <QStringList>
#include <memory>

#include "platform/address_book_component.h"

namespace pelicast::fakes {

// The records behind every MemoryAddressBook instance, like the file behind
// real ones: what one instance changes, the next one sees.
struct MemoryBook {
    // Field names are kept in lower case, since they match without regard to case.
    using Record = QHash<QString, QString>;

    QList<Record> records;

    // Appends a record; `fields` alternate name and value.
    void add(std::initializer_list<std::pair<QString, QString>> fields);
    // A contact with the fields the picker shows.
    void addContact(const QString& firstname, const QString& surname, const QString& cellPhone,
                    const QString& groups1 = {}, const QString& groups2 = {});
    QString value(int index, const QString& field) const;

    // Failure injection: the named call ("Create", "Open", "GetCount", "Select",
    // "GetValue", "SetValue", "CreateNew", "Delete", "Close") throws
    // ComponentError with `failReason` once it has succeeded `failAfter` times.
    QString failingCall;
    int failAfter = 0;
    QString failReason = QStringLiteral("The address book file is locked.");

    // Every call made on any instance, as "Select(3)", "GetValue(Name)", "Close()",
    // while `logCalls` is on.
    QStringList calls;
    bool logCalls = true;
    int instances = 0;
    int closes = 0;

    // Logs the call and throws when it is the one set to fail.
    void enter(const QString& call, const QString& arguments = {});

private:
    QMap<QString, int> succeeded_;
};

class MemoryAddressBook : public platform::AddressBookComponent {
public:
    explicit MemoryAddressBook(MemoryBook& book) : book_(book) {}

    void Open(const QString& path) override;
    int GetCount() override;
    int Select(int index) override;
    QString GetValue(const QString& field) override;
    void SetValue(const QString& field, const QString& value) override;
    int CreateNew(const QString& name, const QString& email) override;
    void Delete() override;
    void Close() override;

private:
    MemoryBook& book_;
    int current_ = -1;
};

// Creates MemoryAddressBook instances over one book.
class MemoryBookFactory : public platform::ComponentFactory {
public:
    explicit MemoryBookFactory(MemoryBook& book) : book_(book) {}
    std::unique_ptr<platform::AddressBookComponent> CreateAddressBook(
        const QString& progId) override;

private:
    MemoryBook& book_;
};

}  // namespace pelicast::fakes
