// SPDX-License-Identifier: GPL-3.0-or-later
#include "vcard/reader.h"

#include <QStringDecoder>

namespace pelicast::vcard {

namespace {

constexpr QByteArrayView kBom("\xEF\xBB\xBF");

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

QByteArrayView trimmedRight(QByteArrayView line) {
    while (!line.isEmpty() && (line.back() == ' ' || line.back() == '\t'))
        line.chop(1);
    return line;
}

// The line starting at `pos`: its content ends at `contentEnd`, the next line
// starts at `next`. A run of CRs with an optional LF is one line break.
void scanLine(QByteArrayView data, qsizetype pos, qsizetype& contentEnd, qsizetype& next) {
    const char* begin = data.data();
    qsizetype p = pos;
    const qsizetype n = data.size();
    while (p < n && begin[p] != '\n' && begin[p] != '\r')
        ++p;
    contentEnd = p;
    while (p < n && begin[p] == '\r')
        ++p;
    if (p < n && begin[p] == '\n')
        ++p;
    next = p;
}

// The group, name and parameters of a logical line; `valueStart` receives
// where its value starts, or -1 when the line has no colon.
ContentLine parseHead(QByteArrayView line, qsizetype& valueStart) {
    ContentLine result;
    qsizetype i = 0;
    qsizetype nameStart = 0;
    for (; i < line.size() && line[i] != ';' && line[i] != ':'; ++i) {
        // A group has a name: a leading "." belongs to the property name.
        if (line[i] == '.' && nameStart == 0 && i > 0) {
            result.group = line.first(i).toByteArray();
            nameStart = i + 1;
        }
    }
    result.name = line.sliced(nameStart, i - nameStart).toByteArray();
    while (i < line.size() && line[i] == ';') {
        const qsizetype start = ++i;
        bool quoted = false;
        for (; i < line.size(); ++i) {
            const char c = line[i];
            if (c == '"')
                quoted = !quoted;
            else if (!quoted && (c == ';' || c == ':'))
                break;
        }
        const QByteArrayView text = line.sliced(start, i - start);
        const qsizetype eq = text.indexOf('=');
        // Without a name before "=" it is a bare parameter, kept whole so that
        // it is written back as it came.
        if (eq <= 0)
            result.params.append({QByteArray(), text.toByteArray()});
        else
            result.params.append({text.first(eq).toByteArray(), text.sliced(eq + 1).toByteArray()});
    }
    valueStart = i < line.size() ? i + 1 : -1;
    return result;
}

bool isHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

int hexValue(char c) {
    if (c <= '9')
        return c - '0';
    return (upper(c) - 'A') + 10;
}

}  // namespace

bool equalsNoCase(QByteArrayView a, QByteArrayView b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (upper(a[i]) != upper(b[i]))
            return false;
    }
    return true;
}

bool isVCardText(QByteArrayView data) {
    qsizetype pos = data.startsWith(kBom) ? kBom.size() : 0;
    while (pos < data.size()) {
        const char c = data[pos];
        if (c != '\r' && c != '\n' && c != ' ' && c != '\t')
            break;
        ++pos;
    }
    if (pos == data.size())
        return true;
    qsizetype contentEnd = 0;
    qsizetype next = 0;
    scanLine(data, pos, contentEnd, next);
    return equalsNoCase(trimmedRight(data.sliced(pos, contentEnd - pos)), "BEGIN:VCARD");
}

QList<Segment> splitCards(QByteArrayView data) {
    QList<Segment> segments;
    qsizetype otherStart = 0;
    qsizetype cardStart = -1;
    qsizetype pos = data.startsWith(kBom) ? kBom.size() : 0;
    while (pos < data.size()) {
        qsizetype contentEnd = 0;
        qsizetype next = 0;
        scanLine(data, pos, contentEnd, next);
        const QByteArrayView content = trimmedRight(data.sliced(pos, contentEnd - pos));
        if (equalsNoCase(content, "BEGIN:VCARD")) {
            // A card left open by an earlier BEGIN stays in the bytes kept as they are.
            cardStart = pos;
        } else if (cardStart >= 0 && equalsNoCase(content, "END:VCARD")) {
            if (cardStart > otherStart)
                segments.append({otherStart, cardStart, false});
            segments.append({cardStart, next, true});
            otherStart = next;
            cardStart = -1;
        }
        pos = next;
    }
    if (otherStart < data.size())
        segments.append({otherStart, data.size(), false});
    return segments;
}

