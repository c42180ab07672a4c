#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

// Reading vCard 2.1, 3.0 and 4.0 text. Nothing here throws: what cannot be
// understood is reported as such and kept by the caller as it stands.
namespace pelicast::platform::vcard {

// A stretch of a file: one complete card (BEGIN:VCARD to END:VCARD, line break
// included), or bytes outside any card (blank lines, a byte-order mark, a
// truncated card), which are kept exactly as they are.
struct Segment {
    qsizetype begin = 0;
    qsizetype end = 0;
    bool isCard = false;
};

// Whether `data` can be an address book: blank, or starting with BEGIN:VCARD
// (after an optional UTF-8 byte-order mark and blank lines).
bool IsVCardText(QByteArrayView data);

// Cuts a file into cards and the bytes between them, in order; the segments
// cover `data` without gaps.
QList<Segment> SplitCards(QByteArrayView data);

// Walks the logical lines of one card: folded lines are joined (also inside a
// UTF-8 character), QUOTED-PRINTABLE soft line breaks are joined, blank lines
// are skipped. CR LF, LF, CR and CR CR LF all end a line.
class LineReader {
public:
    explicit LineReader(QByteArrayView card) : data_(card) {}
    // The next logical line, valid until the next call; false at the end.
    bool Next(QByteArrayView& line);

private:
    QByteArrayView PhysicalLine();
    qsizetype AfterBlankLines() const;
    bool AtContinuation() const;

    QByteArrayView data_;
    qsizetype pos_ = 0;
    QByteArray joined_;
};

// One parameter as written. A bare 2.1 parameter (`TEL;CELL`) has an empty
// name; `value` keeps its quotes, if any.
struct Param {
    QByteArray name;
    QByteArray value;
    QByteArray Unquoted() const;
};

// One logical line split into its parts; nothing is decoded yet.
struct ContentLine {
    QByteArray group;
    QByteArray name;
    QList<Param> params;
    QByteArray value;
    bool hasColon = true;

    bool Is(QByteArrayView upperName) const;
    // The value of the first parameter called `upperName` (any case), unquoted.
    QByteArray ParamValue(QByteArrayView upperName) const;
    // Whether a TYPE value (lists split at commas) or a bare parameter is `type`, in any case.
    bool HasType(QByteArrayView type) const;
    bool IsQuotedPrintable() const;
    bool IsBase64() const;
};

// The property name of a logical line, without its group.
QByteArrayView PeekName(QByteArrayView line);
// ASCII letters compared without regard to case.
bool EqualsNoCase(QByteArrayView a, QByteArrayView b);
ContentLine ParseLine(QByteArrayView line);

// The value as text: QUOTED-PRINTABLE undone, bytes decoded by CHARSET (else
// UTF-8, falling back to Windows-1252 for bytes that are not UTF-8). Backslash
// escapes are left in place.
QString DecodeValue(const ContentLine& line);

// Undoes the backslash escapes \, \; \: \\ \n \N; other backslashes stay.
QString Unescape(QStringView text);
// Splits at every `separator` not preceded by a backslash; pieces stay escaped.
QList<QStringView> SplitEscaped(QStringView text, QChar separator);

}  // namespace pelicast::platform::vcard
