#include <QTest>

#include "app/request_channel.h"
#include "app/user_data.h"
#include "fakes/fake_services.h"

using namespace pelicast;
using platform::Dialogs;

namespace {
// The window side of the channel, as plain values.
struct Window : ChannelHost {
    void setStatusText(const QString& text) override { status = text; }
    void setMousePointer(int value) override { pointer = value; }
    void setBalanceCaption(const QString& caption) override { balance = caption; }
    QWidget* dialogParent() override { return nullptr; }
    QString status;
    int pointer = 0;
    QString balance = QStringLiteral("Credits Left: Unknown");
};

struct Channel {
    fakes::FakeServices fake;
    Window window;
    userdata::UserData data{fake.settings};
    RequestChannel channel{fake.inet, fake.dialogs, data, window};

    void post() {
        channel.post(QStringLiteral("https://secure.quillo.example/comcredits.asp"),
                     QStringLiteral("user=a&pass=b"), QStringLiteral("Sending request..."));
    }
    // The one box shown, and the window freed for the next request.
    Dialogs::Message finished() {
        [&] {
            QCOMPARE(fake.dialogs.shown.size(), 1);
            QCOMPARE(window.status, QString());
            QCOMPARE(window.pointer, 1);
            QVERIFY(!channel.busy());
        }();
        return fake.dialogs.shown.value(0);
    }
};
}  // namespace

class RequestChannelTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void posts_one_request() {
        Channel c;
        c.post();
        QCOMPARE(c.fake.inet.requests.size(), 1);
        const auto& request = c.fake.inet.requests.first();
        QCOMPARE(request.url, QStringLiteral("https://secure.quillo.example/comcredits.asp"));
        QCOMPARE(request.body, QStringLiteral("user=a&pass=b"));
        QCOMPARE(request.headers,
                 QStringLiteral("Content-Type: application/x-www-form-urlencoded"));
        QCOMPARE(c.window.status, QStringLiteral("Sending request..."));
        QCOMPARE(c.window.pointer, 13);
    }

    void shows_reply_and_keeps_balance_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("balance");  // null: unchanged
        QTest::addColumn<QList<int>>("chunks");
        const QList<int> two{1024, 1024};
        QTest::newRow("empty reply") << QString() << QString() << two;
        QTest::newRow("exactly 1024 characters") << QString(1011, 'x') + "Credits Left:"
                                                 << "Credits Left:" << two;
        QTest::newRow("1025 characters")
            << QString(1025, 'x') << QString() << QList<int>{1024, 1024, 1024};
        QTest::newRow("balance at the end") << "Message sent.\r\nCredits Left: 87"
                                            << "Credits Left: 87" << two;
        QTest::newRow("marker twice") << "Credits Left: 5\r\nCredits Left: 6"
                                      << "Credits Left: 5\r\n"
                                      << two;
        QTest::newRow("marker with nothing behind") << "Credits Left:"
                                                    << "Credits Left:" << two;
        QTest::newRow("marker only in capitals") << "CREDITS LEFT: 5" << QString() << two;
        QTest::newRow("no marker") << "Wrong password." << QString() << two;
    }
    void shows_reply_and_keeps_balance() {
        QFETCH(QString, reply);
        QFETCH(QString, balance);
        QFETCH(QList<int>, chunks);
        Channel c;
        c.fake.settings.set("credits", " 1");
        c.post();
        c.fake.inet.reply(reply);

        const Dialogs::Message box = c.finished();
        QCOMPARE(box.text, reply);
        QCOMPARE(box.title, QStringLiteral("Server Response:"));
        QCOMPARE(c.fake.inet.chunkSizes, chunks);
        QCOMPARE(c.window.balance, balance.isNull() ? "Credits Left: Unknown" : balance);
        QCOMPARE(c.fake.settings.get("credits"), balance.isNull() ? " 1" : balance.mid(13));
    }

    void other_states_change_nothing() {
        Channel c;
        c.post();
        for (int state : {0, 1, 5, 7, 8, 10, 13})
            Q_EMIT c.fake.inet.StateChanged(state);
        QVERIFY(c.fake.dialogs.shown.isEmpty());
        QCOMPARE(c.window.status, QStringLiteral("Sending request..."));
        QCOMPARE(c.window.pointer, 13);
        QVERIFY(c.channel.busy());
    }

    void failed_request_is_told_and_the_window_freed() {
        Channel c;
        c.fake.settings.set("credits", " 9");
        c.post();
        c.fake.inet.fail(QStringLiteral("Connection refused"));
        const Dialogs::Message box = c.finished();
        QVERIFY(box.text.contains(QStringLiteral("did not reach the gateway")));
        QVERIFY(box.text.contains(QStringLiteral("Connection refused")));
        QCOMPARE(box.title, QString());  // the application title
        QCOMPARE(c.window.balance, QStringLiteral("Credits Left: Unknown"));
        QCOMPARE(c.fake.settings.get("credits"), QStringLiteral(" 9"));
    }

    void second_request_is_refused() {
        Channel c;
        QVERIFY(!c.channel.refuseIfBusy());
        c.post();
        QVERIFY(c.channel.refuseIfBusy());
        QCOMPARE(c.fake.dialogs.lastText(),
                 QStringLiteral("A request is already in progress. Please wait for the "
                                "server's reply."));
        QCOMPARE(c.fake.inet.requests.size(), 1);
        c.fake.inet.reply(QStringLiteral("ok"));
        QVERIFY(!c.channel.refuseIfBusy());
    }
};

QTEST_GUILESS_MAIN(RequestChannelTest)
#include "tst_request_channel.moc"
