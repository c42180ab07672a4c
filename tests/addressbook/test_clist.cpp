#include <QTest>

#include "addressbook/addedit.h"
#include "addressbook/picker_test_support.h"

using namespace pelicast;
using namespace pelicast::testing;
using Answer = platform::Dialogs::Answer;

namespace {

using Fixture = PickerFixture;
const QString kAskDelete = QStringLiteral("Are you sure you want to delete the selected contact ?");
const QString kSelectEdit = QStringLiteral("Please select the contact to edit");
const QString kSelectDelete = QStringLiteral("Please select the Contact to delete");

// Contacts with every kind of group text the picker has to read.
void addGroupedContacts(TestBook& book) {
    book.addContact("John", "Doe", "N", "Work");
    book.addContact("Ann", "Bee", "1", "Friends\r\nWork");
    book.addContact("Carl", "Cee", "", "Work");  // no mobile number
    book.addContact("Dan", "Dee", "4", "work");  // the group in other letters
    book.addContact("Eve", "Eff", "5", "", "Friends");
    book.addContact("Fay", "Gee", "6", "Work\r\nWork");
    book.addContact("Gil", "Hay", "7", "Quiet", "Work");  // Groups2 unread
    book.addContact("Hal", "Ive", "", "Nobody");
}

QStringList shownTexts(const fakes::ScriptedDialogs& dialogs) {
    QStringList texts;
    for (const auto& message : dialogs.shown)
        texts.append(message.text);
    return texts;
}

}  // namespace

class TestPicker : public QObject {
    Q_OBJECT

private slots:
    void emptyBook_data();
    void emptyBook();
    void contactsSortedIgnoringCase();
    void groupListing_data();
    void groupListing();
    void countsBeyondSixteenBits();
    void collecting_data();
    void collecting();
    void reopenedAsLeft();
    void statusAndPointer();
    void editOnCurrentEntry();
    void noMatch_data();
    void noMatch();
    void deleteFirstOfDuplicates();
    void rebuildFailure_data();
    void rebuildFailure();
    void groupExpansionFailure();
};

void TestPicker::emptyBook_data() {
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("placeholder");
    QTest::newRow("first opening") << QString() << QStringLiteral("No Contacts");
    QTest::newRow("groups") << QStringLiteral("Groups") << QStringLiteral("No Groups");
}

void TestPicker::emptyBook() {
    QFETCH(QString, category);
    QFETCH(QString, placeholder);
    Fixture f;
    clist& picker = f.open();
    if (!category.isEmpty())
        chooseCategory(picker, category);
    QCOMPARE(entries(picker), QStringList{placeholder});
    QVERIFY(!enabled(picker, "con_idx") && !enabled(picker, "editcon"));
    QVERIFY(!enabled(picker, "delcon") && enabled(picker, "addcon"));
    QVERIFY(f.dialogs.shown.isEmpty());
}

void TestPicker::contactsSortedIgnoringCase() {
    Fixture f;
    for (const char* surname : {"beta", "Gamma", "alpha", "Beta", "alpha"})
        f.book.addContact("x", surname, "1");
    f.book.addContact("x", "Delta", "");  // not listed without a mobile number
    clist& picker = f.open();
    QCOMPARE(entries(picker), (QStringList{"alpha, x (1)", "alpha, x (1)", "beta, x (1)",
                                           "Beta, x (1)", "Gamma, x (1)"}));
    QVERIFY(enabled(picker, "con_idx") && enabled(picker, "editcon") && enabled(picker, "delcon"));
    QCOMPARE(entryList(picker).currentRow(), -1);
    QVERIFY(tickedEntries(picker).isEmpty());
}

