// SPDX-License-Identifier: GPL-3.0-or-later
// The resizable windows on a 1920×1080 screen at 200% (960×540 to lay out
// in), with window frames (data/hidpi-screen.json, which ctest names): each
// opens inside the screen, its buttons on it, and keeps its size and place
// between openings.
#include <QFile>
#include <QHelpEngine>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "core/settings/settings.h"
#include "gui/contact_editor.h"
#include "gui/history_window.h"
#include "gui/recipient_picker.h"
#include "pelicast-help/help_collection.h"
#include "pelicast-help/help_window.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

namespace {

using Make = std::unique_ptr<QWidget> (*)();
template <typename Window>
std::unique_ptr<QWidget> make() {
    return std::make_unique<Window>();
}
std::unique_ptr<QWidget> makeHelp() {
    return std::make_unique<help::HelpWindow>(
        std::move(*help::openCollection(help::installedCollection())));
}
const std::tuple<const char*, SettingsKey, Make> kWindows[] = {
    {"History", keys::windows::kHistory, make<HistoryWindow>},
    {"picker", keys::windows::kPicker, make<RecipientPicker>},
    {"editor", keys::windows::kEditor, make<ContactEditor>},
    {"help", keys::windows::kHelp, makeHelp}};

}  // namespace

Q_DECLARE_METATYPE(SettingsKey)
Q_DECLARE_METATYPE(Make)

class TestWindowGeometry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void opensInsideTheScreen_data() {
        QTest::addColumn<SettingsKey>("key");
        QTest::addColumn<Make>("make");
        QTest::addColumn<QString>("stored");  // before the first opening
        for (const auto& [name, key, make] : kWindows) {
            QTest::addRow("%s, first time", name) << key << make << QString();
            // Kept at 100% on a larger screen, or on a screen that is gone.
            QTest::addRow("%s, kept larger", name) << key << make << u"300,200,1900,1000"_s;
            QTest::addRow("%s, kept elsewhere", name) << key << make << u"-3000,2500,500,300"_s;
        }
    }
    void opensInsideTheScreen() {
        QFETCH(SettingsKey, key);
        QFETCH(Make, make);
        QFETCH(QString, stored);
        QFile::remove(Settings::fileName());
        if (!stored.isEmpty())
            Settings().setValue(key, stored);
        std::unique_ptr<QWidget> window = make();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const QRect screen = window->screen()->availableGeometry();
        QCOMPARE(screen.size(), QSize(960, 540));
        QVERIFY(screen.contains(window->frameGeometry()));
        for (const QPushButton* button : window->findChildren<QPushButton*>()) {
            if (button->isVisible())
                QVERIFY(screen.contains(QRect(button->mapToGlobal(QPoint()), button->size())));
        }
        // Kept as it is now, and opened so again.
        window->setGeometry(window->geometry().adjusted(0, 0, -20, -10));
        const QRect geometry = window->geometry();
        window->close();
        window.reset();
        QVERIFY(!Settings().value(key).isEmpty());
        window = make();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QCOMPARE(window->geometry(), geometry);
    }
};

QTEST_MAIN(TestWindowGeometry)
#include "tst_window_geometry.moc"
