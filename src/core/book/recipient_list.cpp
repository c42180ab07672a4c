// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/book/recipient_list.h"

#include <QCoreApplication>
#include <QHash>
#include <optional>
#include <vector>

#include "core/book/address_book.h"
#include "core/book/contact_entries.h"
#include "core/book/recipient_table.h"
#include "core/message/first_occurrence.h"
#include "core/message/recipient_check.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// This file's texts, under one context for the translators.
struct RecipientListText {
    Q_DECLARE_TR_FUNCTIONS(RecipientList)
};

// A ";" would make two recipients of one, a line break breaks the request.
bool canBeSent(QStringView element) {
    for (QChar ch : element) {
        if (ch == u';' || ch.unicode() < 0x20)
            return false;
    }
    return true;
}

LeftOutRecipient leftOutAs(LeftOutRecipient::Reason reason, qsizetype row, const QString& element,
                           qsizetype keptRow = 0, const QString& kept = {}) {
    return {reason, row, element, keptRow, kept};
}

}  // namespace

QString LeftOutRecipient::text() const {
    QString where = row > 0 ? RecipientListText::tr("Row %1: “%2”").arg(row).arg(element)
                            : RecipientListText::tr("“%1”").arg(element);
    switch (reason) {
        case Reason::Repeat:
            return keptRow > 0
                       ? RecipientListText::tr("%1 has the number of row %2.")
                             .arg(where)
                             .arg(keptRow)
                       : RecipientListText::tr("%1 has the number of “%2”.").arg(where, kept);
        case Reason::Impossible:
            return RecipientListText::tr("%1 is not a possible phone number.").arg(where);
        case Reason::NoNumber:
            return RecipientListText::tr("Row %1 has no number.").arg(row);
        case Reason::EmptyGroup:
            return RecipientListText::tr("%1 has no member with a mobile number.").arg(where);
    }
    return where;
}

struct RecipientList::Data {
    // From a file: its rows that get a message.
    std::optional<RecipientTable> table;
    int numberColumn = -1;
    std::vector<quint32> rows;
    // From a text: element, then one value per field.
    QList<QStringList> entries;

    QStringList fields;
    QList<LeftOutRecipient> leftOut;
};

RecipientList::RecipientList() : d(std::make_shared<Data>()) {}

RecipientList RecipientList::fromTable(RecipientTable table, int numberColumn,
                                       const QString& region) {
    auto data = std::make_shared<Data>();
    data->fields = table.columnNames();
    data->numberColumn = numberColumn;
    const RecipientTable& rows = data->table.emplace(std::move(table));
    const NumberKeys keys(region);
    FirstOccurrence repeats(
        [&](qsizetype i) { return keys.of(rows.cell(data->rows[size_t(i)], numberColumn)); });
    data->rows.reserve(size_t(rows.rowCount()));
    for (qsizetype r = 0; r < rows.rowCount(); ++r) {
        if (rows.isBlank(r))
            continue;
        const QString element = rows.cell(r, numberColumn);
        LeftOutRecipient left =
            leftOutAs(LeftOutRecipient::Reason::NoNumber, rows.sheetRow(r), element);
        if (!element.isEmpty()) {
            const QString key = canBeSent(element) ? keys.of(element) : QString();
            left.reason = LeftOutRecipient::Reason::Impossible;
            if (!key.isEmpty()) {
                const qsizetype kept = repeats.earlier(key, qsizetype(data->rows.size()));
                if (kept < 0) {
                    data->rows.push_back(quint32(r));
                    continue;
                }
                left.reason = LeftOutRecipient::Reason::Repeat;
                left.keptRow = rows.sheetRow(data->rows[size_t(kept)]);
            }
        }
        data->leftOut.append(left);
    }
    RecipientList list;
    list.d = std::move(data);
    return list;
}

QStringList RecipientList::contactFields() {
    return {u"first"_s, u"last"_s, u"name"_s};
}

RecipientList RecipientList::fromText(const QString& recipients, const AddressBook& book,
                                      const QString& region) {
    const NumberKeys keys(region);
    const ContactFinder finder(book, keys);
    return fromElements(
        recipients, book, keys, contactFields(), [&](const QString& element, const QString& key) {
            const int index = finder.find(element, key);
            const Contact contact = index >= 0 ? book.contact(index) : Contact();
            const QString name = contact.displayName.isEmpty()
                                     ? QString(contact.firstName + u' ' + contact.surname).trimmed()
                                     : contact.displayName;
            return QStringList{contact.firstName, contact.surname, name};
        });
}

