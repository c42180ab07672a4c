// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/book/table_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cstring>

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// This file's texts, under one context for the translators.
struct TableTextText {
    Q_DECLARE_TR_FUNCTIONS(RecipientTable)
};

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// Strict UTF-8: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(QByteArrayView data) {
    const auto* at = reinterpret_cast<const unsigned char*>(data.data());
    const auto* const end = at + data.size();
    while (at < end) {
        const unsigned char lead = *at;
        if (lead < 0x80) {
            ++at;
            continue;
        }
        int follow = 0;
        unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
        if (lead >= 0xC2 && lead <= 0xDF) {
            follow = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            follow = 2;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            follow = 3;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (end - at <= follow || at[1] < low || at[1] > high)
            return false;
        for (int i = 2; i <= follow; ++i) {
            if ((at[i] & 0xC0) != 0x80)
                return false;
        }
        at += follow + 1;
    }
    return true;
}

Expected<TableText> decodeAs(QByteArray data, const QString& encoding) {
    QStringDecoder decoder(encoding.toLatin1().constData());
    if (!decoder.isValid())
        return Unexpected(TableTextText::tr("The encoding “%1” is not known.").arg(encoding));
    const char* name = decoder.name();  // its usual spelling; ICU names not all
    QString text = decoder.decode(data);
    data = QByteArray();  // the larger of the two goes before the third is made
    return TableText{text.toUtf8(), name ? QString::fromLatin1(name) : encoding};
}

}  // namespace

Expected<QByteArray> readListFile(const QString& path, qint64 limit) {
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return Unexpected(TableTextText::tr("“%1” is not a file.").arg(shown(path)));
    const auto tooLarge = [&] {
        return Unexpected(
            TableTextText::tr("“%1” is larger than %2 MiB, the most a list of recipients may be.")
                .arg(shown(path))
                .arg(limit / (1024 * 1024)));
    };
    if (info.size() > limit)
        return tooLarge();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Unexpected(
            TableTextText::tr("Cannot read “%1”: %2").arg(shown(path), file.errorString()));
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Unexpected(
            TableTextText::tr("Cannot read “%1”: %2").arg(shown(path), file.errorString()));
    if (data.size() > limit)  // it grew since it was looked at
        return tooLarge();
    return data;
}

Expected<TableText> decodeTableText(QByteArray data, const QString& encoding,
                                    const QLocale& locale) {
    if (!encoding.isEmpty()) {
        if (QStringConverter::encodingForName(encoding.toLatin1().constData()) ==
                QStringConverter::Utf8 &&
            isValidUtf8(data)) {
            if (data.startsWith("\xEF\xBB\xBF"))
                data.remove(0, 3);
            return TableText{std::move(data), u"UTF-8"_s};
        }
        return decodeAs(std::move(data), encoding);
    }
    if (data.startsWith("\xEF\xBB\xBF")) {
        data.remove(0, 3);
        if (isValidUtf8(data))
            return TableText{std::move(data), u"UTF-8"_s};
        return decodeAs(std::move(data), u"UTF-8"_s);  // marks what it cannot read
    }
    if (data.startsWith("\xFF\xFE"))
        return decodeAs(std::move(data), u"UTF-16LE"_s);
    if (data.startsWith("\xFE\xFF"))
        return decodeAs(std::move(data), u"UTF-16BE"_s);
    if (std::memchr(data.constData(), 0, size_t(data.size())))
        return Unexpected(
            TableTextText::tr("This is not a text file. Save the list from the spreadsheet as "
                              "CSV (comma-separated values) and choose that file."));
    if (isValidUtf8(data))
        return TableText{std::move(data), u"UTF-8"_s};
    const QString legacy = legacyEncoding(locale);
    if (QStringDecoder(legacy.toLatin1().constData()).isValid())
        return decodeAs(std::move(data), legacy);
    // Qt without ICU knows no code pages; Latin-1 reads every byte.
    return decodeAs(std::move(data), u"ISO-8859-1"_s);
}

QString legacyEncoding(const QLocale& locale) {
    switch (locale.language()) {
        case QLocale::Albanian:
        case QLocale::Croatian:
        case QLocale::Czech:
        case QLocale::Hungarian:
        case QLocale::Polish:
        case QLocale::Romanian:
        case QLocale::Slovak:
        case QLocale::Slovenian:
            return u"windows-1250"_s;
        case QLocale::Bosnian:
        case QLocale::Serbian:
            return locale.script() == QLocale::LatinScript ? u"windows-1250"_s : u"windows-1251"_s;
        case QLocale::Belarusian:
        case QLocale::Bulgarian:
        case QLocale::Kazakh:
        case QLocale::Kyrgyz:
        case QLocale::Macedonian:
        case QLocale::Mongolian:
        case QLocale::Russian:
        case QLocale::Tatar:
        case QLocale::Ukrainian:
            return u"windows-1251"_s;
        case QLocale::Greek:
            return u"windows-1253"_s;
        case QLocale::Azerbaijani:
        case QLocale::Turkish:
            return u"windows-1254"_s;
        case QLocale::Hebrew:
            return u"windows-1255"_s;
        case QLocale::Arabic:
        case QLocale::Persian:
        case QLocale::Urdu:
            return u"windows-1256"_s;
        case QLocale::Estonian:
        case QLocale::Latvian:
        case QLocale::Lithuanian:
            return u"windows-1257"_s;
        case QLocale::Vietnamese:
            return u"windows-1258"_s;
        case QLocale::Thai:
            return u"windows-874"_s;
        case QLocale::Japanese:
            return u"Shift_JIS"_s;
        case QLocale::Chinese:
            return locale.script() == QLocale::TraditionalChineseScript ? u"Big5"_s : u"GBK"_s;
        case QLocale::Korean:
            return u"EUC-KR"_s;
        default:
            return u"windows-1252"_s;
    }
}

}  // namespace pelicast
