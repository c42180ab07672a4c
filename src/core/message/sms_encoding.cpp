// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/message/sms_encoding.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <array>
#include <string_view>

namespace pelicast {

namespace {

// The basic table in the order of its septet values, less the escape (0x1B).
constexpr std::u16string_view kBasic =
    u"@£$¥èéùìòÇ\nØø\rÅåΔ_ΦΓΛΩΠΨΣΘΞÆæßÉ !\"#¤%&'()*+,-./0123456789:;<=>?"
    u"¡ABCDEFGHIJKLMNOPQRSTUVWXYZÄÖÑÜ§¿abcdefghijklmnopqrstuvwxyzäöñüà";
constexpr std::u16string_view kExtension = u"\f^{}\\[~]|€";
static_assert(kBasic.size() == 127);

constexpr auto kLatin1Septets = [] {
    std::array<quint8, 256> table{};
    for (char16_t c : kBasic)
        if (c < table.size())
            table[c] = 1;
    for (char16_t c : kExtension)
        if (c < table.size())
            table[c] = 2;
    return table;
}();

// Sorted by character, for the binary search.
constexpr std::pair<char16_t, std::u16string_view> kLookAlikes[] = {
    {u'\t', u" "},   {u'`', u"'"},    {0x00A0, u" "},  {0x00AD, u""},    {0x00B4, u"'"},
    {0x2000, u" "},  {0x2001, u" "},  {0x2002, u" "},  {0x2003, u" "},   {0x2004, u" "},
    {0x2005, u" "},  {0x2006, u" "},  {0x2007, u" "},  {0x2008, u" "},   {0x2009, u" "},
    {0x200A, u" "},  {0x200B, u""},   {0x2010, u"-"},  {0x2011, u"-"},   {0x2012, u"-"},
    {0x2013, u"-"},  {0x2014, u"-"},  {0x2015, u"-"},  {0x2018, u"'"},   {0x2019, u"'"},
    {0x201A, u"'"},  {0x201B, u"'"},  {0x201C, u"\""}, {0x201D, u"\""},  {0x201E, u"\""},
    {0x201F, u"\""}, {0x2022, u"*"},  {0x2023, u">"},  {0x2026, u"..."}, {0x202F, u" "},
    {0x2032, u"'"},  {0x2033, u"\""}, {0x2043, u"-"},  {0x205F, u" "},   {0x2060, u""},
    {0x2212, u"-"},  {0x2219, u"*"},  {0x3000, u" "},  {0xFEFF, u""},
};
static_assert(std::is_sorted(std::begin(kLookAlikes), std::end(kLookAlikes)));

const std::u16string_view* lookAlikeOf(char16_t c) {
    const auto* found =
        std::lower_bound(std::begin(kLookAlikes), std::end(kLookAlikes), c,
                         [](const auto& entry, char16_t key) { return entry.first < key; });
    return found != std::end(kLookAlikes) && found->first == c ? &found->second : nullptr;
}

// Parts of `perPart` units each, where `unitsAt(i)` gives the units and code
// units of the symbol starting at i, which a split keeps whole.
template <typename UnitsAt>
int countParts(QStringView text, int perPart, UnitsAt unitsAt) {
    int parts = 1;
    int used = 0;
    for (qsizetype i = 0; i < text.size();) {
        const auto [units, length] = unitsAt(i);
        if (used + units > perPart) {
            ++parts;
            used = 0;
        }
        used += units;
        i += length;
    }
    return parts;
}

}  // namespace

int gsmSeptets(QChar ch) {
    const char16_t c = ch.unicode();
    if (c < kLatin1Septets.size())
        return kLatin1Septets[c];
    if (kBasic.find(c) != std::u16string_view::npos)  // the Greek capitals
        return 1;
    return c == u'€' ? 2 : 0;
}

SmsLength measureSms(QStringView text) {
    SmsLength length;
    for (QChar ch : text) {
        const int septets = gsmSeptets(ch);
        if (septets == 0) {
            length.encoding = SmsEncoding::Ucs2;
            break;
        }
        length.units += septets;
    }
    if (text.isEmpty())
        return length;
    if (length.encoding == SmsEncoding::Gsm7) {
        length.parts =
            length.units <= kGsm7Single ? 1 : countParts(text, kGsm7Part, [text](qsizetype i) {
                return std::pair{gsmSeptets(text.at(i)), 1};
            });
        return length;
    }
    length.units = int(text.size());
    length.parts =
        length.units <= kUcs2Single ? 1 : countParts(text, kUcs2Part, [text](qsizetype i) {
            const bool pair = text.at(i).isHighSurrogate() && i + 1 < text.size() &&
                              text.at(i + 1).isLowSurrogate();
            return pair ? std::pair{2, 2} : std::pair{1, 1};
        });
    return length;
}

QString unicodeCharacters(QStringView text) {
    QString found;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (gsmSeptets(text.at(i)) != 0)
            continue;
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView character = text.sliced(i, length);
        if (!found.contains(character))
            found += character;
        i += length - 1;
    }
    return found;
}

QList<LookAlike> findLookAlikes(QStringView text, qsizetype room) {
    QList<LookAlike> found;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const std::u16string_view* replacement = lookAlikeOf(text.at(i).unicode());
        if (!replacement)
            continue;
        const qsizetype growth = qsizetype(replacement->size()) - 1;
        if (growth > room)
            continue;
        // A dropped character gives room back, but "no limit" stays no limit.
        if (growth >= 0 || room <= std::numeric_limits<qsizetype>::max() + growth)
            room -= growth;
        found.append({i, QStringView(replacement->data(), qsizetype(replacement->size()))});
    }
    return found;
}

QString replaceLookAlikes(QStringView text, qsizetype room) {
    QString result;
    result.reserve(text.size());
    qsizetype from = 0;
    for (const LookAlike& lookAlike : findLookAlikes(text, room)) {
        result += text.mid(from, lookAlike.position - from);
        result += lookAlike.replacement;
        from = lookAlike.position + 1;
    }
    result += text.mid(from);
    return result;
}

QString characterName(char32_t codePoint) {
    char name[128];
    UErrorCode error = U_ZERO_ERROR;
    const int32_t size =
        u_charName(UChar32(codePoint), U_UNICODE_CHAR_NAME, name, int32_t(sizeof name), &error);
    return U_SUCCESS(error) && size > 0 ? QString::fromLatin1(name, size).toLower() : QString();
}

bool isWidelyAcceptedOriginator(QStringView originator) {
    const QStringView digits = originator.startsWith(u'+') ? originator.mid(1) : originator;
    const bool number = !digits.isEmpty() && digits.size() <= 15 &&
                        std::all_of(digits.begin(), digits.end(),
                                    [](QChar ch) { return ch >= u'0' && ch <= u'9'; });
    return number ||
           (originator.size() <= 11 && std::all_of(originator.begin(), originator.end(),
                                                   [](QChar ch) { return gsmSeptets(ch) == 1; }));
}

}  // namespace pelicast