QByteArrayView LineReader::physicalLine() {
    qsizetype contentEnd = 0;
    qsizetype next = 0;
    scanLine(data_, pos_, contentEnd, next);
    const QByteArrayView line = data_.sliced(pos_, contentEnd - pos_);
    pos_ = next;
    return line;
}

qsizetype LineReader::afterBlankLines() const {
    qsizetype p = pos_;
    while (p < data_.size() && (data_[p] == '\r' || data_[p] == '\n'))
        ++p;
    return p;
}

// A line that starts with a blank continues the line before it, also across
// blank lines: written back on its own it would continue another line.
bool LineReader::atContinuation() const {
    const qsizetype p = afterBlankLines();
    return p < data_.size() && (data_[p] == ' ' || data_[p] == '\t');
}

// Decided exactly as the decoding decides, so that a line written back never
// swallows the next one. Only a value can be encoded: a line without a colon
// has no soft breaks.
bool LineReader::atSoftBreak(QByteArrayView text) {
    if (!text.endsWith('=') || pos_ >= data_.size())
        return false;
    qsizetype contentEnd = 0;
    qsizetype next = 0;
    scanLine(data_, pos_, contentEnd, next);
    const QByteArrayView following = data_.sliced(pos_, contentEnd - pos_);
    if (equalsNoCase(trimmedRight(following), "END:VCARD"))
        return false;
    // The parameters stand before the colon and so stay as they are while the
    // line grows: parsed once, which keeps a long line from being read again
    // for every break.
    if (quotedPrintable_ == Unknown) {
        qsizetype valueStart = -1;
        const ContentLine parsed = parseHead(text, valueStart);
        if (valueStart < 0)
            return false;
        quotedPrintable_ = parsed.isQuotedPrintable() ? Yes : No;
    }
    return quotedPrintable_ == Yes;
}

bool LineReader::next(QByteArrayView& line) {
    while (pos_ < data_.size()) {
        const QByteArrayView first = physicalLine();
        if (first.isEmpty())
            continue;
        quotedPrintable_ = Unknown;
        if (!atContinuation() && !atSoftBreak(first)) {
            line = first;
            return true;
        }
        joined_ = first.toByteArray();
        for (;;) {
            if (atContinuation()) {
                pos_ = afterBlankLines();
                joined_.append(physicalLine().sliced(1));
            } else if (atSoftBreak(joined_)) {
                joined_.chop(1);
                joined_.append(physicalLine());
            } else {
                break;
            }
        }
        line = joined_;
        return true;
    }
    return false;
}

QByteArray Parameter::unquoted() const {
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        return value.sliced(1, value.size() - 2);
    return value;
}

bool ContentLine::is(QByteArrayView upperName) const {
    return equalsNoCase(name, upperName);
}

QByteArray ContentLine::paramValue(QByteArrayView upperName) const {
    for (const Parameter& param : params) {
        if (equalsNoCase(param.name, upperName))
            return param.unquoted();
    }
    return {};
}

bool ContentLine::hasType(QByteArrayView type) const {
    for (const Parameter& param : params) {
        if (param.name.isEmpty()) {
            if (equalsNoCase(param.value, type))
                return true;
        } else if (equalsNoCase(param.name, "TYPE")) {
            for (const QByteArray& each : param.unquoted().split(',')) {
                if (equalsNoCase(each.trimmed(), type))
                    return true;
            }
        }
    }
    return false;
}

