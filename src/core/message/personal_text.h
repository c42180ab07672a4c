// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <functional>

namespace pelicast {

// A message with fields, "Dear {first}, ...": a name in braces stands for
// that value of each recipient (RecipientList::fieldNames(); letter case
// and blanks around the name do not count). What is not a field is sent as
// typed, so that no brace a user types is lost:
//   "{{" and "}}" write "{" and "}" ("{{first}}" writes "{first}");
//   "{x}" where x names no field of the recipients stays "{x}" (and is
//   listed by unknownFields(), as it is most likely a slip);
//   a "{" with no "}" after it on its line, "{}", and a lone "}" stay.
class PersonalText {
public:
    PersonalText(QStringView text, const QStringList& fieldNames);

    // Whether the text holds a field, so that it may differ per recipient.
    bool isPersonal() const { return !fields_.isEmpty(); }
    // The fields it holds, as indexes into the names, each once in order.
    const QList<int>& fields() const { return fields_; }
    // The names in braces that are no field, as typed, each once.
    const QStringList& unknownFields() const { return unknown_; }

    struct Filled {
        QString text;
        QList<int> missing;  // fields whose value is empty, each once
    };
    // The text with `value(field)` for every field.
    Filled fill(const std::function<QString(int)>& value) const;

private:
    struct Piece {
        QString literal;
        int field = -1;
    };
    QList<Piece> pieces_;
    QList<int> fields_;
    QStringList unknown_;
};

// The names in braces of `text`, as typed, each once without regard to case,
// whatever the recipients: what a template asks of them.
QStringList fieldsInText(QStringView text);

// "{name}", as the Insert field menu writes it.
QString fieldPlaceholder(const QString& name);

}  // namespace pelicast