void TestPicker::groupListing_data() {
    // Each contact as mobile number, Groups1, Groups2. Empty group names
    // cannot be written to a vCard file: those rows use a book in memory.
    QTest::addColumn<QList<QStringList>>("contacts");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("inMemory");
    QTest::newRow("split at CR LF, Groups2 when Groups1 is empty")
        << QList<QStringList>{{"1", "Friends\r\nWork", ""}, {"2", "", "friends"}}
        << QStringList{"Friends (group)", "Work (group)"} << false;
    QTest::newRow("Groups1 wins") << QList<QStringList>{{"1", "A", "B"}} << QStringList{"A (group)"}
                                  << false;
    // The empty group holds those whose group text ends in CR LF, not those without any.
    QTest::newRow("trailing CR LF after one name")
        << QList<QStringList>{{"1", "X\r\n", ""}, {"2", "", ""}, {"3", "", "\r\nY"}}
        << QStringList{" (group)", "X (group)", "Y (group)"} << true;
    QTest::newRow("trailing CR LF after two names")
        << QList<QStringList>{{"1", "A\r\nB\r\n", ""}} << QStringList{"A (group)", "B (group)"}
        << true;
    QTest::newRow("case differences listed once, as met first")
        << QList<QStringList>{{"1", "work", ""}, {"2", "Work", ""}, {"3", "WORK\r\nHome", ""}}
        << QStringList{"Home (group)", "work (group)"} << false;
    QTest::newRow("members without mobile numbers")
        << QList<QStringList>{{"", "Ghosts", ""}} << QStringList{"Ghosts (group)"} << false;
    QTest::newRow("no groups at all")
        << QList<QStringList>{{"1", "", ""}} << QStringList{"No Groups"} << false;
}

void TestPicker::groupListing() {
    QFETCH(QList<QStringList>, contacts);
    QFETCH(QStringList, expected);
    QFETCH(bool, inMemory);
    Fixture f(inMemory ? TestBook::Kind::Memory : TestBook::Kind::VCard);
    for (const QStringList& c : contacts)
        f.book.addContact("F", "S", c[0], c[1], c[2]);
    clist& picker = f.open();
    chooseCategory(picker, "Groups");
    QCOMPARE(entries(picker), expected);
    QVERIFY(!enabled(picker, "editcon") && !enabled(picker, "delcon"));
    QCOMPARE(enabled(picker, "con_idx"), expected != QStringList{"No Groups"});
    if (expected.first() == QLatin1String(" (group)")) {
        tick(picker, " (group)");
        press(picker, "OKButton");
        QCOMPARE(f.host.recipients, QStringLiteral("S, F (1);S, F (3);"));
    }
}

void TestPicker::countsBeyondSixteenBits() {
    Fixture f;
    const int size = 33000;
    for (int i = 0; i < size; ++i)
        f.book.addContact("F", QStringLiteral("S%1").arg(i, 5, 10, QLatin1Char('0')), "1",
                          i == size - 1 ? "Last" : "");
    clist& picker = f.open();
    QCOMPARE(entryList(picker).count(), size);
    chooseCategory(picker, "Groups");
    tick(picker, "Last (group)");
    press(picker, "OKButton");
    QCOMPARE(f.host.recipients, QStringLiteral("S32999, F (1);"));
}

void TestPicker::collecting_data() {
    QTest::addColumn<QString>("category");
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    const auto row = [](const char* name, const char* category, const QStringList& ticked,
                        const char* button, const char* before, const char* after) {
        QTest::newRow(name) << QString(category) << ticked << QString(button) << QString(before)
                            << QString(after);
    };
    row("nothing, replace", "Contacts", {}, "OKButton", "x", "");
    row("nothing, add", "Contacts", {}, "addb", "x", "x;");
    row("nothing, add to empty", "Contacts", {}, "addb", "", ";");
    row("one contact", "Contacts", {"Doe, John (N)"}, "OKButton", "x", "Doe, John (N);");
    row("contacts in list order", "Contacts", {"Hay, Gil (7)", "Bee, Ann (1)"}, "addb", "123",
        "123;Bee, Ann (1);Hay, Gil (7);");
    row("group: index order, exact case, once per name, mobile numbers only", "Groups",
        {"Work (group)"}, "OKButton", "", "Doe, John (N);Bee, Ann (1);Gee, Fay (6);Gee, Fay (6);");
    row("group through Groups2", "Groups", {"Friends (group)"}, "OKButton", "",
        "Bee, Ann (1);Eff, Eve (5);");
    row("group without reachable members", "Groups", {"Nobody (group)"}, "addb", "9", "9;");
    row("two groups in list order", "Groups", {"Work (group)", "Friends (group)"}, "OKButton", "",
        "Bee, Ann (1);Eff, Eve (5);Doe, John (N);Bee, Ann (1);Gee, Fay (6);Gee, Fay (6);");
}

