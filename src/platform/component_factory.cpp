#include "platform/component_factory.h"

#include "platform/vcard_address_book.h"

namespace pelicast::platform {

DefaultComponentFactory::DefaultComponentFactory(QString bookPath)
    : bookPath_(std::move(bookPath)) {}

std::unique_ptr<AddressBookComponent> DefaultComponentFactory::CreateAddressBook(
    const QString& progId) {
    if (progId.compare(QLatin1String(kAddressBookProgId), Qt::CaseInsensitive) != 0) {
        throw ComponentError(
            QStringLiteral("Cannot create the component \"%1\": it is not registered.")
                .arg(progId));
    }
    return std::make_unique<VCardAddressBook>(bookPath_);
}

}  // namespace pelicast::platform
