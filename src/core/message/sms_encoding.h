// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <limits>

namespace pelicast {

// How the phone network carries a text: in the GSM 7-bit alphabet, where a
// character of its basic table takes one septet and one of its extension
// table (^ { } \ [ ~ ] | € and form feed) two, or, as soon as one character
// is in neither, the whole text in UCS-2, counted in UTF-16 code units.
enum class SmsEncoding { Gsm7, Ucs2 };

inline constexpr int kGsm7Single = 160;  // septets of a message sent whole
inline constexpr int kGsm7Part = 153;    // septets of each part of a longer one
inline constexpr int kUcs2Single = 70;   // UTF-16 code units, likewise
inline constexpr int kUcs2Part = 67;

struct SmsLength {
    SmsEncoding encoding = SmsEncoding::Gsm7;
    int units = 0;  // septets, or UTF-16 code units
    int parts = 0;  // 0 for an empty text
};

// What `text`, exactly as sent, takes on the network. A split never cuts an
// escape pair nor a surrogate pair: such a pair moves whole to the next part.
SmsLength measureSms(QStringView text);

// Septets one UTF-16 code unit takes in the GSM alphabet: 1 in the basic
// table, 2 in the extension table, 0 when it forces UCS-2.
int gsmSeptets(QChar ch);

// The characters of `text` in neither GSM table, which make it go as UCS-2,
// each once, in the order met.
QString unicodeCharacters(QStringView text);

// A character that forces UCS-2 and has a GSM look-alike: a typographic
// quote, apostrophe or dash, the ellipsis, a space other than U+0020, a
// bullet, or an invisible character (replaced by nothing). Letters have
// none: they are never transliterated.
struct LookAlike {
    qsizetype position = 0;   // in the text searched; the character is one code unit
    QStringView replacement;  // in the GSM basic table
};

// The look-alikes of `text`, first to last. A replacement longer than its
// character ("..." for "…") is taken only while the text grows by at most
// `room` characters in all.
QList<LookAlike> findLookAlikes(QStringView text,
                                qsizetype room = std::numeric_limits<qsizetype>::max());
// `text` with those look-alikes replaced.
QString replaceLookAlikes(QStringView text, qsizetype room = std::numeric_limits<qsizetype>::max());

// The Unicode name of a character in small letters ("right single quotation
// mark"), or "" when it has none (control characters).
QString characterName(char32_t codePoint);

// Whether networks carry `originator` as the sender unchanged: a name of at
// most 11 characters of the GSM basic table, or a number of at most 15
// digits with an optional leading "+". Empty counts as accepted: the
// gateway then sends under its own name.
bool isWidelyAcceptedOriginator(QStringView originator);

}  // namespace pelicast
