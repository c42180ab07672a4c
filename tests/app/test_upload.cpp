#include <QJsonArray>
#include <QTest>
#include <QUrl>

#include "addressbook/picker_host.h"
#include "app/contact_upload.h"
#include "app/gateway_contract.h"
#include "app/request_channel.h"
#include "app/user_data.h"
#include "fakes/fake_services.h"
#include "fakes/gateway_process.h"
#include "fakes/memory_address_book.h"
#include "platform/network_transfer.h"

using namespace pelicast;
using Answer = platform::Dialogs::Answer;
using Fields = QList<std::pair<QString, QString>>;

namespace {

// The main window as the upload and the request channel see it.
struct Host : UploadHost, ChannelHost {
    QString usernameText() const override { return user; }
    QString passwordText() const override { return password; }
    void focusUsername() override { focus = QStringLiteral("Uname"); }
    void focusPassword() override { focus = QStringLiteral("Pass"); }
    void setStatusText(const QString& text) override { statuses.append(text); }
    void setMousePointer(int value) override { pointer = value; }
    void setBalanceCaption(const QString&) override {}
    QWidget* dialogParent() override { return nullptr; }

    QString user = QStringLiteral(" demo ");
    QString password = QStringLiteral("secret");
    QString focus;
    QStringList statuses;
    int pointer = -1;
};

const QString kAddress = QStringLiteral("https://gw.example/commultiaddc.asp");

// Over the fake transfer component, or over `transfer` to `address`.
struct Fixture {
    explicit Fixture(platform::TransferComponent* transfer = nullptr,
                     const QString& address = kAddress)
        : channel(transfer ? *transfer : services.inet, services.dialogs, userData, host),
          upload(services.dialogs, factory, userData, channel, host,
                 [address] { return address; }) {}

    fakes::FakeServices services;
    fakes::MemoryBook book;
    fakes::MemoryBookFactory factory{book};
    userdata::UserData userData{services.settings};
    Host host;
    RequestChannel channel;
    ContactUpload upload;

    fakes::ScriptedDialogs& dialogs() { return services.dialogs; }
    // Runs the upload with these answers to the two questions.
    void run(const QString& groups, Answer replace) {
        dialogs().typed.enqueue(groups);
        dialogs().answers.enqueue(replace);
        upload.run();
    }
    int sent() const { return int(services.inet.requests.size()); }
};

// The body's fields in order, each value percent-decoded as a form reader does.
Fields decoded(const QString& body) {
    Fields fields;
    for (const QString& pair : body.split(QLatin1Char('&'))) {
        const qsizetype equals = pair.indexOf(QLatin1Char('='));
        fields.append(
            {pair.left(equals), QUrl::fromPercentEncoding(pair.mid(equals + 1).toLatin1())});
    }
    return fields;
}

// The two contacts of the worked example, and one without a mobile number.
void addExampleContacts(fakes::MemoryBook& book) {
    book.add({{"Name", "Anna"}, {"CellPhone", "12 3"}});
    book.add({{"Name", "Nomobile"}, {"HomeEmail", "n@example.org"}});
    book.add({{"CellPhone", "456"}});
}

}  // namespace

class TestUpload : public QObject {
    Q_OBJECT

private slots:
    void missingAccount_data();
    void missingAccount();
    void refusedWhileBusy();
    void groupQuestion_data();
    void groupQuestion();
    void example_data();
    void example();
    void listLines_data();
    void listLines();
    void failingBook_data();
    void failingBook();
    void throughTheStandIn_data();
    void throughTheStandIn();
};

void TestUpload::missingAccount_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("user") << QString() << QStringLiteral("x")
                          << QStringLiteral("Please enter Your Quillo username")
                          << QStringLiteral("Uname");
    QTest::newRow("password") << QStringLiteral(" ") << QString()
                              << QStringLiteral("Please enter Your Quillo password")
                              << QStringLiteral("Pass");
}

