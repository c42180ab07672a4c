// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/message/recipient_check.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <QHash>
#include <QLibrary>
#include <QLocale>
#include <QTimeZone>
#include <algorithm>

#include "core/message/phone_numbers.h"
#include "core/settings/installation.h"
#include "translations/translations.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// The rules, loaded at their first use; null when the module cannot be, and
// then no region is known, so that numbers are compared by their text.
const phone_numbers::Functions* rules() {
    static const phone_numbers::Functions* const functions =
        []() -> const phone_numbers::Functions* {
        QLibrary module(installation::phoneNumbersModule());
        const auto entry =
            reinterpret_cast<phone_numbers::Entry>(module.resolve(phone_numbers::kEntryPoint));
        if (!entry) {
            qWarning("Phone numbers cannot be checked: %s", qPrintable(module.errorString()));
            return nullptr;
        }
        return entry();
    }();
    return functions;
}

QString withoutPunctuation(QStringView number) {
    QString compact;
    compact.reserve(number.size());
    for (QChar ch : number) {
        if (!ch.isSpace() && !QStringView(u"-.()[]").contains(ch))
            compact += ch;
    }
    return compact;
}

// "+…" or "00…", read without a region; "00" as the prefix most of the
// world dials abroad with.
bool isInternational(QStringView compact) {
    return compact.startsWith(u'+') || compact.startsWith(u"00");
}

QString internationalForm(const QString& compact) {
    return compact.startsWith(u"00") ? u'+' + compact.sliced(2) : compact;
}

}  // namespace

// The brackets of a label may hold brackets of their own.
QStringView recipientNumber(QStringView element) {
    if (!element.endsWith(u')'))
        return element;
    int depth = 0;
    for (qsizetype i = element.size() - 1; i >= 0; --i) {
        if (element.at(i) == u')')
            ++depth;
        else if (element.at(i) == u'(' && --depth == 0)
            return i == 0 ? element : element.sliced(i + 1, element.size() - i - 2);
    }
    return element;
}

NumberKeys::NumberKeys(const QString& region, bool regionKnown)
    : inRegion_(isPhoneRegion(region)),
      // Without the rules nothing can be read: compared as text all the same.
      byText_(!inRegion_ && (regionKnown || !rules())),
      // libphonenumber's code for "no region": international numbers only.
      region_(inRegion_ ? region.toStdString() : std::string("ZZ")) {}

bool NumberKeys::needsRegion(QStringView element) const {
    return !byText_ && !inRegion_ && !isInternational(withoutPunctuation(recipientNumber(element)));
}

QString NumberKeys::of(QStringView element) const {
    const QString compact = withoutPunctuation(recipientNumber(element));
    // Without a region nothing is refused, not even an element that is all
    // punctuation.
    if (byText_)
        return compact.isEmpty() ? element.toString() : compact;
    if (needsRegion(element))
        return {};
    int countryCode = 0;
    std::string national;
    if (!rules()->read((inRegion_ ? compact : internationalForm(compact)).toStdString(), region_,
                       &countryCode, &national))
        return {};
    return QString::number(countryCode) + u' ' + QString::fromStdString(national);
}

RecipientReport checkRecipients(const QString& recipients, const QString& region,
                                bool regionKnown) {
    const NumberKeys numberKeys(region, regionKnown);
    RecipientReport report;
    const QList<QStringView> pieces = QStringView(recipients).split(u';');
    QList<bool> kept(pieces.size(), true);
    QList<QStringList> named;        // elements per number, in order of first mention
    QHash<QString, qsizetype> seen;  // key -> index in `named`
    QHash<QString, QString> keys;    // pasted lists repeat numbers: read each once
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const QStringView element = pieces.at(i).trimmed();
        if (element.isEmpty())
            continue;
        const QString text = element.toString();
        if (numberKeys.needsRegion(element)) {
            report.national.append(text);
            continue;
        }
        auto cached = keys.constFind(text);
        if (cached == keys.cend())
            cached = keys.insert(text, numberKeys.of(element));
        const QString key = *cached;
        if (key.isEmpty()) {
            report.impossible.append(text);
            continue;
        }
        const qsizetype first = seen.value(key, -1);
        if (first < 0) {
            seen.insert(key, named.size());
            named.append({text});
        } else {
            named[first].append(text);
            kept[i] = false;
        }
    }
    for (const QStringList& elements : std::as_const(named)) {
        if (elements.size() > 1)
            report.repeats.append(elements);
    }
    if (report.repeats.isEmpty()) {
        report.withoutRepeats = recipients;
        return report;
    }
    QStringList sent;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (kept.at(i))
            sent.append(pieces.at(i).toString());
    }
    report.withoutRepeats = sent.join(u';');
    return report;
}

QStringList phoneRegions() {
    QStringList codes;
    if (!rules())
        return codes;
    for (const std::string& region : rules()->regions())
        codes.append(QString::fromStdString(region));
    return codes;
}

QStringList phoneRegionsByName() {
    QList<std::pair<QString, QString>> regions;  // name, code
    for (const QString& code : phoneRegions())
        regions.append({phoneRegionName(code), code});
    std::sort(regions.begin(), regions.end(), [](const auto& a, const auto& b) {
        return QString::localeAwareCompare(a.first, b.first) < 0;
    });
    QStringList codes;
    for (const auto& region : std::as_const(regions))
        codes.append(region.second);
    return codes;
}

QString phoneNumberLibraryVersion() {
    return rules() ? QString::fromStdString(rules()->libraryVersion()) : QString();
}

bool isPhoneRegion(const QString& region) {
    return callingCode(region) != 0;
}

int callingCode(const QString& region) {
    if (region.size() != 2 || !rules())
        return 0;
    return rules()->callingCode(region.toStdString());
}

QString phoneRegionName(const QString& region) {
    const QLocale::Territory territory = QLocale::codeToTerritory(region);
    QString name =
        territory == QLocale::AnyTerritory ? region : QLocale::territoryToString(territory);
    // Qt names countries in English only; ICU in the language the program speaks.
    if (const QString language = translations::language(); language != u"en"_s) {
        icu::UnicodeString shown;
        icu::Locale("", region.toLatin1().constData())
            .getDisplayCountry(icu::Locale(language.toLatin1().constData()), shown);
        if (!shown.isBogus() && shown.length() > 0)
            name = QString(reinterpret_cast<const QChar*>(shown.getBuffer()), shown.length());
    }
    return u"%1 (+%2)"_s.arg(name).arg(callingCode(region));
}

QString systemPhoneRegion() {
    const QString region = QLocale::territoryToCode(QLocale::system().territory());
    return isPhoneRegion(region) ? region : QString();
}

QString guessedPhoneRegion() {
    const QString region = QLocale::territoryToCode(QTimeZone::systemTimeZone().territory());
    return isPhoneRegion(region) ? region : systemPhoneRegion();
}

}  // namespace pelicast
