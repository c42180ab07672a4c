// SPDX-License-Identifier: GPL-3.0-or-later
#include "vcard/card.h"

#include <QUuid>
#include <algorithm>
#include <cstring>

#include "vcard/writer.h"

using namespace Qt::StringLiterals;

namespace pelicast::vcard {

namespace {

const QString kCrLf = u"\r\n"_s;
const QString kUrnUuid = u"urn:uuid:"_s;

// A line without a colon is no property: it is kept, but never read or written.
bool isProperty(const ContentLine& line, QByteArrayView name) {
    return line.hasColon && line.is(name);
}
bool isCellTel(const ContentLine& line) {
    return isProperty(line, "TEL") && line.hasType("cell"_bv);
}
bool isHomeEmail(const ContentLine& line) {
    return isProperty(line, "EMAIL") && line.hasType("home"_bv);
}

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
    line.setPlainValue(escape(value).toUtf8());
}

void setNameComponent(QList<ContentLine>& properties, int component, const QString& value) {
    qsizetype index = indexOf(properties, [](const ContentLine& l) { return isProperty(l, "N"); });
    if (index < 0) {
        properties.append(makeLine("N", {}, u";;;;"_s));
        index = properties.size() - 1;
    }
    ContentLine& line = properties[index];
    // The other components as they read, written back as plain text.
    const QString text = decodeValue(line);
    QStringList parts;
    for (QStringView part : splitEscaped(text, QLatin1Char(';'))) {
        // A lone backslash at the end reads as itself, but followed by the
        // next ";" it would hide that part: it is written escaped.
        qsizetype slashes = 0;
        while (slashes < part.size() && part[part.size() - 1 - slashes] == u'\\')
            ++slashes;
        parts.append(slashes % 2 ? part.toString() + u'\\' : part.toString());
    }
    while (parts.size() < 5)
        parts.append(QString());
    parts[component] = escape(value);
    line.setPlainValue(parts.join(QLatin1Char(';')).toUtf8());
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

// Gathers the fields from the lines of one card, first occurrence winning.
// A value that needs no decoding is taken where it stands.
class FieldReader::Collector {
public:
    void readCard(QByteArrayView card) {
        LineReader reader(card);
        QByteArrayView line;
        while (reader.next(line)) {
            if (carriesField(peekName(line)))
                add(viewLine(line), !reader.joined());
        }
    }

    void readProperties(const QList<ContentLine>& properties) {
        for (const ContentLine& line : properties)
            add(line, true);
    }

    CardInfo finish(QByteArray& out, FieldEnds& ends) {
        const QByteArrayView texts[] = {name_.text,
                                        family_.text,
                                        given_.text,
                                        cell_.text,
                                        homeEmail_.taken ? homeEmail_.text : email_.text,
                                        uid_.text,
                                        categories_};
        // Grown once and copied into: appending piece by piece costs more
        // than the copying, card after card.
        quint32 size = 0;
        for (int i = 0; i < kFieldCount; ++i)
            ends[i] = size += quint32(texts[i].size());
        const qsizetype start = out.size();
        out.resize(start + size);
        char* at = out.data() + start;
        for (const QByteArrayView text : texts) {
            if (!text.isEmpty())
                std::memcpy(at, text.data(), size_t(text.size()));
            at += text.size();
        }
        CardInfo info{{}, isGroup_, decoded_, std::move(members_)};
        reset();
        return info;
    }

private:
    struct FieldText {
        QByteArrayView text;
        QByteArray owned;
        bool taken = false;
        void keep(QByteArrayView bytes, bool stable) {
            text = bytes;
            if (!stable) {
                owned = bytes.toByteArray();
                text = owned;
            }
        }
        void own(QByteArray bytes) {
            owned = std::move(bytes);
            text = owned;
        }
    };

    void reset() {
        for (FieldText* text : {&name_, &family_, &given_, &cell_, &homeEmail_, &email_, &uid_})
            *text = FieldText{};
        categories_.resize(0);
        haveN_ = isGroup_ = false;
        decoded_ = true;
        members_ = {};
    }

    // Whether the value's bytes are its text: UTF-8, no transfer encoding,
    // no escapes.
    template <typename Line>
    static bool isPlain(const Line& line) {
        if (line.value.contains('\\') || !QByteArrayView(line.value).isValidUtf8())
            return false;
        return line.params.isEmpty() || line.isPlainText();
    }

    template <typename Line>
    QString decode(const Line& line) {
        bool decoded = true;
        QString text = decodeValue(line, &decoded);
        decoded_ = decoded_ && decoded;
        return text;
    }

    template <typename Line>
    bool take(FieldText& target, const Line& line, bool stable) {
        if (target.taken)
            return false;
        target.taken = true;
        if (isPlain(line))
            target.keep(line.value, stable);
        else
            target.own(unescape(decode(line)).toUtf8());
        return true;
    }

    template <typename Line>
    void takeName(const Line& line, bool stable) {
        haveN_ = true;
        if (isPlain(line)) {
            const QByteArrayView value = line.value;
            const qsizetype first = value.indexOf(';');
            const qsizetype second = first < 0 ? -1 : value.indexOf(';', first + 1);
            family_.keep(first < 0 ? value : value.first(first), stable);
            if (first >= 0)
                given_.keep(
                    value.sliced(first + 1, (second < 0 ? value.size() : second) - first - 1),
                    stable);
            return;
        }
        const QString value = decode(line);
        const QList<QStringView> parts = splitEscaped(value, QLatin1Char(';'));
        family_.own(unescape(parts.value(0)).toUtf8());
        given_.own(unescape(parts.value(1)).toUtf8());
    }

    void addCategory(QByteArrayView name) {
        if (name.isEmpty())
            return;
        if (!categories_.isEmpty())
            categories_.append("\r\n");
        categories_.append(name);
    }

    template <typename Line>
    void addCategories(const Line& line) {
        const QByteArrayView value = line.value;
        // Only ASCII blanks are trimmed alike as bytes and as text.
        if (isPlain(line) &&
            std::all_of(value.begin(), value.end(), [](char c) { return uchar(c) < 0x80; })) {
            qsizetype start = 0;
            for (qsizetype comma; (comma = value.indexOf(',', start)) >= 0; start = comma + 1)
                addCategory(value.sliced(start, comma - start).trimmed());
            addCategory(value.sliced(start).trimmed());
            return;
        }
        const QString text = decode(line);
        for (QStringView piece : splitEscaped(text, QLatin1Char(',')))
            addCategory(unescape(piece).trimmed().toUtf8());
    }

    template <typename Line>
    void add(const Line& line, bool stable) {
        if (!line.hasColon)
            return;
        if (line.is("FN"_bv)) {
            take(name_, line, stable);
        } else if (line.is("N"_bv)) {
            if (!haveN_)
                takeName(line, stable);
        } else if (line.is("TEL"_bv)) {
            if (line.hasType("cell"_bv) && take(cell_, line, stable) &&
                equalsNoCase(cell_.text.first(qMin<qsizetype>(4, cell_.text.size())), "TEL:"))
                cell_.text = cell_.text.sliced(4);
        } else if (line.is("EMAIL"_bv)) {
            if (line.hasType("home"_bv))
                take(homeEmail_, line, stable);
            take(email_, line, stable);
        } else if (line.is("CATEGORIES"_bv)) {
            addCategories(line);
        } else if (line.is("UID"_bv)) {
            take(uid_, line, stable);
        } else if (line.is("KIND"_bv) || line.is("X-ADDRESSBOOKSERVER-KIND"_bv)) {
            isGroup_ = isGroup_ || decode(line).trimmed().compare(QLatin1String("group"),
                                                                  Qt::CaseInsensitive) == 0;
        } else if (line.is("MEMBER"_bv) || line.is("X-ADDRESSBOOKSERVER-MEMBER"_bv)) {
            members_.append(normalizedUid(unescape(decode(line))));
        }
    }

    FieldText name_, family_, given_, cell_, homeEmail_, email_, uid_;
    QByteArray categories_;
    bool haveN_ = false, isGroup_ = false, decoded_ = true;
    QStringList members_;
};

QByteArrayView CardFields::utf8(Field field) const {
    const int i = static_cast<int>(field);
    const quint32 begin = i == 0 ? 0 : ends_[i - 1];
    return QByteArrayView(text_).sliced(begin, ends_[i] - begin);
}

FieldReader::FieldReader() : collector_(std::make_unique<Collector>()) {}
FieldReader::~FieldReader() = default;

CardInfo FieldReader::read(QByteArrayView card, QByteArray& text, FieldEnds& ends) {
    collector_->readCard(card);
    return collector_->finish(text, ends);
}

CardInfo FieldReader::read(const QList<ContentLine>& properties, QByteArray& text,
                           FieldEnds& ends) {
    collector_->readProperties(properties);
    return collector_->finish(text, ends);
}

namespace {

template <typename Source>
CardInfo readInfo(const Source& source) {
    FieldReader reader;
    QByteArray text;
    FieldEnds ends{};
    CardInfo info = reader.read(source, text, ends);
    info.fields = CardFields(std::move(text), ends);
    return info;
}

}  // namespace

CardInfo readCardInfo(QByteArrayView card) {
    return readInfo(card);
}

CardInfo readCardInfo(const QList<ContentLine>& properties) {
    return readInfo(properties);
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
        if (equalsNoCase(name, "BEGIN"_bv) || equalsNoCase(name, "END"_bv) ||
            equalsNoCase(name, "VERSION"_bv))
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

bool removeMember(QList<ContentLine>& properties, const QString& uid) {
    return properties.removeIf([&uid](const ContentLine& line) {
        return (isProperty(line, "MEMBER") || isProperty(line, "X-ADDRESSBOOKSERVER-MEMBER")) &&
               normalizedUid(unescape(decodeValue(line))) == uid;
    }) > 0;
}

QList<ContentLine> newCardProperties(const QString& uid, const QString& name,
                                     const QString& email) {
    const qsizetype blank = name.lastIndexOf(QLatin1Char(' '));
    const QString family = blank < 0 ? name : name.sliced(blank + 1);
    const QString given = blank < 0 ? QString() : name.first(blank);
    QList<ContentLine> properties{
        makeLine("FN", {}, escape(name)),
        makeLine("N", {}, escape(family) + QLatin1Char(';') + escape(given) + u";;;"_s),
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
