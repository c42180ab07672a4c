// SPDX-License-Identifier: GPL-3.0-or-later
// Each translation, loaded as a user's language loads it, leaves no English in
// the main window and the windows it opens: every visible text is compared
// with the same widget's text in English.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include "core/book/recipient_table.h"
#include "gui/main_window.h"
#include "gui/recipient_file_dialog.h"
#include "translations/translations.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

namespace {

// Where (window, widget in the order the window makes them, what), and what it says.
using Texts = QHash<QString, QString>;

void add(Texts& texts, const QString& where, const QString& text) {
    if (!text.isEmpty())
        texts.insert(where, text);
}

void collect(Texts& texts, QWidget* window) {
    const QString name = QString::fromLatin1(window->metaObject()->className());
    add(texts, name + u" title"_s, window->windowTitle());
    int n = 0;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const QString at = name + u'/' + QString::number(n++) + u'/' + w->objectName();
        // Each window's own; its dialogs are collected as windows of their own.
        if (w->window() != window || (!w->isVisibleTo(window) && !qobject_cast<QMenu*>(w)))
            continue;
        add(texts, at + u" tip"_s, w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w))
            add(texts, at, label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(texts, at, button->text());
        if (auto* box = qobject_cast<QGroupBox*>(w))
            add(texts, at, box->title());
        if (auto* menu = qobject_cast<QMenu*>(w))
            add(texts, at, menu->title());
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            add(texts, at + u" hint"_s, edit->placeholderText());
        if (auto* combo = qobject_cast<QComboBox*>(w))
            add(texts, at,
                combo->currentText().isEmpty() ? combo->placeholderText() : combo->currentText());
        if (auto* spin = qobject_cast<QSpinBox*>(w))
            add(texts, at, spin->suffix());
        if (auto* tabs = qobject_cast<QTabWidget*>(w)) {
            for (int i = 0; i < tabs->count(); ++i)
                add(texts, at + u" tab"_s, tabs->tabText(i));
        }
        if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
            for (int c = 0; c < view->model()->columnCount(); ++c)
                add(texts, at + u" column "_s + QString::number(c),
                    view->model()->headerData(c, Qt::Horizontal).toString());
        }
    }
    for (QAction* action : window->findChildren<QAction*>())
        add(texts, name + u" action "_s + action->objectName(), action->text());
}

// The main window and what its menus and buttons open, and the mapping step
// of a list file.
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
    QString listFile_;

private Q_SLOTS:
    void initTestCase() {
        QCoreApplication::setApplicationName(u"Pelicast"_s);
        QCoreApplication::setApplicationVersion(u"1.0"_s);
        listFile_ = dir_.filePath(u"list.csv"_s);
        QFile file(listFile_);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("6944111222,Maria\n6944111333,Nikos\n");
    }
    void cleanup() { translations::install(QLocale(QLocale::English)); }

    // `same`: texts the language writes as English does, beside names.
    void noEnglishLeft_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QStringList>("same");
        QTest::newRow("German") << u"de"_s << QStringList{u"OK"_s,
                                                          u"&Port"_s,
                                                          u"Port"_s,
                                                          u"Version 1.0"_s,
                                                          u"&900 Credits"_s,
                                                          u"&2.500 Credits"_s,
                                                          u"&5.500 Credits"_s,
                                                          u"&12.000 Credits"_s};
        QTest::newRow("Greek") << u"el"_s << QStringList{u"0 SMS · GSM 7-bit"_s};
    }
    void noEnglishLeft() {
        QFETCH(QString, language);
        QFETCH(QStringList, same);
        QCOMPARE(translations::install(QLocale(QLocale::English)), u"en"_s);
        const Texts english = textsOfWindows(listFile_);
        QCOMPARE(translations::install(QLocale(language)), language);
        const Texts translated = textsOfWindows(listFile_);
        QCOMPARE(QSet(translated.keyBegin(), translated.keyEnd()),
                 QSet(english.keyBegin(), english.keyEnd()));
        // A text without a word ("<", "160") reads the same in every language.
        static const QRegularExpression word(u"[A-Za-z]{2}"_s);
        same << u"Pelicast"_s << u"Quillo"_s << u"S&MS"_s << u"&http"_s << u"UTF-8"_s;
        QStringList left;
        for (auto it = english.cbegin(); it != english.cend(); ++it) {
            if (translated.value(it.key()) == *it && it->contains(word) && !same.contains(*it))
                left.append(it.key() + u": "_s + *it);
        }
        left.sort();
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u'\n')));
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