void TestUpload::missingAccount() {
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    Fixture f;
    f.host.user = user;
    f.host.password = password;
    f.run("G", Answer::Yes);
    QCOMPARE(f.dialogs().shown.size(), 1);
    QCOMPARE(f.dialogs().lastText(), message);
    QCOMPARE(f.host.focus, focus);
    QVERIFY(f.dialogs().inputs.isEmpty());
    QVERIFY(f.services.settings.writes.isEmpty());
    QCOMPARE(f.sent(), 0);
}

void TestUpload::refusedWhileBusy() {
    Fixture f;
    f.channel.post(kAddress, "x=1", "Sending SMS...");
    f.run("G", Answer::Yes);
    QCOMPARE(f.dialogs().shown.size(), 1);  // the channel's own refusal
    QVERIFY(f.dialogs().inputs.isEmpty());
    QCOMPARE(f.sent(), 1);
}

void TestUpload::groupQuestion_data() {
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("proposed");
    QTest::addColumn<QString>("sentGroups");  // null: nothing sent
    const auto row = [](const char* tag, const char* saved, const char* typed, const char* proposed,
                        const QString& sentGroups) {
        QTest::newRow(tag) << QString(saved) << QString(typed) << QString(proposed) << sentGroups;
    };
    row("first run", "", "Friends;Work", "Outlook Contacts", QStringLiteral("Friends----Work"));
    row("later run", "Old;One", "a ; b", "Old;One", QStringLiteral("a ---- b"));
    row("blanks only", "", "   ", "Outlook Contacts", QStringLiteral(""));
    row("cancelled", "Old", "", "Old", QString());
}

void TestUpload::groupQuestion() {
    QFETCH(QString, saved);
    QFETCH(QString, typed);
    QFETCH(QString, proposed);
    QFETCH(QString, sentGroups);
    Fixture f;
    if (!saved.isEmpty())
        f.services.settings.set("newgroups", saved);
    f.run(typed, Answer::No);
    QCOMPARE(f.dialogs().inputs.size(), 1);
    const auto& input = f.dialogs().inputs[0];
    QCOMPARE(
        (QStringList{input.prompt, input.title, input.proposed}),
        (QStringList{"Group(s) ? (separate groups with ;)", "Enter default group(s)", proposed}));
    if (sentGroups.isNull()) {
        QVERIFY(f.dialogs().shown.isEmpty());
        QVERIFY(f.services.settings.writes.isEmpty());
        QCOMPARE(f.sent(), 0);
        return;
    }
    QCOMPARE(f.services.settings.get("newgroups"), typed);
    QCOMPARE(f.sent(), 1);
    QCOMPARE(decoded(f.services.inet.requests[0].body).last(),
             (std::pair<QString, QString>("newgroups", sentGroups)));
}

void TestUpload::example_data() {
    QTest::addColumn<Answer>("replace");
    QTest::newRow("Yes") << Answer::Yes;
    QTest::newRow("No") << Answer::No;
}

void TestUpload::example() {
    QFETCH(Answer, replace);
    Fixture f;
    addExampleContacts(f.book);
    f.run("Friends;Work", replace);

    const auto& question = f.dialogs().shown.at(0);
    QCOMPARE(question.text, QStringLiteral("Delete existing groups with this name ?"));
    QCOMPARE(question.buttons, platform::Dialogs::Buttons::YesNo);
    QCOMPARE(question.defaultButton, Answer::Yes);
    QCOMPARE(f.host.statuses,
             (QStringList{"Collecting Address Book Contacts...", "Sending Request to server..."}));
    QCOMPARE(f.host.pointer, kPointerArrowHourglass);
    // Every index from 0 through the count is tried; the instance is not closed.
    QVERIFY(f.book.calls.contains("Select(3)"));
    QVERIFY(!f.book.calls.contains("Select(4)"));
    QCOMPARE(f.book.closes, 0);

    QCOMPARE(f.sent(), 1);
    const auto& request = f.services.inet.requests[0];
    QCOMPARE(request.url, kAddress);
    Fields expected{{"user", "demo"},
                    {"pass", "secret"},
                    {"newname", "\r\nAnna\r\n456"},
                    {"newnum", "\r\n123\r\n456"},
                    {"newemails", "\r\n\r\n"},
                    {"newgroups", "Friends----Work"}};
    if (replace == Answer::Yes)
        expected.append(std::pair<QString, QString>("delold", "1"));
    QCOMPARE(decoded(request.body), expected);
}

