// SPDX-License-Identifier: GPL-3.0-or-later
#include "vcard/card.h"

#include <QUuid>
#include <algorithm>

#include "vcard/writer.h"

namespace pelicast::vcard {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kUrnUuid = QStringLiteral("urn:uuid:");

QString withoutTelScheme(QString number) {
    if (number.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
        number.remove(0, 4);
    return number;
}

// A line without a colon is no property: it is kept, but never read or written.
bool isProperty(const ContentLine& line, QByteArrayView name) {
    return line.hasColon && line.is(name);
}
bool isCellTel(const ContentLine& line) {
    return isProperty(line, "TEL") && line.hasType("cell");
}
bool isHomeEmail(const ContentLine& line) {
    return isProperty(line, "EMAIL") && line.hasType("home");
}

// Gathers the fields from the lines of one card, first occurrence winning.
class Collector {
public:
    void add(const ContentLine& line) {
        if (!line.hasColon)
            return;
        if (line.is("FN")) {
            takeOnce(haveName_, name_, line);
        } else if (line.is("N")) {
            if (haveN_)
                return;
            haveN_ = true;
            const QString value = decode(line);
            const QList<QStringView> parts = splitEscaped(value, QLatin1Char(';'));
            familyName_ = unescape(parts.value(0));
            givenName_ = unescape(parts.value(1));
        } else if (isCellTel(line)) {
            if (takeOnce(haveCell_, cell_, line))
                cell_ = withoutTelScheme(cell_);
        } else if (line.is("EMAIL")) {
            if (line.hasType("home"))
                takeOnce(haveHomeEmail_, homeEmail_, line);
            takeOnce(haveEmail_, email_, line);
        } else if (line.is("CATEGORIES")) {
            const QString value = decode(line);
            for (QStringView piece : splitEscaped(value, QLatin1Char(','))) {
                const QString name = unescape(piece).trimmed();
                if (!name.isEmpty())
                    categories_.append(name);
            }
        } else if (line.is("UID")) {
            takeOnce(haveUid_, uid_, line);
        } else if (line.is("KIND") || line.is("X-ADDRESSBOOKSERVER-KIND")) {
            info_.isGroup = info_.isGroup || decode(line).trimmed().compare(
                                                 QLatin1String("group"), Qt::CaseInsensitive) == 0;
        } else if (line.is("MEMBER") || line.is("X-ADDRESSBOOKSERVER-MEMBER")) {
            info_.members.append(normalizedUid(unescape(decode(line))));
        }
    }

    CardInfo finish() {
        CardFields& f = info_.fields;
        f.set(Field::FormattedName, name_);
        f.set(Field::FamilyName, familyName_);
        f.set(Field::GivenName, givenName_);
        f.set(Field::CellPhone, cell_);
        f.set(Field::HomeEmail, haveHomeEmail_ ? homeEmail_ : email_);
        f.set(Field::Uid, uid_);
        f.set(Field::Categories, categories_.join(kCrLf));
        return std::move(info_);
    }

private:
    QString decode(const ContentLine& line) {
        bool decoded = true;
        QString text = decodeValue(line, &decoded);
        info_.decoded = info_.decoded && decoded;
        return text;
    }

    bool takeOnce(bool& taken, QString& target, const ContentLine& line) {
        if (taken)
            return false;
        taken = true;
        target = unescape(decode(line));
        return true;
    }

    CardInfo info_;
    QString name_, familyName_, givenName_, cell_, homeEmail_, email_, uid_;
    QStringList categories_;
    bool haveName_ = false, haveN_ = false, haveCell_ = false, haveHomeEmail_ = false,
         haveEmail_ = false, haveUid_ = false;
};

bool carriesField(QByteArrayView name) {
    if (name.isEmpty())
        return false;
    switch (name[0] | 0x20) {
        case 'f':
        case 'n':
        case 't':
        case 'e':
        case 'c':
        case 'u':
        case 'k':
        case 'm':
        case 'x':
            break;
        default:
            return false;
    }
    static constexpr std::array<QByteArrayView, 10> kNames{
        "FN",         "N",
        "TEL",        "EMAIL",
        "CATEGORIES", "UID",
        "KIND",       "X-ADDRESSBOOKSERVER-KIND",
        "MEMBER",     "X-ADDRESSBOOKSERVER-MEMBER"};
    return std::any_of(kNames.begin(), kNames.end(),
                       [name](QByteArrayView known) { return equalsNoCase(name, known); });
}

ContentLine makeLine(const char* name, const QList<Parameter>& params, const QString& value) {
    ContentLine line;
    line.name = name;
    line.params = params;
    line.value = value.toUtf8();
    return line;
}

template <typename Predicate>
qsizetype indexOf(const QList<ContentLine>& properties, Predicate predicate) {
    const auto it = std::find_if(properties.cbegin(), properties.cend(), predicate);
    return it == properties.cend() ? -1 : it - properties.cbegin();
}

// Puts `value` into the first property `matches` picks, or adds `created`.
template <typename Predicate>
void setOrAdd(QList<ContentLine>& properties, Predicate matches, const QString& value,
              const ContentLine& created) {
    const qsizetype index = indexOf(properties, matches);
    if (value.isEmpty()) {
        if (index >= 0)
            properties.removeAt(index);
        return;
    }
    if (index < 0) {
        properties.append(created);
        return;
    }
    ContentLine& line = properties[index];
    line.value = escape(value).toUtf8();
    line.params.removeIf([](const Parameter& p) { return equalsNoCase(p.name, "VALUE"); });
}

void setNameComponent(QList<ContentLine>& properties, int component, const QString& value) {
    qsizetype index = indexOf(properties, [](const ContentLine& l) { return isProperty(l, "N"); });
    if (index < 0) {
        properties.append(makeLine("N", {}, QStringLiteral(";;;;")));
        index = properties.size() - 1;
    }
    ContentLine& line = properties[index];
    const QString text = QString::fromUtf8(line.value);
    QStringList parts;
    for (QStringView part : splitEscaped(text, QLatin1Char(';')))
        parts.append(part.toString());
    while (parts.size() < 5)
        parts.append(QString());
    parts[component] = escape(value);
    line.value = parts.join(QLatin1Char(';')).toUtf8();
}

void setCategories(QList<ContentLine>& properties, const QString& value) {
    const qsizetype index =
        indexOf(properties, [](const ContentLine& l) { return isProperty(l, "CATEGORIES"); });
    properties.removeIf([](const ContentLine& l) { return isProperty(l, "CATEGORIES"); });
    QStringList names;
    for (const QString& name : value.split(kCrLf)) {
        if (!name.isEmpty())
            names.append(escape(name));
    }
    if (names.isEmpty())
        return;
    const ContentLine line = makeLine("CATEGORIES", {}, names.join(QLatin1Char(',')));
    properties.insert(index < 0 ? properties.size() : index, line);
}

}  // namespace

QString CardFields::get(Field field) const {
    if (field == Field::Categories)
        return categories_;
    const int i = static_cast<int>(field);
    const qint32 begin = i == 0 ? 0 : ends_[i - 1];
    return text_.sliced(begin, ends_[i] - begin);
}

void CardFields::set(Field field, const QString& value) {
    if (field == Field::Categories) {
        categories_ = value;
        return;
    }
    const int i = static_cast<int>(field);
    const qint32 begin = i == 0 ? 0 : ends_[i - 1];
    const qint32 delta = qint32(value.size()) - (ends_[i] - begin);
    text_.replace(begin, ends_[i] - begin, value);
    for (int k = i; k < kPacked; ++k)
        ends_[k] += delta;
    text_.squeeze();
}

CardInfo readCardInfo(QByteArrayView card) {
    Collector collector;
    LineReader reader(card);
    QByteArrayView line;
    while (reader.next(line)) {
        if (carriesField(peekName(line)))
            collector.add(parseLine(line));
    }
    return collector.finish();
}

CardInfo readCardInfo(const QList<ContentLine>& properties) {
    Collector collector;
    for (const ContentLine& line : properties)
        collector.add(line);
    return collector.finish();
}

QString normalizedUid(QStringView uid) {
    uid = uid.trimmed();
    if (uid.startsWith(kUrnUuid, Qt::CaseInsensitive))
        uid = uid.sliced(kUrnUuid.size());
    return uid.toString().toLower();
}

QList<ContentLine> readProperties(QByteArrayView card) {
    QList<ContentLine> properties;
    LineReader reader(card);
    QByteArrayView line;
    while (reader.next(line)) {
        const QByteArrayView name = peekName(line);
        if (equalsNoCase(name, "BEGIN") || equalsNoCase(name, "END") ||
            equalsNoCase(name, "VERSION"))
            continue;
        properties.append(toVersion3(parseLine(line)));
    }
    return properties;
}

void setField(QList<ContentLine>& properties, Field field, const QString& value) {
    switch (field) {
        case Field::FormattedName: {
            const qsizetype index =
                indexOf(properties, [](const ContentLine& l) { return isProperty(l, "FN"); });
            if (index < 0)
                properties.append(makeLine("FN", {}, escape(value)));
            else
                properties[index].value = escape(value).toUtf8();
            break;
        }
        case Field::FamilyName:
            setNameComponent(properties, 0, value);
            break;
        case Field::GivenName:
            setNameComponent(properties, 1, value);
            break;
        case Field::CellPhone:
            setOrAdd(properties, isCellTel, value,
                     makeLine("TEL", {{"TYPE", "CELL"}}, escape(value)));
            break;
        case Field::HomeEmail:
            setOrAdd(properties, isHomeEmail, value,
                     makeLine("EMAIL", {{"TYPE", "HOME"}}, escape(value)));
            break;
        case Field::Categories:
            setCategories(properties, value);
            break;
        case Field::Uid:
            properties.removeIf([](const ContentLine& l) { return isProperty(l, "UID"); });
            properties.append(makeLine("UID", {}, escape(value)));
            break;
    }
}

QList<ContentLine> newCardProperties(const QString& uid, const QString& name,
                                     const QString& email) {
    const qsizetype blank = name.lastIndexOf(QLatin1Char(' '));
    const QString family = blank < 0 ? name : name.sliced(blank + 1);
    const QString given = blank < 0 ? QString() : name.first(blank);
    QList<ContentLine> properties{
        makeLine("FN", {}, escape(name)),
        makeLine("N", {},
                 escape(family) + QLatin1Char(';') + escape(given) + QStringLiteral(";;;")),
    };
    if (!email.isEmpty())
        properties.append(makeLine("EMAIL", {{"TYPE", "HOME"}}, escape(email)));
    properties.append(makeLine("UID", {}, escape(uid)));
    return properties;
}

QByteArray withUidLine(QByteArrayView card, const QString& uid) {
    qsizetype contentEnd = card.size();
    while (contentEnd > 0 && (card[contentEnd - 1] == '\r' || card[contentEnd - 1] == '\n'))
        --contentEnd;
    qsizetype endLine = contentEnd;
    while (endLine > 0 && card[endLine - 1] != '\r' && card[endLine - 1] != '\n')
        --endLine;
    // The break that ends the BEGIN line: CR LF, LF, CR or CR CR LF.
    qsizetype breakStart = 0;
    while (breakStart < card.size() && card[breakStart] != '\r' && card[breakStart] != '\n')
        ++breakStart;
    qsizetype breakEnd = breakStart;
    while (breakEnd < card.size() && card[breakEnd] == '\r')
        ++breakEnd;
    if (breakEnd < card.size() && card[breakEnd] == '\n')
        ++breakEnd;
    const QByteArrayView lineBreak = breakEnd > breakStart
                                         ? card.sliced(breakStart, breakEnd - breakStart)
                                         : QByteArrayView("\r\n");
    QByteArray out;
    out.reserve(card.size() + uid.size() + 8);
    out.append(card.first(endLine));
    out.append("UID:");
    out.append(escape(uid).toUtf8());
    out.append(lineBreak);
    out.append(card.sliced(endLine));
    // An empty UID before it would still be the card's UID, and a
    // quoted-printable line that ended only because END followed would
    // swallow it: such a card is written anew.
    if (readCardInfo(out).fields.get(Field::Uid) != uid) {
        QList<ContentLine> properties = readProperties(card);
        setField(properties, Field::Uid, uid);
        return writeCard(properties);
    }
    return out;
}

QString newUid() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

}  // namespace pelicast::vcard
