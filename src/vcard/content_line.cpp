// SPDX-License-Identifier: GPL-3.0-or-later
// The parts of a content line, found where the line stands or copied, and
// its value decoded.
#include <QStringDecoder>
#include <utility>

#include "vcard/reader.h"

namespace pelicast::vcard {

namespace {

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
}

// Calls `visit(name, value)` for each parameter written in `params` (the
// text from the first ";" up to the colon) until it returns true. Without a
// name before "=" a parameter is bare and kept whole, so that it is written
// back as it came.
template <typename Visit>
bool anyParam(QByteArrayView params, Visit visit) {
    qsizetype i = 0;
    while (i < params.size() && params[i] == ';') {
        const qsizetype start = ++i;
        bool quoted = false;
        for (; i < params.size(); ++i) {
            const char c = params[i];
            if (c == '"')
                quoted = !quoted;
            else if (!quoted && (c == ';' || c == ':'))
                break;
        }
        const QByteArrayView text = params.sliced(start, i - start);
        const qsizetype eq = text.indexOf('=');
        if (eq <= 0 ? visit(QByteArrayView(), text) : visit(text.first(eq), text.sliced(eq + 1)))
            return true;
    }
    return false;
}

template <typename Visit>
bool anyParam(const QList<Parameter>& params, Visit visit) {
    for (const Parameter& param : params) {
        if (visit(QByteArrayView(param.name), QByteArrayView(param.value)))
            return true;
    }
    return false;
}

QByteArrayView unquotedView(QByteArrayView value) {
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        return value.sliced(1, value.size() - 2);
    return value;
}

template <typename Params>
QByteArrayView paramValueIn(const Params& params, QByteArrayView upperName) {
    QByteArrayView found;
    anyParam(params, [&](QByteArrayView name, QByteArrayView value) {
        if (!equalsNoCase(name, upperName))
            return false;
        found = unquotedView(value);
        return true;
    });
    return found;
}

template <typename Params>
bool hasTypeIn(const Params& params, QByteArrayView type) {
    return anyParam(params, [type](QByteArrayView name, QByteArrayView value) {
        if (name.isEmpty())
            return equalsNoCase(value, type);
        if (!equalsNoCase(name, "TYPE"_bv))
            return false;
        const QByteArrayView list = unquotedView(value);
        for (qsizetype start = 0, end = 0; start <= list.size(); start = end + 1) {
            for (end = start; end < list.size() && list[end] != ','; ++end) {
            }
            if (equalsNoCase(list.sliced(start, end - start).trimmed(), type))
                return true;
        }
        return false;
    });
}

template <typename Params>
bool isQuotedPrintableIn(const Params& params) {
    return anyParam(params, [](QByteArrayView name, QByteArrayView value) {
        return (name.isEmpty() || equalsNoCase(name, "ENCODING"_bv)) &&
               equalsNoCase(unquotedView(value), "QUOTED-PRINTABLE"_bv);
    });
}

template <typename Params>
bool isBase64In(const Params& params) {
    return anyParam(params, [](QByteArrayView name, QByteArrayView value) {
        value = unquotedView(value);
        if (name.isEmpty())
            return equalsNoCase(value, "BASE64"_bv);
        return equalsNoCase(name, "ENCODING"_bv) &&
               (equalsNoCase(value, "B"_bv) || equalsNoCase(value, "BASE64"_bv));
    });
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

namespace {

// One pass for what isQuotedPrintable(), isBase64() and the first CHARSET tell.
template <typename Params>
bool isPlainTextIn(const Params& params) {
    bool charsetSeen = false;
    return !anyParam(params, [&charsetSeen](QByteArrayView name, QByteArrayView value) {
        value = unquotedView(value);
        if (name.isEmpty())
            return equalsNoCase(value, "QUOTED-PRINTABLE"_bv) || equalsNoCase(value, "BASE64"_bv);
        if (equalsNoCase(name, "ENCODING"_bv))
            return equalsNoCase(value, "QUOTED-PRINTABLE"_bv) || equalsNoCase(value, "B"_bv) ||
                   equalsNoCase(value, "BASE64"_bv);
        if (charsetSeen || !equalsNoCase(name, "CHARSET"_bv))
            return false;
        charsetSeen = true;
        return !value.isEmpty() && !equalsNoCase(value, "UTF-8"_bv);
    });
}

}  // namespace

QByteArray Parameter::unquoted() const {
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        return value.sliced(1, value.size() - 2);
    return value;
}

bool ContentLine::is(QByteArrayView upperName) const {
    return equalsNoCase(name, upperName);
}

QByteArray ContentLine::paramValue(QByteArrayView upperName) const {
    return paramValueIn(params, upperName).toByteArray();
}

bool ContentLine::hasType(QByteArrayView type) const {
    return hasTypeIn(params, type);
}

bool ContentLine::isQuotedPrintable() const {
    return isQuotedPrintableIn(params);
}

bool ContentLine::isBase64() const {
    return isBase64In(params);
}

bool ContentLine::isPlainText() const {
    return isPlainTextIn(params);
}

void ContentLine::setPlainValue(QByteArray utf8) {
    value = std::move(utf8);
    params.removeIf([](const Parameter& p) {
        if (p.name.isEmpty()) {
            const QByteArray bare = p.unquoted();
            return equalsNoCase(bare, "QUOTED-PRINTABLE"_bv) || equalsNoCase(bare, "BASE64"_bv);
        }
        return equalsNoCase(p.name, "VALUE"_bv) || equalsNoCase(p.name, "ENCODING"_bv) ||
               equalsNoCase(p.name, "CHARSET"_bv);
    });
}

bool LineView::isPlainText() const {
    return isPlainTextIn(params);
}

bool LineView::is(QByteArrayView upperName) const {
    return equalsNoCase(name, upperName);
}

QByteArrayView LineView::paramValue(QByteArrayView upperName) const {
    return paramValueIn(params, upperName);
}

bool LineView::hasType(QByteArrayView type) const {
    return hasTypeIn(params, type);
}

bool LineView::isQuotedPrintable() const {
    return isQuotedPrintableIn(params);
}

bool LineView::isBase64() const {
    return isBase64In(params);
}

LineView viewLine(QByteArrayView line) {
    LineView result;
    qsizetype i = 0;
    qsizetype nameStart = 0;
    for (; i < line.size() && line[i] != ';' && line[i] != ':'; ++i) {
        // A group has a name: a leading "." belongs to the property name.
        if (line[i] == '.' && nameStart == 0 && i > 0) {
            result.group = line.first(i);
            nameStart = i + 1;
        }
    }
    result.name = line.sliced(nameStart, i - nameStart);
    const qsizetype paramsStart = i;
    while (i < line.size() && line[i] == ';') {
        bool quoted = false;
        for (++i; i < line.size(); ++i) {
            const char c = line[i];
            if (c == '"')
                quoted = !quoted;
            else if (!quoted && (c == ';' || c == ':'))
                break;
        }
    }
    result.params = line.sliced(paramsStart, i - paramsStart);
    if (i < line.size())
        result.value = line.sliced(i + 1);
    else
        result.hasColon = false;
    return result;
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
    const LineView view = viewLine(line);
    ContentLine result;
    result.group = view.group.toByteArray();
    result.name = view.name.toByteArray();
    anyParam(view.params, [&result](QByteArrayView name, QByteArrayView value) {
        result.params.append({name.toByteArray(), value.toByteArray()});
        return false;
    });
    result.value = view.value.toByteArray();
    result.hasColon = view.hasColon;
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
    if (!charset.isEmpty() && !equalsNoCase(charset, "UTF-8"_bv)) {
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

namespace {

template <typename Line>
QString decodeLine(const Line& line, bool* decoded) {
    // Base64 is ASCII without blanks; those in it come from the folding of 2.1.
    if (line.isBase64())
        return decodeCharset(withoutBlanks(line.value), {}, decoded);
    const auto charset = line.paramValue("CHARSET"_bv);
    if (line.isQuotedPrintable())
        return decodeCharset(decodeQuotedPrintable(line.value), charset, decoded);
    return decodeCharset(line.value, charset, decoded);
}

}  // namespace

QString decodeValue(const ContentLine& line, bool* decoded) {
    return decodeLine(line, decoded);
}

QString decodeValue(const LineView& line, bool* decoded) {
    return decodeLine(line, decoded);
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
