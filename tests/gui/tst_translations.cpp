// SPDX-License-Identifier: GPL-3.0-or-later
// Each translation, loaded as a user's language loads it, leaves no English in
// the main window and the windows it opens: every visible text is compared
// with the same widget's text in English.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QDateEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

#include "core/book/recipient_table.h"
#include "gui/batch_preview_dialog.h"
#include "gui/batch_progress_dialog.h"
#include "gui/main_window.h"
#include "gui/recipient_file_dialog.h"
#include "translations/translations.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

namespace {

// Where (window, widget in the order the window makes it, what), and what it says.
using Texts = QHash<QString, QString>;

void collect(Texts& texts, QWidget* window) {
    const QString name = QString::fromLatin1(window->metaObject()->className());
    texts.insert(name, window->windowTitle());
    // What a widget shows, whatever its kind; a date edit's text is a date.
    const char* const shown[] = {"text",        "title", "toolTip", "placeholderText",
                                 "currentText", "suffix"};
    int n = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const QString at = name + u'/' + QString::number(n++) + u'/';
        // Each window's own; its dialogs are collected as windows of their own.
        if (w->window() != window || (!w->isVisibleTo(window) && !qobject_cast<QMenu*>(w)) ||
            qobject_cast<QDateEdit*>(w) || qobject_cast<QDateEdit*>(w->parentWidget()) ||
            // Scroll bars come and go with the width of the words.
            qobject_cast<QScrollBar*>(w) ||
            w->findChild<QScrollBar*>(QString(), Qt::FindDirectChildrenOnly))
            continue;
        for (const char* property : shown)
            texts.insert(at + QLatin1String(property), w->property(property).toString());
        const auto* view = qobject_cast<QAbstractItemView*>(w);
        for (int c = 0; view && view->model() && c < view->model()->columnCount(); ++c)
            texts.insert(at + QString::number(c),
                         view->model()->headerData(c, Qt::Horizontal).toString());
    }
    for (QAction* action : window->findChildren<QAction*>())
        texts.insert(name + u'/' + action->objectName(), action->text());
}

// The main window and what its menus and buttons open, the mapping step of a
// list file, and the preview and progress of a batch.
Texts textsOfWindows(const QString& listFile) {
    Texts texts;
    MainWindow window(GatewayLocation::builtIn());
    window.show();
    window.showOptions();
    window.showAbout();
    window.showHistory();
    window.pickRecipients();
    for (QWidget* open : QApplication::topLevelWidgets()) {
        if (open->objectName() == u"AboutDialog"_s)
            open->findChild<QAbstractButton*>(u"cmdSysInfo"_s)->click();
        if (open->objectName() == u"RecipientPicker"_s)
            open->findChild<QAbstractButton*>(u"addcon"_s)->click();
    }
    RecipientFileDialog file(listFile, *RecipientTable::read(listFile), u"GR"_s);
    file.show();
    BatchPreviewDialog preview(u"Hi {Name}"_s, file.recipients(), {}, std::nullopt);
    preview.show();
    BatchProgressDialog progress;
    progress.start(3);
    for (QWidget* open : QApplication::topLevelWidgets()) {
        if (open->isVisible())
            collect(texts, open);
    }
    return texts;
}

}  // namespace

class TestTranslations : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private Q_SLOTS:
    void cleanup() { translations::install(QLocale(QLocale::English)); }

    // `same`: what the language writes as English does, beside the names.
    void noEnglishLeft_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("same");
        QTest::newRow("German") << u"de"_s << u"OK|&?Port|Version 1.0|&[0-9.]+ Credits|Alphabet"_s;
        QTest::newRow("Greek") << u"el"_s << u"0 SMS · GSM 7-bit"_s;
    }
    void noEnglishLeft() {
        QFETCH(QString, language);
        QFETCH(QString, same);
        QCoreApplication::setApplicationName(u"Pelicast"_s);
        QCoreApplication::setApplicationVersion(u"1.0"_s);
        QFile list(dir_.filePath(u"list.csv"_s));
        QVERIFY(list.open(QIODevice::WriteOnly) && list.write("6944111222,Maria\n") > 0);
        list.close();
        QCOMPARE(translations::install(QLocale(QLocale::English)), u"en"_s);
        const Texts english = textsOfWindows(list.fileName());
        QCOMPARE(translations::install(QLocale(language)), language);
        const Texts translated = textsOfWindows(list.fileName());
        QCOMPARE(translated.keys().size(), english.keys().size());
        // A text without a word ("<", "160") reads the same in every language.
        const QRegularExpression kept(
            u"^(Pelicast|Quillo|S&MS|&http|UTF-8|%1)$|^[^A-Za-z]*$"_s.arg(same));
        QStringList left;
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            if (translated.value(it.key()) == *it && !it->contains(kept))
                left.append(it.key() + u": "_s + *it);
        }
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u'\n')));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
