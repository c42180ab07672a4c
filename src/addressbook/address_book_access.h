#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "platform/address_book_component.h"

class QWidget;

namespace pelicast {

namespace platform {
class Dialogs;
}

// A new instance of the address book, opened on the user's own book. Throws
// ComponentError when it cannot be created or opened.
std::unique_ptr<platform::AddressBookComponent> openAddressBook(
    platform::ComponentFactory& factory);

// Visits every index from 0 through GetCount() inclusive at which Select
// finds a record (the record is then current). `visit(index)` returns false to
// end the walk. Failures propagate as ComponentError.
template <class Visit>
void forEachRecord(platform::AddressBookComponent& book, Visit visit) {
    const int count = book.GetCount();
    for (int index = 0; index <= count; ++index) {
        if (book.Select(index) != 0 && !visit(index))
            return;
    }
}

// The current record's ContactLabel, read as "Surname", "Firstname",
// "CellPhone" in this order; the second form takes the mobile number already read.
QString currentContactLabel(platform::AddressBookComponent& book);
QString currentContactLabel(platform::AddressBookComponent& book, const QString& cellPhone);

// Tells the user that the address book failed them, and why.
void reportAddressBookFailure(platform::Dialogs& dialogs, QWidget* parent,
                              const platform::ComponentError& error);

// The address book for the actions that pass over failures: a call that
// fails is skipped and reads as no result, and the action goes on.
class LenientAddressBook {
public:
    explicit LenientAddressBook(platform::ComponentFactory& factory);
    ~LenientAddressBook();

    // 0 when the count cannot be read.
    int count();
    // False when no record stands at `index` or the call fails.
    bool select(int index);
    // Nothing when the value cannot be read.
    std::optional<QString> value(const QString& field);
    std::optional<QString> contactLabel();
    void setValue(const QString& field, const QString& value);
    // False when the record is not made.
    bool createNew(const QString& name, const QString& email);
    void deleteCurrent();
    void close();

    // As forEachRecord, with failing calls skipped.
    template <class Visit>
    void forEach(Visit visit) {
        const int last = count();
        for (int index = 0; index <= last; ++index) {
            if (select(index) && !visit(index))
                return;
        }
    }

private:
    // Runs `call` on the instance, if there is one, passing over a failure.
    template <class Call>
    void attempt(Call call);

    std::unique_ptr<platform::AddressBookComponent> book_;
};

}  // namespace pelicast
