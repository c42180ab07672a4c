#include "platform/vcard_address_book.h"

#include <utility>

namespace pelicast::platform {

using vcard::CardInfo;
using vcard::EditedCard;
using vcard::Field;

VCardAddressBook::VCardAddressBook(QString defaultPath) : defaultPath_(std::move(defaultPath)) {}

VCardAddressBook::~VCardAddressBook() {
    // An action that drops its instance without Close must not lose its changes.
    try {
        Save();
    } catch (...) {
    }
}

void VCardAddressBook::Open(const QString& path) {
    if (base_)
        Close();
    QString target = path;
    if (target.isEmpty()) {
        target = defaultPath_.isEmpty() ? vcard::DefaultBookPath() : defaultPath_;
        vcard::EnsureBookExists(target);
    }
    base_ = vcard::LoadBook(target, stamp_);
    path_ = target;
}

int VCardAddressBook::GetCount() {
    RequireOpen();
    return ordered_ ? int(order_.size()) : int(base_->Records().size());
}

int VCardAddressBook::Select(int index) {
    RequireOpen();
    if (index < 0 || index >= GetCount())
        return 0;
    current_ = index;
    return 1;
}

QString VCardAddressBook::GetValue(const QString& field) {
    RequireOpen();
    if (current_ < 0)
        return QString();
    const Field which = vcard::FieldFromName(field);
    switch (which) {
        case Field::Groups2:
            return Groups2At(current_);
        case Field::Unknown:
            return QString();
        default:
            return InfoAt(current_).fields.Get(which);
    }
}

void VCardAddressBook::SetValue(const QString& field, const QString& value) {
    RequireOpen();
    if (current_ < 0)
        throw ComponentError(QStringLiteral("No contact is selected."));
    const Field which = vcard::FieldFromName(field);
    if (which == Field::Unknown || which == Field::Groups2 || which == Field::Uid)
        throw ComponentError(QStringLiteral("The field \"%1\" cannot be written.").arg(field));
    if (InfoAt(current_).fields.Get(which) == value)
        return;
    const int ref = ordered_ ? order_[current_] : base_->Records()[current_];
    EditedCard* card = nullptr;
    if (ref < 0) {
        card = &edits_.created[~ref];
    } else {
        auto it = edits_.changed.find(ref);
        if (it == edits_.changed.end()) {
            QList<vcard::ContentLine> properties = vcard::ReadProperties(base_->RawCard(ref));
            it = edits_.changed.insert(ref, EditedCard{properties, base_->Info(ref), false});
        }
        card = &it.value();
    }
    vcard::SetField(card->properties, which, value);
    card->info = vcard::ReadCardInfo(card->properties);
    dirty_ = true;
}

int VCardAddressBook::CreateNew(const QString& name, const QString& email) {
    RequireOpen();
    QList<vcard::ContentLine> properties = vcard::NewCardProperties(vcard::NewUid(), name, email);
    CardInfo info = vcard::ReadCardInfo(properties);
    AddCreated({std::move(properties), std::move(info), false});
    current_ = GetCount() - 1;
    return 1;
}

void VCardAddressBook::Delete() {
    RequireOpen();
    if (current_ < 0)
        throw ComponentError(QStringLiteral("No contact is selected."));
    MaterializeOrder();
    const int ref = order_.takeAt(current_);
    if (ref < 0) {
        edits_.created[~ref].removed = true;
    } else {
        edits_.changed.remove(ref);
        edits_.deleted.insert(ref);
    }
    current_ = -1;
    dirty_ = true;
}

void VCardAddressBook::Close() {
    RequireOpen();
    Save();
    base_.reset();
    edits_ = {};
    order_.clear();
    ordered_ = false;
    current_ = -1;
}

bool VCardAddressBook::ContainsUid(const QString& uid) const {
    RequireOpen();
    if (uid.isEmpty())
        return false;
    const QString wanted = vcard::NormalizedUid(uid);
    auto carries = [&wanted](const CardInfo& info) {
        const QString own = info.fields.Get(Field::Uid);
        return !own.isEmpty() && vcard::NormalizedUid(own) == wanted;
    };
    for (int i = 0; i < base_->CardCount(); ++i) {
        if (!edits_.deleted.contains(i) && carries(base_->Info(i)))
            return true;
    }
    return std::any_of(edits_.created.cbegin(), edits_.created.cend(),
                       [&carries](const EditedCard& c) { return !c.removed && carries(c.info); });
}

void VCardAddressBook::AddCard(QByteArrayView card) {
    RequireOpen();
    QList<vcard::ContentLine> properties = vcard::ReadProperties(card);
    CardInfo info = vcard::ReadCardInfo(properties);
    if (info.fields.Get(Field::Uid).isEmpty()) {
        vcard::SetField(properties, Field::Uid, vcard::NewUid());
        info = vcard::ReadCardInfo(properties);
    }
    AddCreated({std::move(properties), std::move(info), false});
}

QByteArray VCardAddressBook::Contents() const {
    RequireOpen();
    return vcard::Merge(*base_, edits_, *base_);
}

void VCardAddressBook::RequireOpen() const {
    if (!base_)
        throw ComponentError(QStringLiteral("The address book is not open."));
}

const CardInfo& VCardAddressBook::InfoAt(int position) const {
    const int ref = ordered_ ? order_[position] : base_->Records()[position];
    if (ref < 0)
        return edits_.created[~ref].info;
    const auto changed = edits_.changed.constFind(ref);
    return changed == edits_.changed.constEnd() ? base_->Info(ref) : changed->info;
}

QString VCardAddressBook::Groups2At(int position) const {
    const int ref = ordered_ ? order_[position] : base_->Records()[position];
    if (ref >= 0 && !edits_.changed.contains(ref))
        return base_->Groups2(ref);
    return base_->Groups2OfUid(InfoAt(position).fields.Get(Field::Uid));
}

void VCardAddressBook::MaterializeOrder() {
    if (ordered_)
        return;
    order_ = base_->Records();
    ordered_ = true;
}

void VCardAddressBook::AddCreated(EditedCard card) {
    MaterializeOrder();
    const bool isRecord = !card.info.isGroup;
    edits_.created.append(std::move(card));
    if (isRecord)
        order_.append(~int(edits_.created.size() - 1));
    dirty_ = true;
}

void VCardAddressBook::Save() {
    if (!base_ || !dirty_)
        return;
    vcard::SaveBook(path_, *base_, stamp_, edits_);
    dirty_ = false;
}

}  // namespace pelicast::platform
