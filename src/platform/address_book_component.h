#pragma once

#include <QString>
#include <memory>
#include <stdexcept>

namespace pelicast::platform {

// A failed call on an outside component; `what()` is for the user to read.
class ComponentError : public std::runtime_error {
public:
    explicit ComponentError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

// The address book as a sequence of records with one current record. Field
// names are matched without regard to case; an absent field reads as "".
// Every call may throw ComponentError.
class AddressBookComponent {
public:
    virtual ~AddressBookComponent() = default;

    // "" opens the user's own address book.
    virtual void Open(const QString& path) = 0;
    virtual int GetCount() = 0;
    // Non-zero when a record stands at `index`; it becomes the current record.
    virtual int Select(int index) = 0;
    virtual QString GetValue(const QString& field) = 0;
    virtual void SetValue(const QString& field, const QString& value) = 0;
    // Adds a record, makes it current and returns non-zero on success.
    virtual int CreateNew(const QString& name, const QString& email) = 0;
    // Removes the current record.
    virtual void Delete() = 0;
    // Ends the use of the instance and writes what changed.
    virtual void Close() = 0;
};

// Creates component instances by ProgID, as the automation runtime would.
class ComponentFactory {
public:
    virtual ~ComponentFactory() = default;
    // Throws ComponentError when no component is registered under `progId`.
    virtual std::unique_ptr<AddressBookComponent> CreateAddressBook(const QString& progId) = 0;
};

inline constexpr const char* kAddressBookProgId = "warjo.wab";

// The record fields the program reads and writes.
namespace fields {
inline const QString Firstname = QStringLiteral("Firstname");
inline const QString Surname = QStringLiteral("Surname");
inline const QString Name = QStringLiteral("Name");  // the display name
inline const QString CellPhone = QStringLiteral("CellPhone");
inline const QString HomeEmail = QStringLiteral("HomeEmail");
inline const QString Groups1 = QStringLiteral("Groups1");
inline const QString Groups2 = QStringLiteral("Groups2");
}  // namespace fields

}  // namespace pelicast::platform
