#include <QTest>

#include "addressbook/addedit.h"
#include "addressbook/contact_labels.h"
#include "addressbook/picker_test_support.h"

using namespace pelicast;
using namespace pelicast::testing;

namespace {

struct Fixture : PickerFixture {
    using PickerFixture::PickerFixture;

    // The editor as "Edit" on the entry at `row` opens it.
    addedit& edit(int row) {
        clist& p = open();
        makeCurrent(p, row);
        press(p, "editcon");
        return *p.editor();
    }
    addedit& add() {
        press(open(), "addcon");
        return *picker->editor();
    }
};

QLineEdit& box(addedit& editor, const char* name) {
    return control<QLineEdit>(editor, name);
}

QStringList boxes(addedit& editor) {
    return {box(editor, "Fname").text(), box(editor, "Lname").text(), box(editor, "Mnumber").text(),
            box(editor, "Email").text(), control<QLabel>(editor, "itm").text()};
}

void type(addedit& editor, const char* name, const QString& text) {
    QLineEdit& target = box(editor, name);
    target.clear();
    QTest::keyClicks(&target, text);
}

// "OK" or Enter in one of the boxes.
void save(addedit& editor, const QString& how) {
    if (how == QLatin1String("OK"))
        press(editor, "OK");
    else
        QTest::keyClick(&box(editor, how.toLatin1().constData()), Qt::Key_Return);
}

QStringList record(TestBook& book, int index) {
    QStringList values;
    for (const char* field : {"Firstname", "Surname", "CellPhone", "HomeEmail", "Name"})
        values.append(book.value(index, field));
    return values;
}

}  // namespace

class TestEditor : public QObject {
    Q_OBJECT

private slots:
    void focusOnActivation();
    void addContact_data();
    void addContact();
    void changeContact_data();
    void changeContact();
    void emptyMobileNumber();
    void duplicateDisplayNames_data();
    void duplicateDisplayNames();
    void cancel();
    void failingBook_data();
    void failingBook();
};

void TestEditor::focusOnActivation() {
    Fixture f;
    f.book.addContact("A", "B", "1");
    addedit& editor = f.edit(0);
    if (!QTest::qWaitForWindowActive(&editor))
        QSKIP("the platform does not activate windows");
    QCOMPARE(QApplication::focusWidget(), &box(editor, "Fname"));
}

void TestEditor::addContact_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("mobile");
    QTest::addColumn<QString>("how");
    QTest::newRow("OK") << QStringLiteral("Ann") << QStringLiteral("+41 1") << QStringLiteral("OK");
    QTest::newRow("empty first name") << QString() << QStringLiteral("1") << QStringLiteral("OK");
    QTest::newRow("Enter, mobile number of spaces")
        << QStringLiteral("Ann") << QStringLiteral("  ") << QStringLiteral("Mnumber");
}

void TestEditor::addContact() {
    QFETCH(QString, first);
    QFETCH(QString, mobile);
    QFETCH(QString, how);
    const QString last = QStringLiteral("Bee");
    Fixture f;
    f.book.addContact("Old", "One", "9");
    // What an earlier "Edit" loaded is gone after "Add".
    press(f.edit(0), "Cancel");
    addedit& editor = f.add();
    QCOMPARE(boxes(editor), QStringList(5));

    type(editor, "Fname", first);
    type(editor, "Lname", last);
    type(editor, "Mnumber", mobile);
    type(editor, "Email", "a@b.example");
    save(editor, how);
    QVERIFY(editor.isHidden());
    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(record(f.book, 1),
             (QStringList{first, last, mobile, "a@b.example", first + QStringLiteral(" Bee")}));
    QVERIFY(entries(*f.picker).contains(ContactLabel(last, first, mobile)));
}

void TestEditor::changeContact_data() {
    QTest::addColumn<QString>("how");
    for (const char* how : {"OK", "Fname", "Lname", "Mnumber", "Email"})
        QTest::newRow(how) << how;
}

