#include <QPointer>
#include <QTest>

#include "addressbook/addedit.h"
#include "addressbook/clist.h"
#include "addressbook/picker_test_support.h"
#include "addressbook/test_book.h"
#include "fakes/scripted_dialogs.h"

using namespace pelicast;
using namespace pelicast::testing;
using Answer = platform::Dialogs::Answer;

namespace {

using Fixture = PickerFixture;

// A book in memory whose calls can be made to fail.
struct FailingFixture : PickerFixture {
    FailingFixture() : PickerFixture(TestBook::Kind::Memory) {}
    fakes::MemoryBook& memory() { return book.memory(); }
};

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

}  // namespace

class TestPicker : public QObject {
    Q_OBJECT

private slots:
    void window();
    void emptyBook_data();
    void emptyBook();
    void contactsSortedIgnoringCase();
    void groupListing_data();
    void groupListing();
    void countsBeyondSixteenBits();
    void collecting_data();
    void collecting();
    void emptyGroupName();
    void reopenedAsLeft();
    void statusAndPointer();
    void editOnCurrentEntry();
    void editWithoutMatch_data();
    void editWithoutMatch();
    void deleteFirstOfDuplicates();
    void deleteWithoutMatch_data();
    void deleteWithoutMatch();
    void rebuildFailure_data();
    void rebuildFailure();
    void groupExpansionFailure();
    void maintenanceFailure_data();
    void maintenanceFailure();
};

void TestPicker::window() {
    Fixture f;
    clist& picker = f.open();
    QCOMPARE(picker.objectName(), QStringLiteral("clist"));
    QCOMPARE(picker.windowTitle(), QStringLiteral("Select Contacts / Groups"));
    QCOMPARE(picker.size(), QSize(438, 216));
    QVERIFY(!picker.isModal());
    QCOMPARE(control<QPushButton>(picker, "OKButton").text(), QStringLiteral("Replace recipients"));
    QCOMPARE(control<QPushButton>(picker, "addb").text(),
             QStringLiteral("Add to existing recipients"));
    QCOMPARE(control<QPushButton>(picker, "addb").geometry(), QRect(144, 176, 137, 25));
    QCOMPARE(entryList(picker).geometry(), QRect(24, 40, 353, 124));

    auto& category = control<QComboBox>(picker, "con_cat");
    QVERIFY(!category.isEditable());
    QCOMPARE(category.count(), 2);
    QCOMPARE(category.itemText(0), QStringLiteral("Contacts"));
    QCOMPARE(category.itemText(1), QStringLiteral("Groups"));
    QCOMPARE(category.currentIndex(), -1);

    QCOMPARE(tabOrder(picker, "OKButton"),
             (QStringList{"OKButton", "CancelButton", "con_cat", "con_idx", "addb", "delcon",
                          "editcon", "addcon"}));
}

void TestPicker::emptyBook_data() {
    QTest::addColumn<QString>("category");
    QTest::addColumn<QString>("placeholder");
    QTest::newRow("first opening") << QString() << "No Contacts";
    QTest::newRow("groups") << "Groups"
                            << "No Groups";
    QTest::newRow("contacts chosen") << "Contacts"
                                     << "No Contacts";
}

void TestPicker::emptyBook() {
    QFETCH(QString, category);
    QFETCH(QString, placeholder);
    Fixture f;
    clist& picker = f.open();
    if (!category.isEmpty())
        chooseCategory(picker, category);
    QCOMPARE(entries(picker), QStringList{placeholder});
    QVERIFY(!enabled(picker, "con_idx"));
    QVERIFY(!enabled(picker, "editcon"));
    QVERIFY(!enabled(picker, "delcon"));
    QVERIFY(enabled(picker, "addcon"));
    QVERIFY(f.dialogs.shown.isEmpty());
}

