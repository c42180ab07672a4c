// SPDX-License-Identifier: GPL-3.0-or-later
// The resizable windows on a 1920×1080 screen at 200% (960×540 to lay out
// in), with window frames: each opens inside the screen, its buttons on it,
// and keeps its size and place between openings.
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QHelpEngine>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

#include "core/settings/settings.h"
#include "gui/contact_editor.h"
#include "gui/history_window.h"
#include "gui/recipient_picker.h"
#include "gui/window_geometry.h"
#include "pelicast-help/help_collection.h"
#include "pelicast-help/help_window.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

namespace {

using Open = std::function<std::unique_ptr<QWidget>()>;

// Every window, opened as the program opens it.
QList<std::tuple<const char*, SettingsKey, Open>> windows() {
    return {{"History", keys::windows::kHistory,
             [] {
                 auto window = std::make_unique<HistoryWindow>();
                 window->showHistory();
                 return window;
             }},
            {"picker", keys::windows::kPicker,
             [] {
                 auto window = std::make_unique<RecipientPicker>();
                 window->showPicker();
                 return window;
             }},
            {"editor", keys::windows::kEditor,
             [] {
                 auto window = std::make_unique<ContactEditor>();
                 window->newContact();
                 return window;
             }},
            {"help", keys::windows::kHelp, [] {
                 auto window = std::make_unique<help::HelpWindow>(
                     std::move(*help::openCollection(help::installedCollection())));
                 window->show();
                 return window;
             }}};
}

}  // namespace

Q_DECLARE_METATYPE(SettingsKey)
Q_DECLARE_METATYPE(Open)

class TestWindowGeometry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensInsideTheScreen_data() {
        QTest::addColumn<SettingsKey>("key");
        QTest::addColumn<Open>("open");
        QTest::addColumn<QString>("stored");  // before the first opening
        for (const auto& [name, key, open] : windows()) {
            QTest::addRow("%s, first time", name) << key << open << QString();
            // Kept at 100% on a larger screen, or on a screen that is gone.
            QTest::addRow("%s, kept larger", name) << key << open << u"300,200,1900,1000"_s;
            QTest::addRow("%s, kept elsewhere", name) << key << open << u"-3000,2500,500,300"_s;
        }
    }
    void opensInsideTheScreen() {
        QFETCH(SettingsKey, key);
        QFETCH(Open, open);
        QFETCH(QString, stored);
        QFile::remove(Settings::fileName());
        if (!stored.isEmpty())
            Settings().setValue(key, stored);
        std::unique_ptr<QWidget> window = open();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QRect screen = window->screen()->availableGeometry();
        QCOMPARE(screen.size(), QSize(960, 540));
        QVERIFY2(screen.contains(window->frameGeometry()),
                 qPrintable(u"%1,%2 %3x%4"_s.arg(window->frameGeometry().x())
                                .arg(window->frameGeometry().y())
                                .arg(window->frameGeometry().width())
                                .arg(window->frameGeometry().height())));
        for (const QPushButton* button : window->findChildren<QPushButton*>()) {
            if (button->isVisible())
                QVERIFY(screen.contains(QRect(button->mapToGlobal(QPoint()), button->size())));
        }
        // Kept as it is now, and opened so again.
        window->setGeometry(window->geometry().adjusted(10, 10, -20, -10));
        const QRect geometry = window->geometry();
        window->close();
        window.reset();
        QVERIFY(!Settings().value(key).isEmpty());
        window = open();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->geometry(), geometry);
    }
};

// The screen is set before the application object exists.
int main(int argc, char* argv[]) {
    QTemporaryDir folder;
    QFile screens(folder.filePath(u"screens.json"_s));
    if (!screens.open(QIODevice::WriteOnly) ||
        screens.write(R"({"windowFrameMargins": true, "screens": [{"name": "hidpi",
            "x": 0, "y": 0, "width": 1920, "height": 1080,
            "logicalDpi": 96, "logicalBaseDpi": 96}]})") < 0)
        return 1;
    screens.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(screens.fileName()));
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    TestWindowGeometry test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window_geometry.moc"