void TestUpload::listLines_data() {
    QTest::addColumn<Fields>("records");
    QTest::addColumn<Fields>("lists");
    QTest::newRow("no usable record: sent all the same")
        << Fields{{"A", ""}} << Fields{{"newname", ""}, {"newnum", ""}};
    QTest::newRow("no name keeps the number's blanks")
        << Fields{{"", "7 8 9"}} << Fields{{"newname", "\r\n7 8 9"}, {"newnum", "\r\n789"}};
    QTest::newRow("number of blanks only")
        << Fields{{"A", "   "}} << Fields{{"newname", "\r\nA"}, {"newnum", "\r\n"}};
    QTest::newRow("only the last line loses trailing blanks")
        << Fields{{"A ", "1"}, {"B ", "2"}}
        << Fields{{"newname", "\r\nA \r\nB"}, {"newnum", "\r\n1\r\n2"}};
}

void TestUpload::listLines() {
    QFETCH(Fields, records);
    QFETCH(Fields, lists);
    Fixture f;
    for (const auto& [name, number] : records)
        f.book.add({{"Name", name}, {"CellPhone", number}});
    f.run("G", Answer::No);
    const Fields fields = decoded(f.services.inet.requests.at(0).body);
    QCOMPARE(fields.mid(2, 2), lists);
}

void TestUpload::failingBook_data() {
    QTest::addColumn<QString>("failingCall");
    QTest::newRow("component not created") << "Create";
    QTest::newRow("count") << "GetCount";
    QTest::newRow("a read") << "GetValue";
}

void TestUpload::failingBook() {
    QFETCH(QString, failingCall);
    Fixture f;
    addExampleContacts(f.book);
    f.book.failingCall = failingCall;
    f.run("G", Answer::Yes);
    QCOMPARE(f.sent(), 0);
    QCOMPARE(f.dialogs().shown.size(), 2);
    QVERIFY(f.dialogs().lastText().contains(f.book.failReason));
    QCOMPARE(f.host.statuses.last(), QString());
    QCOMPARE(f.host.pointer, kPointerDefault);
    QVERIFY(!f.channel.busy());
}

void TestUpload::throughTheStandIn_data() {
    example_data();
}

// The worked example end to end: what the gateway stand-in records of it.
void TestUpload::throughTheStandIn() {
    QFETCH(Answer, replace);
    fakes::GatewayProcess gateway;
    QVERIFY2(gateway.start({{"demo", "secret", 10}}), qPrintable(gateway.errorString()));
    platform::NetworkTransfer inet;
    inet.SetAccessType(platform::TransferComponent::icDirect);
    Fixture f(&inet,
              gateway.httpBase() + QStringLiteral("quillo/") + QLatin1String(gateway::kUploadPage));
    addExampleContacts(f.book);
    f.run("Friends;Work", replace);
    QTRY_COMPARE_WITH_TIMEOUT(f.dialogs().shown.size(), 2, 20000);
    QCOMPARE(f.dialogs().shown.last().title, QStringLiteral("Server Response:"));
    QVERIFY2(f.dialogs().lastText().startsWith("Contact list received: 2 contacts"),
             qPrintable(f.dialogs().lastText()));

    const QList<QJsonObject> outbox = gateway.outbox();
    QCOMPARE(outbox.size(), 1);
    const QJsonObject& record = outbox[0];
    QCOMPARE(record["names"].toArray(), QJsonArray({"Anna", "456"}));
    QCOMPARE(record["numbers"].toArray(), QJsonArray({"123", "456"}));
    QCOMPARE(record["emails"].toArray(), QJsonArray({"", ""}));
    QCOMPARE(record["newgroups"].toString(), QStringLiteral("Friends;Work"));
    QCOMPARE(record["groups"].toArray(), QJsonArray({"Friends", "Work"}));
    QCOMPARE(record["delold"].toBool(), replace == Answer::Yes);
}

QTEST_MAIN(TestUpload)
#include "test_upload.moc"
