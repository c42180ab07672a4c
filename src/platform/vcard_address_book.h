#pragma once

#include <QByteArrayView>
#include <QList>
#include <QString>
#include <memory>

#include "platform/address_book_component.h"
#include "platform/vcard_book.h"
#include "platform/vcard_store.h"

namespace pelicast::platform {

// The address book kept in a vCard file. Instances opened on an unchanged
// file share one parse; each keeps its own changes until Close (or its end)
// writes them onto the file as it is then.
class VCardAddressBook final : public AddressBookComponent {
public:
    // `defaultPath`, when not empty, is what Open("") opens instead of the
    // user's own book.
    explicit VCardAddressBook(QString defaultPath = QString());
    ~VCardAddressBook() override;
    VCardAddressBook(const VCardAddressBook&) = delete;
    VCardAddressBook& operator=(const VCardAddressBook&) = delete;

    void Open(const QString& path) override;
    int GetCount() override;
    int Select(int index) override;
    QString GetValue(const QString& field) override;
    void SetValue(const QString& field, const QString& value) override;
    int CreateNew(const QString& name, const QString& email) override;
    void Delete() override;
    void Close() override;

    // Beyond the automation contract, for the command-line tool:
    const QString& Path() const { return path_; }
    // Whether any card, group cards included, carries `uid`.
    bool ContainsUid(const QString& uid) const;
    // Adds a card taken from another file, written as vCard 3.0; a group card
    // adds no record.
    void AddCard(QByteArrayView card);
    // The book with this instance's changes, as a file.
    QByteArray Contents() const;

private:
    void RequireOpen() const;
    const vcard::CardInfo& InfoAt(int position) const;
    QString Groups2At(int position) const;
    void MaterializeOrder();
    void AddCreated(vcard::EditedCard card);
    void Save();

    QString defaultPath_;
    QString path_;
    std::shared_ptr<const vcard::Book> base_;
    vcard::FileStamp stamp_;
    vcard::Edits edits_;
    // Record positions: a card index of the book, or ~n for created card n.
    // Left empty (reading the book's own order) until a record is added or removed.
    QList<int> order_;
    bool ordered_ = false;
    int current_ = -1;
    bool dirty_ = false;
};

}  // namespace pelicast::platform
