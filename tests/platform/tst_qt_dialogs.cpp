#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/qt_application_object.h"
#include "platform/qt_dialogs.h"

using pelicast::platform::Dialogs;
using pelicast::platform::QtApplicationObject;
using pelicast::platform::QtDialogs;

namespace {

// Runs `act` on the first modal box that comes up, from the event loop.
void whenBoxShows(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            poll->deleteLater();
            poll->stop();
            act(box);
        }
    });
    poll->start(10);
}

}  // namespace

class TestQtDialogs : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void messageBox_data() {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("defaultAnswer");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("press");  // a button text, or "escape"
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("shownTitle");
        const int ok = int(Dialogs::Buttons::Ok);
        const int yesNo = int(Dialogs::Buttons::YesNo);
        QTest::newRow("no title") << ok << int(Dialogs::Answer::Ok) << ""
                                  << "OK" << int(Dialogs::Answer::Ok) << "Pelicast";
        QTest::newRow("own title") << ok << int(Dialogs::Answer::Ok) << "Server Response:"
                                   << "OK" << int(Dialogs::Answer::Ok) << "Server Response:";
        QTest::newRow("yes") << yesNo << int(Dialogs::Answer::No) << ""
                             << "&Yes" << int(Dialogs::Answer::Yes) << "Pelicast";
        QTest::newRow("no") << yesNo << int(Dialogs::Answer::Yes) << ""
                            << "&No" << int(Dialogs::Answer::No) << "Pelicast";
        QTest::newRow("escape is no") << yesNo << int(Dialogs::Answer::Yes) << ""
                                      << "escape" << int(Dialogs::Answer::No) << "Pelicast";
    }
    void messageBox() {
        QFETCH(int, buttons);
        QFETCH(int, defaultAnswer);
        QFETCH(QString, title);
        QFETCH(QString, press);
        QFETCH(int, answer);
        QFETCH(QString, shownTitle);
        QString seenTitle, seenDefault;
        Qt::TextFormat seenFormat = Qt::AutoText;
        whenBoxShows([&](QWidget* widget) {
            auto* box = qobject_cast<QMessageBox*>(widget);
            seenTitle = box->windowTitle();
            seenFormat = box->textFormat();
            seenDefault = box->defaultButton()->text();
            if (press == QLatin1String("escape")) {
                QTest::keyClick(box, Qt::Key_Escape);
                return;
            }
            for (QAbstractButton* button : box->buttons())
                if (button->text() == press)
                    button->click();
        });
        QtDialogs dialogs(QtApplicationObject().Title());
        Dialogs::Message message;
        message.text = QStringLiteral("<b>Credits Left:</b> 5");
        message.buttons = Dialogs::Buttons(buttons);
        message.defaultButton = Dialogs::Answer(defaultAnswer);
        message.title = title;
        message.icon = Dialogs::Icon::Question;
        QCOMPARE(int(dialogs.MsgBox(nullptr, message)), answer);
        QCOMPARE(seenTitle, shownTitle);
        QCOMPARE(seenFormat, Qt::PlainText);
        if (buttons == int(Dialogs::Buttons::YesNo))
            QCOMPARE(seenDefault, defaultAnswer == int(Dialogs::Answer::No)
                                      ? QStringLiteral("&No")
                                      : QStringLiteral("&Yes"));
    }

    void inputBox_data() {
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("result");
        QTest::newRow("ok") << true << "New group";
        QTest::newRow("cancel") << false << "";
    }
    void inputBox() {
        QFETCH(bool, accept);
        QFETCH(QString, result);
        QString seenTitle, seenProposed;
        whenBoxShows([&](QWidget* widget) {
            auto* dialog = qobject_cast<QInputDialog*>(widget);
            seenTitle = dialog->windowTitle();
            seenProposed = dialog->textValue();
            dialog->setTextValue(QStringLiteral("New group"));
            accept ? dialog->accept() : dialog->reject();
        });
        QtDialogs dialogs(QStringLiteral("Pelicast"));
        QCOMPARE(dialogs.InputBox(nullptr, QStringLiteral("Group name:"), {},
                                  QStringLiteral("proposed")),
                 result);
        QCOMPARE(seenTitle, QStringLiteral("Pelicast"));
        QCOMPARE(seenProposed, QStringLiteral("proposed"));
    }
};

QTEST_MAIN(TestQtDialogs)

#include "tst_qt_dialogs.moc"
