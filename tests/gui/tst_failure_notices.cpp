// SPDX-License-Identifier: GPL-3.0-or-later
// Windows against what they are fed: settings that cannot be saved or hold
// runaway values, and replies with markup or without end.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "core/settings/preferences.h"
#include "core/settings/settings.h"
#include "gui/main_window.h"
#include "gui/message_box.h"
#include "gui/options_dialog.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

const GatewayLocation kNowhere{u"http://www."_s, u"https://secure."_s, u"quillo.example"_s};

class TestFailureNotices : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Runaway values in a read-only file: the window still fits the screen,
    // and the user hears once that settings cannot be saved, and again, over
    // Options left open, each time Options is saved.
    void startsFromHostileSettings() {
        Settings().setValue(keys::kRecent1, u"0944123456;"_s.repeated(20000));
        Settings().setValue(keys::kCredits, u" 5"_s + QString(3000, u'\n'));
        QVERIFY(QFile::setPermissions(Settings::fileName(), QFileDevice::ReadOwner));
        MessageBox::startRecording();
        MainWindow window(kNowhere);
        window.show();
        QVERIFY(window.screen()->availableGeometry().contains(window.frameGeometry()));
        for (int box = 0; box < 3; ++box)
            MessageBox::setNextAnswer(MessageBox::Answer::Ok);
        window.findChild<QPushButton*>(u"OKButton"_s)->click();  // stores the account first
        QTRY_COMPARE(MessageBox::shownTexts().size(), 2);
        window.findChild<QAction*>(u"opmenu"_s)->trigger();
        auto* options = window.findChild<OptionsDialog*>();
        options->findChild<QCheckBox*>(u"confirmCost"_s)->setChecked(true);
        options->findChild<QPushButton*>(u"cmdOK"_s)->click();
        QVERIFY(options->isVisible() && !Preferences::load(Settings()).confirmCost);
        const QStringList told = MessageBox::shownTexts().filter(u"cannot be saved"_s);
        QCOMPARE(told.size(), 2);
        for (const QString& text : told)
            QVERIFY2(text.endsWith(u"Quillo.conf is read-only."_s), qPrintable(text));
    }

    void repliesAreShownAsTheyCame_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("markup") << u"<b>Sent</b><img src=x>"_s;
        QTest::newRow("long") << u"Credits Left: <b>5</b>\n"_s.repeated(4000);
    }
    void repliesAreShownAsTheyCame() {
        QFETCH(QString, text);
        bool shown = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* box = QApplication::activeModalWidget();
            const auto* edit = box->findChild<QPlainTextEdit*>();
            const auto* label = box->findChild<QLabel*>(u"qt_msgbox_label"_s);
            shown = box->screen()->availableGeometry().contains(box->frameGeometry()) &&
                    (edit ? edit->toPlainText() == text && edit->verticalScrollBar()->maximum() > 0
                          : label->text() == text && label->textFormat() == Qt::PlainText);
            box->close();
        });
        MessageBox::tell(nullptr, text, u"Server Response:"_s);
        QVERIFY(shown);
    }
};

QTEST_MAIN(TestFailureNotices)
#include "tst_failure_notices.moc"