void TestPicker::contactsSortedIgnoringCase() {
    Fixture f;
    f.book.addContact("x", "beta", "2");
    f.book.addContact("x", "Gamma", "3");
    f.book.addContact("x", "alpha", "1");
    f.book.addContact("x", "Beta", "2");
    f.book.addContact("x", "Delta", "");  // not listed without a mobile number
    f.book.addContact("x", "alpha", "1");
    clist& picker = f.open();
    QCOMPARE(entries(picker), (QStringList{"alpha, x (1)", "alpha, x (1)", "beta, x (2)",
                                           "Beta, x (2)", "Gamma, x (3)"}));
    QVERIFY(enabled(picker, "con_idx") && enabled(picker, "editcon") && enabled(picker, "delcon"));
    QCOMPARE(entryList(picker).currentRow(), -1);
    for (int row = 0; row < entryList(picker).count(); ++row)
        QCOMPARE(entryList(picker).item(row)->checkState(), Qt::Unchecked);
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
    QTest::newRow("trailing CR LF after one name")
        << QList<QStringList>{{"1", "A\r\n", ""}} << QStringList{" (group)", "A (group)"} << true;
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
    QVERIFY(enabled(picker, "addcon"));
    QCOMPARE(enabled(picker, "con_idx"), expected != QStringList{"No Groups"});
}

void TestPicker::countsBeyondSixteenBits() {
    Fixture f;
    const int size = 33000;
    for (int i = 0; i < size; ++i)
        f.book.addContact("F", QStringLiteral("S%1").arg(i, 5, 10, QLatin1Char('0')), "1",
                          i == size - 1 ? "Last" : "");
    clist& picker = f.open();
    QCOMPARE(entryList(picker).count(), size);
    QCOMPARE(entryList(picker).item(size - 1)->text(), QStringLiteral("S32999, F (1)"));
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
    QTest::newRow("nothing, replace") << "Contacts" << QStringList{} << "OKButton"
                                      << "x"
                                      << "";
    QTest::newRow("nothing, add") << "Contacts" << QStringList{} << "addb"
                                  << "x"
                                  << "x;";
    QTest::newRow("nothing, add to empty") << "Contacts" << QStringList{} << "addb"
                                           << ""
                                           << ";";
    QTest::newRow("one contact") << "Contacts" << QStringList{"Doe, John (N)"} << "OKButton"
                                 << "x"
                                 << "Doe, John (N);";
    QTest::newRow("contacts in list order")
        << "Contacts" << QStringList{"Hay, Gil (7)", "Bee, Ann (1)"} << "addb"
        << "123"
        << "123;Bee, Ann (1);Hay, Gil (7);";
    QTest::newRow("group: index order, exact case, once per name, mobile numbers only")
        << "Groups" << QStringList{"Work (group)"} << "OKButton"
        << ""
        << "Doe, John (N);Bee, Ann (1);Gee, Fay (6);Gee, Fay (6);";
    QTest::newRow("group through Groups2")
        << "Groups" << QStringList{"Friends (group)"} << "OKButton"
        << ""
        << "Bee, Ann (1);Eff, Eve (5);";
    QTest::newRow("group without reachable members")
        << "Groups" << QStringList{"Nobody (group)"} << "addb"
        << "9"
        << "9;";
    QTest::newRow("two groups in list order")
        << "Groups" << QStringList{"Work (group)", "Friends (group)"} << "OKButton"
        << ""
        << "Bee, Ann (1);Eff, Eve (5);Doe, John (N);Bee, Ann (1);Gee, Fay (6);Gee, Fay (6);";
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
    // The current entry plays no part: it stands on the first entry, the
    // ticked ones may lie below it.
    makeCurrent(picker, 0);
    for (const QString& entry : ticked)
        tick(picker, entry);
    f.host.recipients = before;
    press(picker, button.toLatin1().constData());
    QCOMPARE(f.host.recipients, after);
    QVERIFY(picker.isHidden());
}

