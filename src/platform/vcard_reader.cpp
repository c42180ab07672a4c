#include "platform/vcard_reader.h"

#include <QStringDecoder>

namespace pelicast::platform::vcard {

namespace {

char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

}  // namespace

bool EqualsNoCase(QByteArrayView a, QByteArrayView b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (Upper(a[i]) != Upper(b[i]))
            return false;
    }
    return true;
}

namespace {

constexpr QByteArrayView kBom("\xEF\xBB\xBF");

bool ContainsNoCase(QByteArrayView text, QByteArrayView upper) {
    for (qsizetype i = 0; i + upper.size() <= text.size(); ++i) {
        if (EqualsNoCase(text.sliced(i, upper.size()), upper))
            return true;
    }
    return false;
}

QByteArrayView TrimmedRight(QByteArrayView line) {
    while (!line.isEmpty() && (line.back() == ' ' || line.back() == '\t'))
        line.chop(1);
    return line;
}

// The line starting at `pos`: its content ends at `contentEnd`, the next line
// starts at `next`. A run of CRs with an optional LF is one line break.
void ScanLine(QByteArrayView data, qsizetype pos, qsizetype& contentEnd, qsizetype& next) {
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

// The part of a logical line before its value, where the parameters stand.
QByteArrayView Head(QByteArrayView line) {
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"')
            quoted = !quoted;
        else if (c == ':' && !quoted)
            return line.first(i);
    }
    return line;
}

bool IsHex(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

int HexValue(char c) {
    if (c <= '9')
        return c - '0';
    return (Upper(c) - 'A') + 10;
}

}  // namespace

bool IsVCardText(QByteArrayView data) {
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
    ScanLine(data, pos, contentEnd, next);
    return EqualsNoCase(TrimmedRight(data.sliced(pos, contentEnd - pos)), "BEGIN:VCARD");
}

QList<Segment> SplitCards(QByteArrayView data) {
    QList<Segment> segments;
    qsizetype otherStart = 0;
    qsizetype cardStart = -1;
    qsizetype pos = data.startsWith(kBom) ? kBom.size() : 0;
    while (pos < data.size()) {
        qsizetype contentEnd = 0;
        qsizetype next = 0;
        ScanLine(data, pos, contentEnd, next);
        const QByteArrayView content = TrimmedRight(data.sliced(pos, contentEnd - pos));
        if (EqualsNoCase(content, "BEGIN:VCARD")) {
            // A card left open by an earlier BEGIN stays in the bytes kept as they are.
            cardStart = pos;
        } else if (cardStart >= 0 && EqualsNoCase(content, "END:VCARD")) {
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

QByteArrayView LineReader::PhysicalLine() {
    qsizetype contentEnd = 0;
    qsizetype next = 0;
    ScanLine(data_, pos_, contentEnd, next);
    const QByteArrayView line = data_.sliced(pos_, contentEnd - pos_);
    pos_ = next;
    return line;
}

qsizetype LineReader::AfterBlankLines() const {
    qsizetype p = pos_;
    while (p < data_.size() && (data_[p] == '\r' || data_[p] == '\n'))
        ++p;
    return p;
}

// A line that starts with a blank continues the line before it, also across
// blank lines: written back on its own it would continue another line.
bool LineReader::AtContinuation() const {
    const qsizetype p = AfterBlankLines();
    return p < data_.size() && (data_[p] == ' ' || data_[p] == '\t');
}

bool LineReader::Next(QByteArrayView& line) {
    while (pos_ < data_.size()) {
        const QByteArrayView first = PhysicalLine();
        if (first.isEmpty())
            continue;
        auto softBreak = [this](QByteArrayView text) {
            if (!text.endsWith('=') || pos_ >= data_.size())
                return false;
            qsizetype contentEnd = 0;
            qsizetype next = 0;
            ScanLine(data_, pos_, contentEnd, next);
            const QByteArrayView following = data_.sliced(pos_, contentEnd - pos_);
            // Decided exactly as the decoding decides, so that a line written
            // back never swallows the next one.
            return !EqualsNoCase(TrimmedRight(following), "END:VCARD") &&
                   ContainsNoCase(Head(text), "QUOTED-PRINTABLE") &&
                   ParseLine(Head(text)).IsQuotedPrintable();
        };
        if (!AtContinuation() && !softBreak(first)) {
            line = first;
            return true;
        }
        joined_ = first.toByteArray();
        for (;;) {
            if (AtContinuation()) {
                pos_ = AfterBlankLines();
                joined_.append(PhysicalLine().sliced(1));
            } else if (softBreak(joined_)) {
                joined_.chop(1);
                joined_.append(PhysicalLine());
            } else {
                break;
            }
        }
        line = joined_;
        return true;
    }
    return false;
}

QByteArray Param::Unquoted() const {
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        return value.sliced(1, value.size() - 2);
    return value;
}

bool ContentLine::Is(QByteArrayView upperName) const {
    return EqualsNoCase(name, upperName);
}

QByteArray ContentLine::ParamValue(QByteArrayView upperName) const {
    for (const Param& param : params) {
        if (EqualsNoCase(param.name, upperName))
            return param.Unquoted();
    }
    return {};
}

bool ContentLine::HasType(QByteArrayView type) const {
    for (const Param& param : params) {
        if (param.name.isEmpty()) {
            if (EqualsNoCase(param.value, type))
                return true;
        } else if (EqualsNoCase(param.name, "TYPE")) {
            for (const QByteArray& each : param.Unquoted().split(',')) {
                if (EqualsNoCase(each.trimmed(), type))
                    return true;
            }
        }
    }
    return false;
}

bool ContentLine::IsQuotedPrintable() const {
    for (const Param& param : params) {
        if ((param.name.isEmpty() || EqualsNoCase(param.name, "ENCODING")) &&
            EqualsNoCase(param.Unquoted(), "QUOTED-PRINTABLE"))
            return true;
    }
    return false;
}

bool ContentLine::IsBase64() const {
    for (const Param& param : params) {
        const QByteArray value = param.Unquoted();
        if (param.name.isEmpty() && EqualsNoCase(value, "BASE64"))
            return true;
        if (EqualsNoCase(param.name, "ENCODING") &&
            (EqualsNoCase(value, "B") || EqualsNoCase(value, "BASE64")))
            return true;
    }
    return false;
}

QByteArrayView PeekName(QByteArrayView line) {
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

ContentLine ParseLine(QByteArrayView line) {
    ContentLine result;
    qsizetype i = 0;
    qsizetype nameStart = 0;
    for (; i < line.size() && line[i] != ';' && line[i] != ':'; ++i) {
        if (line[i] == '.' && nameStart == 0) {
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
        if (eq < 0)
            result.params.append({QByteArray(), text.toByteArray()});
        else
            result.params.append({text.first(eq).toByteArray(), text.sliced(eq + 1).toByteArray()});
    }
    if (i < line.size()) {
        result.value = line.sliced(i + 1).toByteArray();
    } else {
        result.hasColon = false;
    }
    return result;
}

namespace {

QByteArray DecodeQuotedPrintable(QByteArrayView text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '=' && i + 2 < text.size() && IsHex(text[i + 1]) && IsHex(text[i + 2])) {
            out.append(char(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2])));
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

QString DecodeCharset(QByteArrayView bytes, QByteArrayView charset) {
    if (!charset.isEmpty() && !EqualsNoCase(charset, "UTF-8")) {
        QStringDecoder decoder(charset.toByteArray().constData());
        if (decoder.isValid())
            return decoder.decode(bytes);
    }
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    QStringDecoder fallback("windows-1252");
    if (fallback.isValid())
        return fallback.decode(bytes);
    return QString::fromLatin1(bytes);
}

}  // namespace

QString DecodeValue(const ContentLine& line) {
    const QByteArray charset = line.ParamValue("CHARSET");
    if (line.IsQuotedPrintable())
        return DecodeCharset(DecodeQuotedPrintable(line.value), charset);
    return DecodeCharset(line.value, charset);
}

QString Unescape(QStringView text) {
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

QList<QStringView> SplitEscaped(QStringView text, QChar separator) {
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

}  // namespace pelicast::platform::vcard