void TestEditor::changeContact() {
    QFETCH(QString, how);
    Fixture f;
    f.book.add({{"Firstname", "Ann"},
                {"Surname", "Bee"},
                {"Name", "Annie"},
                {"CellPhone", "1"},
                {"HomeEmail", "ann@example.org"},
                {"Groups1", "Work"}});
    addedit& editor = f.edit(0);
    QCOMPARE(boxes(editor), (QStringList{"Ann", "Bee", "1", "ann@example.org", "Annie"}));
    type(editor, "Fname", "Anna");
    type(editor, "Mnumber", "2");
    save(editor, how);
    QVERIFY(editor.isHidden());
    QCOMPARE(f.book.count(), 1);
    // The display name stays as it was; the groups are left alone.
    QCOMPARE(record(f.book, 0), (QStringList{"Anna", "Bee", "2", "ann@example.org", "Annie"}));
    QCOMPARE(f.book.value(0, "Groups1"), QStringLiteral("Work"));
    QCOMPARE(entries(*f.picker), QStringList{"Bee, Anna (2)"});
}

void TestEditor::emptyMobileNumber() {
    Fixture f;
    f.book.addContact("A", "B", "1");
    clist& picker = f.open();
    tick(picker, "B, A (1)");
    addedit& editor = f.add();
    type(editor, "Fname", "New");
    save(editor, "Fname");
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.lastText(),
             QStringLiteral("Please enter the contact's mobile phone number"));
    QVERIFY(editor.isVisible());
    QCOMPARE(f.book.count(), 1);
    QCOMPARE(tickedEntries(picker), QStringList{"B, A (1)"});  // not rebuilt
}

void TestEditor::duplicateDisplayNames_data() {
    QTest::addColumn<bool>("loadedRecordMoved");
    QTest::newRow("the loaded record is changed") << false;
    QTest::newRow("loaded record moved: first of that name") << true;
}

// Two contacts share a display name; the one whose boxes were loaded is the
// one that changes, not whichever of them comes first.
void TestEditor::duplicateDisplayNames() {
    QFETCH(bool, loadedRecordMoved);
    Fixture f;
    f.book.addContact("John", "Smith", "1");
    f.book.addContact("John", "Smith", "2");
    f.book.addContact("Zed", "Other", "3");
    addedit& editor = f.edit(2);
    QCOMPARE(box(editor, "Mnumber").text(), QStringLiteral("2"));
    if (loadedRecordMoved)
        f.book.remove(0);  // the loaded record now stands at 0, "Other" at 1
    type(editor, "Email", "second@example.org");
    save(editor, "OK");

    const int changed = loadedRecordMoved ? 0 : 1;
    QCOMPARE(record(f.book, changed),
             (QStringList{"John", "Smith", "2", "second@example.org", "John Smith"}));
    if (!loadedRecordMoved)
        QCOMPARE(record(f.book, 0), (QStringList{"John", "Smith", "1", "", "John Smith"}));
    QCOMPARE(record(f.book, changed + 1), (QStringList{"Zed", "Other", "3", "", "Zed Other"}));
}

void TestEditor::cancel() {
    Fixture f;
    f.book.addContact("Ann", "Bee", "1");
    addedit& editor = f.edit(0);
    type(editor, "Mnumber", "5");
    press(editor, "Cancel");
    QVERIFY(editor.isHidden());
    QCOMPARE(f.book.value(0, "CellPhone"), QStringLiteral("1"));
    // Shown again, it still holds what it had.
    f.picker->editor()->show();
    QCOMPARE(box(editor, "Mnumber").text(), QStringLiteral("5"));
}

void TestEditor::failingBook_data() {
    QTest::addColumn<QString>("failingCall");
    QTest::newRow("component not created") << "Create";
    QTest::newRow("new record refused") << "CreateNew";
    QTest::newRow("a write") << "SetValue";
}

// The editor passes over failures without a word: it still hides and has the
// picker rebuild its list.
void TestEditor::failingBook() {
    QFETCH(QString, failingCall);
    Fixture f(TestBook::Kind::Memory);
    f.book.addContact("Ann", "Bee", "1");
    clist& picker = f.open();
    tick(picker, "Bee, Ann (1)");
    addedit& editor = f.add();
    type(editor, "Mnumber", "2");
    f.book.memory().failingCall = failingCall;
    save(editor, "OK");
    QVERIFY(editor.isHidden());
    // Only the rebuild may speak, and only when it cannot read the book.
    QCOMPARE(f.dialogs.shown.size(), failingCall == QLatin1String("Create") ? 1 : 0);
    QVERIFY(tickedEntries(picker).isEmpty());  // rebuilt
    QCOMPARE(f.book.memory().value(0, "CellPhone"), QStringLiteral("1"));
}

QTEST_MAIN(TestEditor)
#include "test_addedit.moc"
