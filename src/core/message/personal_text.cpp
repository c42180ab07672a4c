// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/message/personal_text.h"

namespace pelicast {

namespace {

// Calls `literal(text)` for text sent as it is and `field(name, typed)` for
// each "{name}", in order.
template <typename Literal, typename Field>
void scan(QStringView text, Literal literal, Field field) {
    qsizetype from = 0;  // of the literal text not yet handed on
    const auto flush = [&](qsizetype to) {
        if (to > from)
            literal(text.sliced(from, to - from));
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch != u'{' && ch != u'}')
            continue;
        if (i + 1 < text.size() && text.at(i + 1) == ch) {  // "{{" or "}}"
            flush(i + 1);
            from = ++i + 1;
            continue;
        }
        if (ch == u'}')
            continue;
        qsizetype end = i + 1;
        while (end < text.size() && !QStringView(u"{}\r\n").contains(text.at(end)))
            ++end;
        if (end == text.size() || text.at(end) != u'}')
            continue;
        const QStringView name = text.sliced(i + 1, end - i - 1).trimmed();
        if (name.isEmpty())
            continue;
        flush(i);
        field(name, text.sliced(i, end + 1 - i));
        from = end + 1;
        i = end;
    }
    flush(text.size());
}

void addOnce(QStringList& names, QStringView name) {
    for (const QString& known : std::as_const(names)) {
        if (known.compare(name, Qt::CaseInsensitive) == 0)
            return;
    }
    names.append(name.toString());
}

}  // namespace

PersonalText::PersonalText(QStringView text, const QStringList& fieldNames) {
    const auto appendLiteral = [this](QStringView literal) {
        if (pieces_.isEmpty() || pieces_.last().field >= 0)
            pieces_.append(Piece());
        pieces_.last().literal += literal;
    };
    scan(text, appendLiteral, [&](QStringView name, QStringView typed) {
        int field = -1;
        for (int i = 0; i < fieldNames.size() && field < 0; ++i)
            field = fieldNames.at(i).compare(name, Qt::CaseInsensitive) == 0 ? i : -1;
        if (field < 0) {
            addOnce(unknown_, name);
            appendLiteral(typed);
            return;
        }
        pieces_.append({QString(), field});
        if (!fields_.contains(field))
            fields_.append(field);
    });
}

PersonalText::Filled PersonalText::fill(const std::function<QString(int)>& value) const {
    Filled filled;
    for (const Piece& piece : pieces_) {
        if (piece.field < 0) {
            filled.text += piece.literal;
            continue;
        }
        const QString v = value(piece.field);
        if (v.isEmpty() && !filled.missing.contains(piece.field))
            filled.missing.append(piece.field);
        filled.text += v;
    }
    return filled;
}

QStringList fieldsInText(QStringView text) {
    QStringList names;
    scan(
        text, [](QStringView) {}, [&](QStringView name, QStringView) { addOnce(names, name); });
    return names;
}

QString fieldPlaceholder(const QString& name) {
    return u'{' + name + u'}';
}

}  // namespace pelicast
