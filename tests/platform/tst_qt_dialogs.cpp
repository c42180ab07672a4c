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
        using B = Dialogs::Buttons;
        using A = Dialogs::Answer;
        auto row = [](const char* name, B buttons, A byDefault, const char* title,
                      const char* press, A answer, const char* shownTitle) {
            QTest::newRow(name) << int(buttons) << int(byDefault) << QString(title)
                                << QString(press) << int(answer) << QString(shownTitle);
        };
        row("no title", B::Ok, A::Ok, "", "OK", A::Ok, "Pelicast");
        row("own title", B::Ok, A::Ok, "Server Response:", "OK", A::Ok, "Server Response:");
        row("yes", B::YesNo, A::No, "", "&Yes", A::Yes, "Pelicast");
        row("no", B::YesNo, A::Yes, "", "&No", A::No, "Pelicast");
        row("escape is no", B::YesNo, A::Yes, "", "escape", A::No, "Pelicast");
    }
    void messageBox() {
        QFETCH(int, buttons);
        QFETCH(int, defaultAnswer);
        QFETCH(QString, title);
        QFETCH(QString, press);
        QFETCH(int, answer);
        QFETCH(QString, shownTitle);
        QString seenTitle, seenDefault;
        auto seenFormat = Qt::AutoText;
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
        const Dialogs::Message message(QStringLiteral("<b>Credits Left:</b> 5"),
                                       Dialogs::Buttons(buttons), Dialogs::Icon::Question, title,
                                       Dialogs::Answer(defaultAnswer));
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
