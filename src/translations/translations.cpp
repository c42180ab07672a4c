// SPDX-License-Identifier: GPL-3.0-or-later
#include "translations/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <vector>

using namespace Qt::StringLiterals;

namespace pelicast::translations {

namespace {

const QString kOwnFolder = u":/pelicast/translations"_s;
const QString kEnglish = u"en"_s;

struct Installed {
    std::vector<std::unique_ptr<QTranslator>> translators;
    QString language = kEnglish;
};

Installed& installed() {
    static Installed state;
    return state;
}

void add(std::unique_ptr<QTranslator> translator) {
    QCoreApplication::installTranslator(translator.get());
    installed().translators.push_back(std::move(translator));
}

}  // namespace

QString install(const QLocale& locale, const QStringList& qtCatalogues) {
    Installed& state = installed();
    for (const auto& translator : state.translators)
        QCoreApplication::removeTranslator(translator.get());
    state.translators.clear();
    state.language = kEnglish;

    auto english = std::make_unique<QTranslator>();
    if (english->load(u"pelicast_en"_s, kOwnFolder))
        add(std::move(english));
    // The first language of the user's list that we speak; English, ours
    // already, ends the search.
    for (const QString& name : locale.uiLanguages()) {
        const QString code = QLocale(name).name().section(u'_', 0, 0);
        if (code == kEnglish)
            break;
        auto own = std::make_unique<QTranslator>();
        if (!own->load(u"pelicast_"_s + code, kOwnFolder))
            continue;
        add(std::move(own));
        state.language = code;
        // Qt's own, else ours where Qt has none for the language.
        const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
        for (const QString& catalogue : qtCatalogues) {
            auto qt = std::make_unique<QTranslator>();
            if (qt->load(catalogue + u'_' + code, qtFolder) ||
                qt->load(catalogue + u'_' + code, kOwnFolder))
                add(std::move(qt));
        }
        break;
    }
    return state.language;
}

QString language() {
    return installed().language;
}

}  // namespace pelicast::translations
