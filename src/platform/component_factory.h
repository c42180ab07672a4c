#pragma once

#include <QString>

#include "platform/address_book_component.h"

namespace pelicast::platform {

// Creates the program's own components: the vCard address book answers to
// kAddressBookProgId, matched without regard to case as ProgIDs are.
class DefaultComponentFactory : public ComponentFactory {
public:
    // `bookPath`, when not empty, is the book Open("") opens instead of the user's.
    explicit DefaultComponentFactory(QString bookPath = QString());
    std::unique_ptr<AddressBookComponent> CreateAddressBook(const QString& progId) override;

private:
    QString bookPath_;
};

}  // namespace pelicast::platform
