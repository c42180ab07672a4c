// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>
#include <memory>

namespace pelicast {

class AddressBook;
class NumberKeys;
class RecipientTable;

// One person a batch goes to.
struct Recipient {
    QString element;     // as it goes in "rcpt": a number, or a picker label
    QString number;      // the number it names
    QStringList values;  // one per field of its list, "" where it has none
};

// A row or element that gets no message, and why.
struct LeftOutRecipient {
    enum class Reason {
        Repeat,      // its number is an earlier one's: that one gets the message
        Impossible,  // not a possible number of the region
        NoNumber,    // a row with an empty number cell
        EmptyGroup,  // a group with no member that has a mobile number
    };
    Reason reason = Reason::Repeat;
    qsizetype row = 0;  // the file's row; 0 for a typed element
    QString element;
    qsizetype keptRow = 0;  // a repeat: the row, or element, that was kept
    QString kept;
    // "Row 12: 0694 123 456 is the number of row 3." in the user's words.
    QString text() const;
};

// The people a batch goes to, each once, with the values of the fields a
// message may hold. Numbers are compared as the recipient check compares
// them (NumberKeys): in `region`, or by their text when it is "" (the user
// turned the check off). Copies share the data.
class RecipientList {
public:
    RecipientList();

    // The rows of a list file, the number in `numberColumn`; the fields are
    // the columns. Blank rows are passed over.
    static RecipientList fromTable(RecipientTable table, int numberColumn, const QString& region);
    // The elements of a recipients text (numbers, picker labels, group
    // labels, which stand for their members), each with the fields of its
    // contact in `book`, found by label or else by number: "first", "last"
    // and "name" (given, family and formatted name; the formatted name is
    // the other two where the card has none).
    static RecipientList fromText(const QString& recipients, const AddressBook& book,
                                  const QString& region);
    // The fields fromText() gives: "first", "last", "name".
    static QStringList contactFields();
    // The elements of a recipients text that was written from `list` and
    // then edited: an element with the number of one of the list's
    // recipients has that recipient's values, any other (typed, picked, a
    // group's member) has none. The fields are the list's.
    static RecipientList fromEditedText(const QString& recipients, const RecipientList& list,
                                        const AddressBook& book, const QString& region);

    // A list as a batch keeps it (BatchStore::recipients()): per recipient
    // its element, then one value per field.
    static RecipientList fromStored(QStringList fields, QList<QStringList> entries);

    qsizetype count() const;
    bool isEmpty() const { return count() == 0; }
    Recipient at(qsizetype i) const;
    QString element(qsizetype i) const;
    // The file's row of recipient `i`; 0 for a typed one.
    qsizetype row(qsizetype i) const;

    // What a message may hold for these recipients, in the list's order,
    // as "{name}" (the Insert field menu).
    const QStringList& fieldNames() const;
    // The field named `name` without regard to case, -1 for none.
    int fieldIndex(QStringView name) const;
    QString value(qsizetype i, int field) const;

    // In the order of the file or text.
    const QList<LeftOutRecipient>& leftOut() const;

private:
    // The elements of `recipients` (a group label stands for its members),
    // each once, with `valuesOf(element, number key)`.
    using ValuesOf = std::function<QStringList(const QString& element, const QString& key)>;
    static RecipientList fromElements(const QString& recipients, const AddressBook& book,
                                      const NumberKeys& keys, QStringList fields,
                                      const ValuesOf& valuesOf);

    struct Data;
    std::shared_ptr<const Data> d;
};

}  // namespace pelicast
