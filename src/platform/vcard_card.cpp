#include "platform/vcard_card.h"

#include <QUuid>

#include "platform/vcard_writer.h"

namespace pelicast::platform::vcard {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
const QString kUrnUuid = QStringLiteral("urn:uuid:");

struct FieldName {
    Field field;
    QLatin1String name;
};

const std::array<FieldName, 7> kFieldNames{{
    {Field::Name, QLatin1String("Name")},
    {Field::Surname, QLatin1String("Surname")},
    {Field::Firstname, QLatin1String("Firstname")},
    {Field::CellPhone, QLatin1String("CellPhone")},
    {Field::HomeEmail, QLatin1String("HomeEmail")},
    {Field::Groups1, QLatin1String("Groups1")},
    {Field::Groups2, QLatin1String("Groups2")},
}};

QString TextValue(const ContentLine& line) {
    return Unescape(DecodeValue(line));
}

QString WithoutTelScheme(QString number) {
    if (number.startsWith(QLatin1String("tel:"), Qt::CaseInsensitive))
        number.remove(0, 4);
    return number;
}

// A line without a colon is no property: it is kept, but never read or written.
bool IsProperty(const ContentLine& line, QByteArrayView name) {
    return line.hasColon && line.Is(name);
}
bool IsCellTel(const ContentLine& line) {
    return IsProperty(line, "TEL") && line.HasType("cell");
}
bool IsHomeEmail(const ContentLine& line) {
    return IsProperty(line, "EMAIL") && line.HasType("home");
}

// Gathers the fields from the lines of one card, first occurrence winning.
class Collector {
public:
    void Add(const ContentLine& line) {
        if (!line.hasColon)
            return;
        if (line.Is("FN")) {
            TakeOnce(haveName_, name_, line);
        } else if (line.Is("N")) {
            if (haveN_)
                return;
            haveN_ = true;
            const QString value = DecodeValue(line);
            const QList<QStringView> parts = SplitEscaped(value, QLatin1Char(';'));
            surname_ = Unescape(parts.value(0));
            firstname_ = Unescape(parts.value(1));
        } else if (IsCellTel(line)) {
            if (TakeOnce(haveCell_, cell_, line))
                cell_ = WithoutTelScheme(cell_);
        } else if (line.Is("EMAIL")) {
            if (line.HasType("home"))
                TakeOnce(haveHomeEmail_, homeEmail_, line);
            TakeOnce(haveEmail_, email_, line);
        } else if (line.Is("CATEGORIES")) {
            const QString value = DecodeValue(line);
            for (QStringView piece : SplitEscaped(value, QLatin1Char(','))) {
                const QString name = Unescape(piece).trimmed();
                if (!name.isEmpty())
                    categories_.append(name);
            }
        } else if (line.Is("UID")) {
            TakeOnce(haveUid_, uid_, line);
        } else if (line.Is("KIND") || line.Is("X-ADDRESSBOOKSERVER-KIND")) {
            info_.isGroup = info_.isGroup || DecodeValue(line).trimmed().compare(
                                                 QLatin1String("group"), Qt::CaseInsensitive) == 0;
        } else if (line.Is("MEMBER") || line.Is("X-ADDRESSBOOKSERVER-MEMBER")) {
            info_.members.append(NormalizedUid(TextValue(line)));
        }
    }

    CardInfo Finish() {
        CardFields& f = info_.fields;
        f.Set(Field::Name, name_);
        f.Set(Field::Surname, surname_);
        f.Set(Field::Firstname, firstname_);
        f.Set(Field::CellPhone, cell_);
        f.Set(Field::HomeEmail, haveHomeEmail_ ? homeEmail_ : email_);
        f.Set(Field::Uid, uid_);
        f.Set(Field::Groups1, categories_.join(kCrLf));
        return std::move(info_);
    }

private:
    static bool TakeOnce(bool& taken, QString& target, const ContentLine& line) {
        if (taken)
            return false;
        taken = true;
        target = TextValue(line);
        return true;
    }

    CardInfo info_;
    QString name_, surname_, firstname_, cell_, homeEmail_, email_, uid_;
    QStringList categories_;
    bool haveName_ = false, haveN_ = false, haveCell_ = false, haveHomeEmail_ = false,
         haveEmail_ = false, haveUid_ = false;
};

bool CarriesField(QByteArrayView name) {
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
                       [name](QByteArrayView known) { return EqualsNoCase(name, known); });
}

ContentLine MakeLine(const char* name, const QList<Param>& params, const QString& value) {
    ContentLine line;
    line.name = name;
    line.params = params;
    line.value = value.toUtf8();
    return line;
}

template <typename Predicate>
qsizetype IndexOf(const QList<ContentLine>& properties, Predicate predicate) {
    const auto it = std::find_if(properties.cbegin(), properties.cend(), predicate);
    return it == properties.cend() ? -1 : it - properties.cbegin();
}

// Puts `value` into the first property `matches` picks, or adds `created`.
template <typename Predicate>
void SetOrAdd(QList<ContentLine>& properties, Predicate matches, const QString& value,
              const ContentLine& created) {
    const qsizetype index = IndexOf(properties, matches);
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
    line.value = Escape(value).toUtf8();
    line.params.removeIf([](const Param& p) { return EqualsNoCase(p.name, "VALUE"); });
}

void SetNameComponent(QList<ContentLine>& properties, int component, const QString& value) {
    qsizetype index = IndexOf(properties, [](const ContentLine& l) { return IsProperty(l, "N"); });
    if (index < 0) {
        properties.append(MakeLine("N", {}, QStringLiteral(";;;;")));
        index = properties.size() - 1;
    }
    ContentLine& line = properties[index];
    const QString text = QString::fromUtf8(line.value);
    QStringList parts;
    for (QStringView part : SplitEscaped(text, QLatin1Char(';')))
        parts.append(part.toString());
    while (parts.size() < 5)
        parts.append(QString());
    parts[component] = Escape(value);
    line.value = parts.join(QLatin1Char(';')).toUtf8();
}