// A group text ending in CR LF names the empty group " (group)"; a contact
// with no group text at all is not in it.
void TestPicker::emptyGroupName() {
    Fixture f(TestBook::Kind::Memory);
    f.book.addContact("A", "S", "1", "X\r\n");
    f.book.addContact("B", "S", "2");
    f.book.addContact("C", "S", "3", "", "\r\nY");
    clist& picker = f.open();
    chooseCategory(picker, "Groups");
    QCOMPARE(entries(picker), (QStringList{" (group)", "X (group)", "Y (group)"}));
    tick(picker, " (group)");
    press(picker, "OKButton");
    QCOMPARE(f.host.recipients, QStringLiteral("S, A (1);S, C (3);"));
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
    const int creations = f.book.count();
    QCOMPARE(&f.open(), &picker);
    QVERIFY(picker.isVisible());
    QCOMPARE(tickedEntries(picker), QStringList{"Eff, Eve (5)"});
    QCOMPARE(entryList(picker).currentRow(), 1);
    QCOMPARE(entries(picker).size(), 6);
    QCOMPARE(f.book.count(), creations);

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
    f.book.add({{"Firstname", "John"},
                {"Surname", "Doe"},
                {"CellPhone", "1"},
                {"Name", "Johnny"},
                {"HomeEmail", "second@example.org"}});
    f.book.addContact("Ann", "Bee", "2");
    clist& picker = f.open();
    tick(picker, "Bee, Ann (2)");  // ticks play no part
    makeCurrent(picker, 1);
    QCOMPARE(entryList(picker).currentItem()->text(), QStringLiteral("Doe, John (1)"));
    press(picker, "editcon");
    QVERIFY(f.dialogs.shown.isEmpty());
    addedit* editor = picker.editor();
    QVERIFY(editor && editor->isVisible());
    // Both records give the entry's text; each is handed to the editor, and
    // both times the first of them is found.
    QCOMPARE(control<QLineEdit>(*editor, "Fname").text(), QStringLiteral("John"));
    QCOMPARE(control<QLabel>(*editor, "itm").text(), QStringLiteral("John Doe"));
}

void TestPicker::editWithoutMatch_data() {
    QTest::addColumn<bool>("withCurrentEntry");
    QTest::newRow("no current entry") << false;
    QTest::newRow("contact changed since the list was built") << true;
}

void TestPicker::editWithoutMatch() {
    QFETCH(bool, withCurrentEntry);
    Fixture f;
    f.book.addContact("John", "Doe", "1");
    clist& picker = f.open();
    if (withCurrentEntry)
        makeCurrent(picker, 0);
    f.book.set(0, "CellPhone", "2");
    press(picker, "editcon");
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.lastText(), QStringLiteral("Please select the contact to edit"));
    QCOMPARE(f.dialogs.shown.last().title, QStringLiteral("Select Contact to edit"));
    QVERIFY(!picker.editor());
}

void TestPicker::deleteFirstOfDuplicates() {
    Fixture f;
    f.book.addContact("A", "Twin", "1", "", "");
    f.book.add({{"Firstname", "A"}, {"Surname", "Twin"}, {"CellPhone", "1"}, {"Name", "Other"}});
    f.book.addContact("B", "Solo", "2");
    clist& picker = f.open();
    tick(picker, "Solo, B (2)");
    makeCurrent(picker, 1);
    f.dialogs.answers.enqueue(Answer::Yes);
    press(picker, "delcon");
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown[0].text,
             QStringLiteral("Are you sure you want to delete the selected contact ?"));
    QCOMPARE(f.dialogs.shown[0].title, QStringLiteral("Confirm Contact Delete"));
    QCOMPARE(f.book.count(), 2);
    QCOMPARE(f.book.value(0, "Name"), QStringLiteral("Other"));
    // Rebuilt: one equal entry left, the ticks gone.
    QCOMPARE(entries(picker), (QStringList{"Solo, B (2)", "Twin, A (1)"}));
    QVERIFY(tickedEntries(picker).isEmpty());
}