bool ContentLine::isQuotedPrintable() const {
    for (const Parameter& param : params) {
        if ((param.name.isEmpty() || equalsNoCase(param.name, "ENCODING")) &&
            equalsNoCase(param.unquoted(), "QUOTED-PRINTABLE"))
            return true;
    }
    return false;
}

bool ContentLine::isBase64() const {
    for (const Parameter& param : params) {
        const QByteArray value = param.unquoted();
        if (param.name.isEmpty() && equalsNoCase(value, "BASE64"))
            return true;
        if (equalsNoCase(param.name, "ENCODING") &&
            (equalsNoCase(value, "B") || equalsNoCase(value, "BASE64")))
            return true;
    }
    return false;
}

QByteArrayView peekName(QByteArrayView line) {
    qsizetype start = 0;
    qsizetype i = 0;
    for (; i < line.size(); ++i) {
        const char c = line[i];
        if (c == ';' || c == ':')
            break;
        if (c == '.')
            start = i + 1;
    }
    return line.sliced(start, i - start);
}

ContentLine parseLine(QByteArrayView line) {
    qsizetype valueStart = -1;
    ContentLine result = parseHead(line, valueStart);
    if (valueStart >= 0)
        result.value = line.sliced(valueStart).toByteArray();
    else
        result.hasColon = false;
    return result;
}

namespace {

QByteArray withoutBlanks(QByteArrayView value) {
    QByteArray out;
    out.reserve(value.size());
    for (const char c : value) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            out.append(c);
    }
    return out;
}

QByteArray decodeQuotedPrintable(QByteArrayView text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '=' && i + 2 < text.size() && isHex(text[i + 1]) && isHex(text[i + 2])) {
            out.append(char(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2])));
            i += 2;
        } else if (c == '=' && i + 1 < text.size() &&
                   (text[i + 1] == '\r' || text[i + 1] == '\n')) {
            ++i;
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out.append(c);
        }
    }
    return out;
}

QString decodeCharset(QByteArrayView bytes, QByteArrayView charset, bool* decoded) {
    if (!charset.isEmpty() && !equalsNoCase(charset, "UTF-8")) {
        QStringDecoder decoder(charset.toByteArray().constData());
        // Through UTF-8 and back, so that a stray surrogate some decoders
        // leave reads as it will be written.
        if (decoder.isValid())
            return QString::fromUtf8(QString(decoder.decode(bytes)).toUtf8());
        if (decoded)
            *decoded = false;
    }
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    QStringDecoder fallback("windows-1252");
    if (fallback.isValid())
        return fallback.decode(bytes);
    return QString::fromLatin1(bytes);
}

}  // namespace

QString decodeValue(const ContentLine& line, bool* decoded) {
    // Base64 is ASCII without blanks; those in it come from the folding of 2.1.
    if (line.isBase64())
        return decodeCharset(withoutBlanks(line.value), {}, decoded);
    const QByteArray charset = line.paramValue("CHARSET");
    if (line.isQuotedPrintable())
        return decodeCharset(decodeQuotedPrintable(line.value), charset, decoded);
    return decodeCharset(line.value, charset, decoded);
}

QString unescape(QStringView text) {
    if (!text.contains(QLatin1Char('\\')))
        return text.toString();
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\\') || i + 1 == text.size()) {
            out.append(c);
            continue;
        }
        const QChar next = text[i + 1];
        if (next == QLatin1Char('n') || next == QLatin1Char('N')) {
            out.append(QLatin1Char('\n'));
            ++i;
        } else if (next == QLatin1Char(',') || next == QLatin1Char(';') ||
                   next == QLatin1Char(':') || next == QLatin1Char('\\')) {
            out.append(next);
            ++i;
        } else {
            out.append(c);
        }
    }
    return out;
}

QList<QStringView> splitEscaped(QStringView text, QChar separator) {
    QList<QStringView> pieces;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\')) {
            ++i;
        } else if (text[i] == separator) {
            pieces.append(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    pieces.append(text.sliced(start));
    return pieces;
}

}  // namespace pelicast::vcard