void TestPicker::collecting() {
    QFETCH(QString, category);
    QFETCH(QStringList, ticked);
    QFETCH(QString, button);
    QFETCH(QString, before);
    QFETCH(QString, after);
    Fixture f;
    addGroupedContacts(f.book);
    clist& picker = f.open();
    chooseCategory(picker, category);
    // The current entry plays no part: the ticked ones may lie below it.
    makeCurrent(picker, 0);
    for (const QString& entry : ticked)
        tick(picker, entry);
    f.host.recipients = before;
    press(picker, button.toLatin1().constData());
    QCOMPARE(f.host.recipients, after);
    QVERIFY(picker.isHidden());
}

void TestPicker::reopenedAsLeft() {
    Fixture f;
    addGroupedContacts(f.book);
    clist& picker = f.open();
    tick(picker, "Eff, Eve (5)");
    makeCurrent(picker, 1);
    press(picker, "CancelButton");
    QVERIFY(picker.isHidden());
    QCOMPARE(f.host.recipients, QString());

    f.book.addContact("New", "Aaa", "0");  // not seen until a rebuild
    QCOMPARE(&f.open(), &picker);
    QCOMPARE(tickedEntries(picker), QStringList{"Eff, Eve (5)"});
    QCOMPARE(entryList(picker).currentRow(), 1);
    QCOMPARE(entries(picker).size(), 6);

    chooseCategory(picker, "Contacts");
    QCOMPARE(entries(picker).size(), 7);
    QVERIFY(tickedEntries(picker).isEmpty());
}

void TestPicker::statusAndPointer() {
    Fixture f;
    f.book.addContact("A", "B", "1");
    clist& picker = f.open();
    // Loading puts them back at once.
    QCOMPARE(f.host.status, QString());
    QCOMPARE(f.host.pointer, kPointerDefault);
    picker.hide();

    // Opened again: busy until the picker becomes the active window.
    f.host.status = QStringLiteral("x");
    f.open();
    if (!QTest::qWaitForWindowActive(&picker))
        QSKIP("the platform does not activate windows");
    QCOMPARE(f.host.status, QString());
    QCOMPARE(f.host.pointer, kPointerDefault);
}

void TestPicker::editOnCurrentEntry() {
    Fixture f;
    f.book.addContact("John", "Doe", "1");
    f.book.add({{"Firstname", "John"}, {"Surname", "Doe"}, {"CellPhone", "1"}, {"Name", "Johnny"}});
    f.book.addContact("Ann", "Bee", "2");
    clist& picker = f.open();
    tick(picker, "Bee, Ann (2)");  // ticks play no part
    makeCurrent(picker, 1);
    QCOMPARE(entryList(picker).currentItem()->text(), QStringLiteral("Doe, John (1)"));
    press(picker, "editcon");
    QVERIFY(f.dialogs.shown.isEmpty());
    addedit* editor = picker.editor();
    QVERIFY(editor && editor->isVisible());
    // Both records give the entry's text; the first of them is loaded.
    QCOMPARE(control<QLabel>(*editor, "itm").text(), QStringLiteral("John Doe"));
}

void TestPicker::noMatch_data() {
    QTest::addColumn<bool>("withCurrentEntry");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QString>("failingCall");
    QTest::addColumn<Answer>("deleteAnswer");
    QTest::newRow("no current entry") << false << false << QString() << Answer::Yes;
    QTest::newRow("no current entry, delete answered No")
        << false << false << QString() << Answer::No;
    QTest::newRow("contact changed since the list was built")
        << true << true << QString() << Answer::Yes;
    // Failures pass without a word of their own: as though no contact matched.
    for (const char* call : {"Create", "Select", "GetValue"})
        QTest::newRow(call) << true << false << QString(call) << Answer::Yes;
}