void TestPicker::deleteWithoutMatch_data() {
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("No") << Answer::No
                        << QStringList{"Are you sure you want to delete the selected contact ?"};
    QTest::newRow("Yes") << Answer::Yes
                         << QStringList{"Are you sure you want to delete the selected contact ?",
                                        "Please select the Contact to delete"};
}

void TestPicker::deleteWithoutMatch() {
    QFETCH(Answer, answer);
    QFETCH(QStringList, messages);
    Fixture f;
    f.book.addContact("A", "B", "1");
    clist& picker = f.open();
    f.dialogs.answers.enqueue(answer);
    press(picker, "delcon");  // no current entry
    QStringList shown;
    for (const auto& message : f.dialogs.shown)
        shown.append(message.text);
    QCOMPARE(shown, messages);
    QCOMPARE(f.book.count(), 1);
    if (messages.size() > 1)
        QCOMPARE(f.dialogs.shown.last().title, QStringLiteral("Select Contact to delete"));
}

void TestPicker::rebuildFailure_data() {
    QTest::addColumn<QString>("failingCall");
    QTest::newRow("component not created") << "Create";
    QTest::newRow("open") << "Open";
    QTest::newRow("a read") << "GetValue";
}

void TestPicker::rebuildFailure() {
    QFETCH(QString, failingCall);
    FailingFixture f;
    f.book.addContact("A", "B", "1");
    f.memory().failingCall = failingCall;
    clist& picker = f.open();
    QCOMPARE(entries(picker), QStringList{"No Contacts"});
    QVERIFY(!enabled(picker, "con_idx"));
    QCOMPARE(f.dialogs.shown.size(), 1);
    QVERIFY(f.dialogs.lastText().contains("address book"));
    QVERIFY(f.dialogs.lastText().contains(f.memory().failReason));
    QCOMPARE(f.host.status, QString());
    QCOMPARE(f.host.pointer, kPointerDefault);

    chooseCategory(picker, "Groups");
    QCOMPARE(entries(picker), QStringList{"No Groups"});
    QCOMPARE(f.dialogs.shown.size(), 2);
}

void TestPicker::groupExpansionFailure() {
    FailingFixture f;
    f.book.addContact("John", "Doe", "N", "Work");
    f.book.addContact("Ann", "Bee", "1", "Friends");
    clist& picker = f.open();
    chooseCategory(picker, "Groups");
    tick(picker, "Friends (group)");
    tick(picker, "Work (group)");
    // The first expansion reads fine; the second fails half-way.
    f.memory().failingCall = "Select";
    f.memory().failAfter = 3 + 1;
    f.host.recipients = "old";
    press(picker, "addb");
    QCOMPARE(f.host.recipients, QStringLiteral("old;Bee, Ann (1);"));
    QVERIFY(picker.isHidden());
    QCOMPARE(f.dialogs.shown.size(), 1);
    QVERIFY(f.dialogs.lastText().contains(f.memory().failReason));
}

void TestPicker::maintenanceFailure_data() {
    QTest::addColumn<QString>("failingCall");
    QTest::newRow("component not created") << "Create";
    QTest::newRow("select") << "Select";
    QTest::newRow("a read") << "GetValue";
}

// Edit and Delete pass over failures without a word of their own: the
// action ends as though no contact matched.
void TestPicker::maintenanceFailure() {
    QFETCH(QString, failingCall);
    FailingFixture f;
    f.book.addContact("John", "Doe", "1");
    clist& picker = f.open();
    makeCurrent(picker, 0);
    f.memory().failingCall = failingCall;

    press(picker, "editcon");
    QCOMPARE(f.dialogs.lastText(), QStringLiteral("Please select the contact to edit"));
    f.dialogs.answers.enqueue(Answer::Yes);
    press(picker, "delcon");
    QCOMPARE(f.dialogs.lastText(), QStringLiteral("Please select the Contact to delete"));
    QCOMPARE(f.dialogs.shown.size(), 3);
    QCOMPARE(f.memory().records.size(), 1);
}

QTEST_MAIN(TestPicker)
#include "test_clist.moc"