void SetCategories(QList<ContentLine>& properties, const QString& value) {
    const qsizetype index =
        IndexOf(properties, [](const ContentLine& l) { return IsProperty(l, "CATEGORIES"); });
    properties.removeIf([](const ContentLine& l) { return IsProperty(l, "CATEGORIES"); });
    QStringList names;
    for (const QString& name : value.split(kCrLf)) {
        if (!name.isEmpty())
            names.append(Escape(name));
    }
    if (names.isEmpty())
        return;
    const ContentLine line = MakeLine("CATEGORIES", {}, names.join(QLatin1Char(',')));
    properties.insert(index < 0 ? properties.size() : index, line);
}

}  // namespace

Field FieldFromName(QStringView name) {
    for (const FieldName& known : kFieldNames) {
        if (name.compare(known.name, Qt::CaseInsensitive) == 0)
            return known.field;
    }
    return Field::Unknown;
}

QString CardFields::Get(Field field) const {
    if (field == Field::Groups1)
        return groups1_;
    const int i = static_cast<int>(field);
    if (i >= kPacked)
        return QString();
    const qint32 begin = i == 0 ? 0 : ends_[i - 1];
    return text_.sliced(begin, ends_[i] - begin);
}

void CardFields::Set(Field field, const QString& value) {
    if (field == Field::Groups1) {
        groups1_ = value;
        return;
    }
    const int i = static_cast<int>(field);
    if (i >= kPacked)
        return;
    const qint32 begin = i == 0 ? 0 : ends_[i - 1];
    const qint32 delta = qint32(value.size()) - (ends_[i] - begin);
    text_.replace(begin, ends_[i] - begin, value);
    for (int k = i; k < kPacked; ++k)
        ends_[k] += delta;
    text_.squeeze();
}

CardInfo ReadCardInfo(QByteArrayView card) {
    Collector collector;
    LineReader reader(card);
    QByteArrayView line;
    while (reader.Next(line)) {
        if (CarriesField(PeekName(line)))
            collector.Add(ParseLine(line));
    }
    return collector.Finish();
}

CardInfo ReadCardInfo(const QList<ContentLine>& properties) {
    Collector collector;
    for (const ContentLine& line : properties)
        collector.Add(line);
    return collector.Finish();
}

QString NormalizedUid(QStringView uid) {
    uid = uid.trimmed();
    if (uid.startsWith(kUrnUuid, Qt::CaseInsensitive))
        uid = uid.sliced(kUrnUuid.size());
    return uid.toString().toLower();
}

QList<ContentLine> ReadProperties(QByteArrayView card) {
    QList<ContentLine> properties;
    LineReader reader(card);
    QByteArrayView line;
    while (reader.Next(line)) {
        const QByteArrayView name = PeekName(line);
        if (EqualsNoCase(name, "BEGIN") || EqualsNoCase(name, "END") ||
            EqualsNoCase(name, "VERSION"))
            continue;
        properties.append(ToVersion3(ParseLine(line)));
    }
    return properties;
}

void SetField(QList<ContentLine>& properties, Field field, const QString& value) {
    switch (field) {
        case Field::Name: {
            const qsizetype index =
                IndexOf(properties, [](const ContentLine& l) { return IsProperty(l, "FN"); });
            if (index < 0)
                properties.append(MakeLine("FN", {}, Escape(value)));
            else
                properties[index].value = Escape(value).toUtf8();
            break;
        }
        case Field::Surname:
            SetNameComponent(properties, 0, value);
            break;
        case Field::Firstname:
            SetNameComponent(properties, 1, value);
            break;
        case Field::CellPhone:
            SetOrAdd(properties, IsCellTel, value,
                     MakeLine("TEL", {{"TYPE", "CELL"}}, Escape(value)));
            break;
        case Field::HomeEmail:
            SetOrAdd(properties, IsHomeEmail, value,
                     MakeLine("EMAIL", {{"TYPE", "HOME"}}, Escape(value)));
            break;
        case Field::Groups1:
            SetCategories(properties, value);
            break;
        case Field::Uid: {
            properties.removeIf([](const ContentLine& l) { return IsProperty(l, "UID"); });
            properties.append(MakeLine("UID", {}, Escape(value)));
            break;
        }
        case Field::Groups2:
        case Field::Unknown:
            break;
    }
}

QList<ContentLine> NewCardProperties(const QString& uid, const QString& name,
                                     const QString& email) {
    // The display name is "given family"; the part after the last blank is the family name.
    const qsizetype blank = name.lastIndexOf(QLatin1Char(' '));
    const QString family = blank < 0 ? name : name.sliced(blank + 1);
    const QString given = blank < 0 ? QString() : name.first(blank);
    QList<ContentLine> properties{
        MakeLine("FN", {}, Escape(name)),
        MakeLine("N", {},
                 Escape(family) + QLatin1Char(';') + Escape(given) + QStringLiteral(";;;")),
    };
    if (!email.isEmpty())
        properties.append(MakeLine("EMAIL", {{"TYPE", "HOME"}}, Escape(email)));
    properties.append(MakeLine("UID", {}, Escape(uid)));
    return properties;
}

QByteArray WithUidLine(QByteArrayView card, const QString& uid) {
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
    out.append(Escape(uid).toUtf8());
    out.append(lineBreak);
    out.append(card.sliced(endLine));
    return out;
}

QString NewUid() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

}  // namespace pelicast::platform::vcard
