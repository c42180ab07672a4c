#include "platform/vcard_writer.h"

namespace pelicast::platform::vcard {

namespace {

constexpr qsizetype kMaxLineOctets = 75;
const QByteArray kCrLf("\r\n");

bool IsTransferEncoding(QByteArrayView value) {
    return EqualsNoCase(value, "QUOTED-PRINTABLE") || EqualsNoCase(value, "BASE64") ||
           EqualsNoCase(value, "B") || EqualsNoCase(value, "8BIT") || EqualsNoCase(value, "7BIT");
}

bool IsPlainWord(QByteArrayView value) {
    if (value.isEmpty() || IsTransferEncoding(value))
        return false;
    return std::all_of(value.begin(), value.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '-';
    });
}

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

QByteArray WithoutBlanks(QByteArrayView value) {
    QByteArray out;
    out.reserve(value.size());
    for (const char c : value) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            out.append(c);
    }
    return out;
}

QString LineBreaksEscaped(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String("\\n"));
    text.replace(QLatin1Char('\r'), QLatin1String("\\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return text;
}

}  // namespace

QString Escape(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\') || c == QLatin1Char(',') || c == QLatin1Char(';')) {
            out.append(QLatin1Char('\\'));
            out.append(c);
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            out.append(QLatin1String("\\n"));
        } else {
            out.append(c);
        }
    }
    return out;
}

QByteArray Serialize(const ContentLine& line) {
    QByteArray out;
    out.reserve(line.group.size() + line.name.size() + line.value.size() + 16);
    if (!line.group.isEmpty()) {
        out.append(line.group);
        out.append('.');
    }
    out.append(line.name);
    for (const Param& param : line.params) {
        out.append(';');
        if (!param.name.isEmpty()) {
            out.append(param.name);
            out.append('=');
        }
        out.append(param.value);
    }
    if (line.hasColon) {
        out.append(':');
        out.append(line.value);
    }
    return out;
}

QByteArray Fold(QByteArrayView logicalLine) {
    QByteArray out;
    out.reserve(logicalLine.size() + logicalLine.size() / 70 * 3 + 2);
    qsizetype pos = 0;
    qsizetype room = kMaxLineOctets;
    while (logicalLine.size() - pos > room) {
        qsizetype cut = pos + room;
        while (cut > pos + 1 && IsUtf8Continuation(logicalLine[cut]))
            --cut;
        out.append(logicalLine.sliced(pos, cut - pos));
        out.append("\r\n ");
        pos = cut;
        room = kMaxLineOctets - 1;
    }
    out.append(logicalLine.sliced(pos));
    out.append(kCrLf);
    return out;
}

ContentLine ToVersion3(const ContentLine& line) {
    if (!line.hasColon)
        return line;
    const bool base64 = line.IsBase64();
    const bool quotedPrintable = line.IsQuotedPrintable();
    const bool hasCharset = !line.ParamValue("CHARSET").isEmpty();
    ContentLine out = line;
    out.params.clear();
    for (const Param& param : line.params) {
        const QByteArray value = param.Unquoted();
        if (param.name.isEmpty()) {
            // Only a plain word is a 2.1 type; anything else stays as written,
            // since as a TYPE value its commas would make it a list.
            if (IsPlainWord(value))
                out.params.append({QByteArray("TYPE"), param.value});
            else if (!IsTransferEncoding(value))
                out.params.append(param);
        } else if (EqualsNoCase(param.name, "ENCODING")) {
            if (base64)
                out.params.append({param.name, QByteArray("b")});
        } else if (!EqualsNoCase(param.name, "CHARSET")) {
            out.params.append(param);
        }
    }
    if (base64) {
        out.value = WithoutBlanks(line.value);
        if (std::none_of(out.params.cbegin(), out.params.cend(),
                         [](const Param& p) { return EqualsNoCase(p.name, "ENCODING"); }))
            out.params.append({QByteArray("ENCODING"), QByteArray("b")});
    } else if (quotedPrintable || hasCharset || !line.value.isValidUtf8()) {
        out.value = LineBreaksEscaped(DecodeValue(line)).toUtf8();
    }
    return out;
}

QByteArray WriteCard(const QList<ContentLine>& properties) {
    QByteArray out("BEGIN:VCARD\r\nVERSION:3.0\r\n");
    for (const ContentLine& property : properties) {
        if (property.Is("BEGIN") || property.Is("END") || property.Is("VERSION"))
            continue;
        out.append(Fold(Serialize(property)));
    }
    out.append("END:VCARD\r\n");
    return out;
}

}  // namespace pelicast::platform::vcard