void TestPicker::noMatch() {
    QFETCH(bool, withCurrentEntry);
    QFETCH(bool, changed);
    QFETCH(QString, failingCall);
    QFETCH(Answer, deleteAnswer);
    Fixture f(failingCall.isEmpty() ? TestBook::Kind::VCard : TestBook::Kind::Memory);
    f.book.addContact("John", "Doe", "1");
    clist& picker = f.open();
    if (withCurrentEntry)
        makeCurrent(picker, 0);
    if (changed)
        f.book.set(0, "CellPhone", "2");
    f.book.memory().failingCall = failingCall;
    press(picker, "editcon");
    QCOMPARE(shownTexts(f.dialogs), QStringList{kSelectEdit});
    QCOMPARE(f.dialogs.shown.last().title, QStringLiteral("Select Contact to edit"));
    QVERIFY(!picker.editor());

    f.dialogs.answers.enqueue(deleteAnswer);
    press(picker, "delcon");
    QStringList expected{kSelectEdit, kAskDelete};
    if (deleteAnswer == Answer::Yes) {
        expected.append(kSelectDelete);
        QCOMPARE(f.dialogs.shown.last().title, QStringLiteral("Select Contact to delete"));
    }
    QCOMPARE(shownTexts(f.dialogs), expected);
    f.book.memory().failingCall.clear();
    QCOMPARE(f.book.count(), 1);
}

void TestPicker::deleteFirstOfDuplicates() {
    Fixture f;
    f.book.addContact("A", "Twin", "1");
    f.book.add({{"Firstname", "A"}, {"Surname", "Twin"}, {"CellPhone", "1"}, {"Name", "Other"}});
    f.book.addContact("B", "Solo", "2");
    clist& picker = f.open();
    tick(picker, "Solo, B (2)");
    makeCurrent(picker, 1);
    f.dialogs.answers.enqueue(Answer::Yes);
    press(picker, "delcon");
    QCOMPARE(shownTexts(f.dialogs), QStringList{kAskDelete});
    QCOMPARE(f.dialogs.shown[0].title, QStringLiteral("Confirm Contact Delete"));
    QCOMPARE(f.book.count(), 2);
    QCOMPARE(f.book.value(0, "Name"), QStringLiteral("Other"));
    // Rebuilt: one equal entry left, the ticks gone.
    QCOMPARE(entries(picker), (QStringList{"Solo, B (2)", "Twin, A (1)"}));
    QVERIFY(tickedEntries(picker).isEmpty());
}

void TestPicker::rebuildFailure_data() {
    QTest::addColumn<QString>("failingCall");
    QTest::newRow("component not created") << "Create";
    QTest::newRow("open") << "Open";
    QTest::newRow("a read") << "GetValue";
}

void TestPicker::rebuildFailure() {
    QFETCH(QString, failingCall);
    Fixture f(TestBook::Kind::Memory);
    f.book.addContact("A", "B", "1");
    f.book.memory().failingCall = failingCall;
    clist& picker = f.open();
    QCOMPARE(entries(picker), QStringList{"No Contacts"});
    QVERIFY(!enabled(picker, "con_idx"));
    QCOMPARE(f.dialogs.shown.size(), 1);
    QVERIFY(f.dialogs.lastText().contains("address book"));
    QVERIFY(f.dialogs.lastText().contains(f.book.memory().failReason));
    QCOMPARE(f.host.status, QString());
    QCOMPARE(f.host.pointer, kPointerDefault);

    chooseCategory(picker, "Groups");
    QCOMPARE(entries(picker), QStringList{"No Groups"});
    QCOMPARE(f.dialogs.shown.size(), 2);
}

void TestPicker::groupExpansionFailure() {
    Fixture f(TestBook::Kind::Memory);
    f.book.addContact("John", "Doe", "N", "Work");
    f.book.addContact("Ann", "Bee", "1", "Friends");
    clist& picker = f.open();
    chooseCategory(picker, "Groups");
    tick(picker, "Friends (group)");
    tick(picker, "Work (group)");
    // The first expansion reads fine; the second fails half-way.
    f.book.memory().failingCall = "Select";
    f.book.memory().failAfter = 3 + 1;
    f.host.recipients = "old";
    press(picker, "addb");
    QCOMPARE(f.host.recipients, QStringLiteral("old;Bee, Ann (1);"));
    QVERIFY(picker.isHidden());
    QCOMPARE(f.dialogs.shown.size(), 1);
    QVERIFY(f.dialogs.lastText().contains(f.book.memory().failReason));
}

QTEST_MAIN(TestPicker)
#include "test_clist.moc"
