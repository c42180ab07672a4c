// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

// Reading vCard 2.1, 3.0 and 4.0 text. Nothing here throws: what cannot be
// understood is reported as such and kept by the caller as it stands.
namespace pelicast::vcard {

// A stretch of a file: one complete card (BEGIN:VCARD to END:VCARD, line break
// included), or bytes outside any card (blank lines, a byte-order mark, a
// truncated card), which are kept exactly as they are.
struct Segment {
    qsizetype begin = 0;
    qsizetype end = 0;
    bool isCard = false;
};

// Whether `data` can be a vCard file: blank, or starting with BEGIN:VCARD
// (after an optional UTF-8 byte-order mark and blank lines).
bool isVCardText(QByteArrayView data);

// Cuts a file into cards and the bytes between them, in order; the segments
// cover `data` without gaps.
QList<Segment> splitCards(QByteArrayView data);

// The same, one segment at a time.
class SegmentReader {
public:
    explicit SegmentReader(QByteArrayView data);
    bool next(Segment& segment);

private:
    QByteArrayView data_;
    qsizetype pos_ = 0;
    qsizetype otherStart_ = 0;
    qsizetype cardStart_ = -1;
    Segment card_;
    bool cardPending_ = false;
};

// Walks the logical lines of one card: folded lines are joined (also inside a
// UTF-8 character), QUOTED-PRINTABLE soft line breaks are joined, blank lines
// are skipped. CR LF, LF, CR and CR CR LF all end a line.
class LineReader {
public:
    explicit LineReader(QByteArrayView card) : data_(card) {}
    // The next logical line, valid until the next call; false at the end.
    bool next(QByteArrayView& line);
    // Whether that line was joined from several: it then lives in a buffer
    // the next call reuses.
    bool joined() const { return joined_; }

private:
    QByteArrayView physicalLine();
    qsizetype afterBlankLines() const;
    bool atContinuation() const;
    bool atSoftBreak(QByteArrayView text);

    QByteArrayView data_;
    qsizetype pos_ = 0;
    QByteArray joinedText_;
    bool joined_ = false;
    // Whether the logical line being joined is QUOTED-PRINTABLE, once known.
    enum { Unknown, Yes, No } quotedPrintable_ = Unknown;
};

// One parameter as written. A bare 2.1 parameter (`TEL;CELL`), or one
// without a name before its "=", has an empty name; `value` keeps its quotes,
// if any.
struct Parameter {
    QByteArray name;
    QByteArray value;
    QByteArray unquoted() const;
};

// One logical line split into its parts; nothing is decoded yet.
struct ContentLine {
    QByteArray group;
    QByteArray name;
    QList<Parameter> params;
    QByteArray value;
    bool hasColon = true;

    bool is(QByteArrayView upperName) const;
    // The value of the first parameter called `upperName` (any case), unquoted.
    QByteArray paramValue(QByteArrayView upperName) const;
    // Whether a TYPE value (lists split at commas) or a bare parameter is
    // `type`, in any case.
    bool hasType(QByteArrayView type) const;
    bool isQuotedPrintable() const;
    bool isBase64() const;
    bool isPlainText() const;
    // The value becomes `utf8`, plain text; the parameters that told how the
    // old value was written (VALUE, ENCODING, CHARSET) go with it.
    void setPlainValue(QByteArray utf8);
};

// One logical line split into its parts where it stands: nothing is copied,
// so it is valid as long as the line is. `params` is the text from the first
// ";" up to the colon.
struct LineView {
    QByteArrayView group;
    QByteArrayView name;
    QByteArrayView params;
    QByteArrayView value;
    bool hasColon = true;

    bool is(QByteArrayView upperName) const;
    QByteArrayView paramValue(QByteArrayView upperName) const;
    bool hasType(QByteArrayView type) const;
    bool isQuotedPrintable() const;
    bool isBase64() const;
    // Neither QUOTED-PRINTABLE nor BASE64, and in UTF-8: the value's bytes
    // are its text, escapes aside.
    bool isPlainText() const;
};
LineView viewLine(QByteArrayView line);

// The property name of a logical line, without its group.
QByteArrayView peekName(QByteArrayView line);
// A byte string whose length the compiler knows: a plain literal turned
// into a QByteArrayView is measured again at every call.
constexpr QByteArrayView operator""_bv(const char* text, size_t size) {
    return QByteArrayView(text, qsizetype(size));
}

// ASCII letters compared without regard to case. Inline: names are compared
// for every line of a book.
inline bool equalsNoCase(QByteArrayView a, QByteArrayView b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        const char lower = char(a[i] | 0x20);
        if (a[i] != b[i] && (lower != char(b[i] | 0x20) || lower < 'a' || lower > 'z'))
            return false;
    }
    return true;
}
ContentLine parseLine(QByteArrayView line);

// The value as text: QUOTED-PRINTABLE undone, bytes decoded by CHARSET (else
// UTF-8, falling back to Windows-1252 for bytes that are not UTF-8), BASE64
// text without blanks and not decoded. Backslash escapes are left in place. `decoded`, when given,
// turns false when the line names a CHARSET this system does not know; the text is then a best
// guess.
QString decodeValue(const ContentLine& line, bool* decoded = nullptr);
QString decodeValue(const LineView& line, bool* decoded = nullptr);

// Undoes the backslash escapes \, \; \: \\ \n \N; other backslashes stay.
QString unescape(QStringView text);
// Splits at every `separator` not preceded by a backslash; pieces stay escaped.
QList<QStringView> splitEscaped(QStringView text, QChar separator);

}  // namespace pelicast::vcard