RecipientList RecipientList::fromEditedText(const QString& recipients, const RecipientList& list,
                                            const AddressBook& book, const QString& region) {
    const NumberKeys keys(region);
    QHash<QString, qsizetype> byKey;
    byKey.reserve(list.count());
    for (qsizetype i = 0; i < list.count(); ++i)
        byKey.insert(keys.of(list.element(i)), i);
    const int fields = int(list.fieldNames().size());
    return fromElements(recipients, book, keys, list.fieldNames(),
                        [&](const QString&, const QString& key) {
                            const qsizetype i = byKey.value(key, -1);
                            QStringList values(fields);
                            for (int field = 0; i >= 0 && field < fields; ++field)
                                values[field] = list.value(i, field);
                            return values;
                        });
}

RecipientList RecipientList::fromElements(const QString& recipients, const AddressBook& book,
                                          const NumberKeys& keys, QStringList fields,
                                          const ValuesOf& valuesOf) {
    auto data = std::make_shared<Data>();
    data->fields = std::move(fields);
    FirstOccurrence repeats([&](qsizetype i) { return keys.of(data->entries.at(i).first()); });
    const auto add = [&](const QString& element) {
        const QString key = canBeSent(element) ? keys.of(element) : QString();
        if (key.isEmpty()) {
            data->leftOut.append(leftOutAs(LeftOutRecipient::Reason::Impossible, 0, element));
            return;
        }
        if (const qsizetype kept = repeats.earlier(key, data->entries.size()); kept >= 0) {
            data->leftOut.append(leftOutAs(LeftOutRecipient::Reason::Repeat, 0, element, 0,
                                           data->entries.at(kept).first()));
            return;
        }
        data->entries.append(QStringList{element} + valuesOf(element, key));
    };
    for (QStringView piece : QStringView(recipients).split(u';')) {
        const QString element = piece.trimmed().toString();
        if (element.isEmpty())
            continue;
        if (!isGroupLabel(element)) {
            add(element);
            continue;
        }
        const QString members = membersOfGroups(book, {element}).recipients.value(0);
        if (members.isEmpty())
            data->leftOut.append(leftOutAs(LeftOutRecipient::Reason::EmptyGroup, 0, element));
        for (QStringView member : QStringView(members).split(u';', Qt::SkipEmptyParts))
            add(member.toString());
    }
    RecipientList list;
    list.d = std::move(data);
    return list;
}

RecipientList RecipientList::fromStored(QStringList fields, QList<QStringList> entries) {
    auto data = std::make_shared<Data>();
    data->fields = std::move(fields);
    data->entries = std::move(entries);
    RecipientList list;
    list.d = std::move(data);
    return list;
}

qsizetype RecipientList::count() const {
    return d->table ? qsizetype(d->rows.size()) : d->entries.size();
}

Recipient RecipientList::at(qsizetype i) const {
    Recipient recipient{element(i), {}, {}};
    recipient.number = recipientNumber(recipient.element).toString();
    for (int field = 0; field < d->fields.size(); ++field)
        recipient.values.append(value(i, field));
    return recipient;
}

QString RecipientList::element(qsizetype i) const {
    return d->table ? d->table->cell(d->rows[size_t(i)], d->numberColumn)
                    : d->entries.at(i).first();
}

qsizetype RecipientList::row(qsizetype i) const {
    return d->table ? d->table->sheetRow(d->rows[size_t(i)]) : 0;
}

const QStringList& RecipientList::fieldNames() const {
    return d->fields;
}

int RecipientList::fieldIndex(QStringView name) const {
    for (int i = 0; i < d->fields.size(); ++i) {
        if (d->fields.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString RecipientList::value(qsizetype i, int field) const {
    return d->table ? d->table->cell(d->rows[size_t(i)], field) : d->entries.at(i).value(field + 1);
}

const QList<LeftOutRecipient>& RecipientList::leftOut() const {
    return d->leftOut;
}

}  // namespace pelicast
