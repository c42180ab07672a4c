// SPDX-License-Identifier: GPL-3.0-or-later
// The recipient picker, the contact editor and the contact-list upload, over
// a real vCard file in a temporary home.
#include <QComboBox>
#include <QDir>
#include <QJsonArray>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QSslConfiguration>
#include <QTemporaryDir>
#include <QTest>

#include "core/book/address_book.h"
#include "core/gateway/gateway_client.h"
#include "core/journal/journal_recorder.h"
#include "core/settings/settings.h"
#include "gui/contact_editor.h"
#include "gui/contact_upload.h"
#include "gui/message_box.h"
#include "gui/recipient_picker.h"
#include "support/gateway_process.h"

using namespace pelicast;
using namespace Qt::StringLiterals;
using Answer = MessageBox::Answer;

namespace {

QByteArray card(const QByteArray& first, const QByteArray& last, const QByteArray& mobile,
                const QByteArray& groups = {}) {
    QByteArray text = "BEGIN:VCARD\r\nVERSION:3.0\r\nN:" + last + ";" + first +
                      ";;;\r\nFN:" + first + " " + last + "\r\n";
    if (!mobile.isEmpty())
        text += "TEL;TYPE=CELL:" + mobile + "\r\n";
    if (!groups.isEmpty())
        text += "CATEGORIES:" + groups + "\r\n";
    return text + "END:VCARD\r\n";
}

// Contacts of two groups, in this book order.
QByteArray groupedBook() {
    return card("John", "Doe", "N", "Work") + card("Ann", "Bee", "1", "Friends,Work") +
           card("Carl", "Cee", {}, "Work") + card("Gil", "Hay", "7");
}

void writeBook(const QByteArray& contents) {
    QDir().mkpath(QFileInfo(AddressBook::defaultPath()).path());
    QFile file(AddressBook::defaultPath());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
}

Contact bookContact(int index) {
    AddressBook book;
    if (!book.load() || index >= book.count())
        return {};
    return book.contact(index);
}

template <class Widget = QWidget>
Widget* control(QWidget& window, const char* name) {
    auto* widget = window.findChild<Widget*>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

void press(QWidget& window, const char* button) {
    control<QPushButton>(window, button)->click();
}

QStringList entries(QWidget& picker) {
    const QAbstractItemModel* model = control<QListView>(picker, "con_idx")->model();
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts.append(model->index(row, 0).data().toString());
    return texts;
}

void tick(QWidget& picker, const QString& text) {
    QAbstractItemModel* model = control<QListView>(picker, "con_idx")->model();
    const QModelIndexList found =
        model->match(model->index(0, 0), Qt::DisplayRole, text, 1, Qt::MatchExactly);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    QVERIFY(model->setData(found.first(), Qt::Checked, Qt::CheckStateRole));
}

void makeCurrent(QWidget& picker, int row) {
    auto* list = control<QListView>(picker, "con_idx");
    list->setCurrentIndex(list->model()->index(row, 0));
}

void chooseCategory(QWidget& picker, const QString& category) {
    auto* box = control<QComboBox>(picker, "con_cat");
    box->setCurrentIndex(box->findText(category));
    Q_EMIT box->activated(box->currentIndex());
}

}  // namespace

class TestRecipientPicker : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void lists_data();
    void lists();
    void takeRecipients_data();
    void takeRecipients();
    void unreadableGroupMember();
    void editorAddsAndChanges();
    void failedSaveKeepsTyping();
    void noContactSelected_data();
    void noContactSelected();
    void deleteContact();
    void activationLeavesStatusAndFocus();
    void returnAndEscape_data();
    void returnAndEscape();
    void upload_data();
    void upload();

private:
    QTemporaryDir home_;
};

void TestRecipientPicker::initTestCase() {
    QVERIFY(home_.isValid());
    qputenv("XDG_DATA_HOME", home_.filePath(u"data"_s).toUtf8());
    qputenv("XDG_CONFIG_HOME", home_.filePath(u"config"_s).toUtf8());
    QSslConfiguration::setDefaultConfiguration(testing::GatewayProcess::sslConfiguration());
}

void TestRecipientPicker::init() {
    QDir(home_.filePath(u"data"_s)).removeRecursively();
    MessageBox::startRecording();
}

void TestRecipientPicker::lists_data() {
    QTest::addColumn<QByteArray>("book");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("contacts sorted ignoring case, those without a mobile left out")
        << card("x", "beta", "1") + card("x", "Gamma", "1") + card("x", "alpha", "1") +
               card("x", "Beta", "1") + card("x", "Delta", {})
        << QString()
        << QStringList{u"alpha, x (1)"_s, u"beta, x (1)"_s, u"Beta, x (1)"_s, u"Gamma, x (1)"_s};
    QTest::newRow("groups") << groupedBook() << u"Groups"_s
                            << QStringList{u"Friends (group)"_s, u"Work (group)"_s};
    QTest::newRow("no contacts") << QByteArray() << u"Contacts"_s << QStringList{u"No Contacts"_s};
    QTest::newRow("no groups") << card("x", "y", "1") << u"Groups"_s << QStringList{u"No Groups"_s};
}

void TestRecipientPicker::lists() {
    QFETCH(QByteArray, book);
    QFETCH(QString, category);
    QFETCH(QStringList, expected);
    writeBook(book);
    RecipientPicker picker;
    picker.showPicker();
    if (!category.isEmpty())
        chooseCategory(picker, category);
    QCOMPARE(entries(picker), expected);
    const bool placeholder = expected.first().startsWith(u"No "_s);
    const bool contacts = category != u"Groups"_s && !placeholder;
    QCOMPARE(control(picker, "con_idx")->isEnabled(), !placeholder);
    QCOMPARE(control(picker, "editcon")->isEnabled(), contacts);
    QCOMPARE(control(picker, "delcon")->isEnabled(), contacts);
}

void TestRecipientPicker::takeRecipients_data() {
    QTest::addColumn<QString>("category");
    QTest::addColumn<QStringList>("ticked");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("recipients");
    QTest::newRow("nothing, replace") << u"Contacts"_s << QStringList() << u"OKButton"_s << u""_s;
    QTest::newRow("nothing, add") << u"Contacts"_s << QStringList() << u"addb"_s << u""_s;
    QTest::newRow("contacts in list order")
        << u"Contacts"_s << QStringList{u"Hay, Gil (7)"_s, u"Bee, Ann (1)"_s} << u"addb"_s
        << u"Bee, Ann (1);Hay, Gil (7);"_s;
    QTest::newRow("groups in list order, members in book order")
        << u"Groups"_s << QStringList{u"Work (group)"_s, u"Friends (group)"_s} << u"OKButton"_s
        << u"Bee, Ann (1);Doe, John (N);Bee, Ann (1);"_s;
}

void TestRecipientPicker::takeRecipients() {
    QFETCH(QString, category);
    QFETCH(QStringList, ticked);
    QFETCH(QString, button);
    QFETCH(QString, recipients);
    writeBook(groupedBook());
    RecipientPicker picker;
    QSignalSpy chosen(&picker, &RecipientPicker::recipientsChosen);
    QSignalSpy added(&picker, &RecipientPicker::recipientsAdded);
    picker.showPicker();
    chooseCategory(picker, category);
    makeCurrent(picker, 0);  // the current entry plays no part
    for (const QString& entry : ticked)
        tick(picker, entry);
    press(picker, qPrintable(button));
    QVERIFY(picker.isHidden());
    // Replace sends the recipients as chosen, Add as added, never both.
    const QSignalSpy& fired = button == u"OKButton"_s ? chosen : added;
    QCOMPARE(chosen.size() + added.size(), 1);
    QCOMPARE(fired.value(0).value(0).toString(), recipients);
}

void TestRecipientPicker::unreadableGroupMember() {
    // A charset nobody knows: the card is kept but its name cannot be decoded.
    writeBook(groupedBook() +
              card("Bad", "Card", "9", "Work").replace("FN:", "FN;CHARSET=X-NONE:"));
    RecipientPicker picker;
    QSignalSpy chosen(&picker, &RecipientPicker::recipientsChosen);
    picker.showPicker();
    chooseCategory(picker, u"Groups"_s);
    tick(picker, u"Work (group)"_s);
    tick(picker, u"Friends (group)"_s);  // the card is counted once all the same
    MessageBox::setNextAnswer(Answer::Ok);
    press(picker, "OKButton");
    QCOMPARE(chosen.first().first().toString(), u"Bee, Ann (1);Doe, John (N);Bee, Ann (1);"_s);
    QCOMPARE(MessageBox::shownTexts(),
             QStringList{u"1 contact of the ticked groups could not be read and was left out."_s});
}

void TestRecipientPicker::editorAddsAndChanges() {
    writeBook({});
    RecipientPicker picker;
    picker.showPicker();
    press(picker, "addcon");
    ContactEditor* editor = picker.findChild<ContactEditor*>();
    QVERIFY(editor && editor->isVisible());
    control<QLineEdit>(*editor, "Fname")->setText(u"Ann"_s);
    control<QLineEdit>(*editor, "Lname")->setText(u"Bee"_s);
    control<QLineEdit>(*editor, "Mnumber")->setText(u"1"_s);
    control<QLineEdit>(*editor, "Email")->setText(u"ann@example.org"_s);
    press(*editor, "OK");
    QVERIFY(editor->isHidden());
    Contact saved = bookContact(0);
    QCOMPARE(
        (QStringList{saved.firstName, saved.surname, saved.displayName, saved.mobile, saved.email}),
        (QStringList{u"Ann"_s, u"Bee"_s, u"Ann Bee"_s, u"1"_s, u"ann@example.org"_s}));
    QCOMPARE(entries(picker), QStringList{u"Bee, Ann (1)"_s});

    makeCurrent(picker, 0);
    press(picker, "editcon");
    QVERIFY(editor->isVisible());
    QCOMPARE(control<QLineEdit>(*editor, "Email")->text(), u"ann@example.org"_s);
    control<QLineEdit>(*editor, "Fname")->setText(u"Anna"_s);
    control<QLineEdit>(*editor, "Mnumber")->setText(u"2"_s);
    press(*editor, "OK");
    saved = bookContact(0);
    // The display name stays as it was.
    QCOMPARE((QStringList{saved.firstName, saved.displayName, saved.mobile}),
             (QStringList{u"Anna"_s, u"Ann Bee"_s, u"2"_s}));
    QCOMPARE(entries(picker), QStringList{u"Bee, Anna (2)"_s});
}

void TestRecipientPicker::failedSaveKeepsTyping() {
    writeBook(card("A", "B", "1"));
    // The backup cannot replace a folder; unlike file modes, that holds for root too.
    QVERIFY(QDir().mkpath(AddressBook::defaultPath() + u".bak/x"_s));
    RecipientPicker picker;
    picker.showPicker();
    press(picker, "addcon");
    ContactEditor* editor = picker.findChild<ContactEditor*>();
    control<QLineEdit>(*editor, "Fname")->setText(u"Typed"_s);
    control<QLineEdit>(*editor, "Mnumber")->setText(u"2"_s);
    MessageBox::setNextAnswer(Answer::Ok);
    press(*editor, "OK");
    QVERIFY(
        MessageBox::shownTexts().value(0).startsWith(u"The address book could not be saved."_s));
    QVERIFY(editor->isVisible());
    QCOMPARE(control<QLineEdit>(*editor, "Fname")->text(), u"Typed"_s);
    QCOMPARE(entries(picker).size(), 1);
}

void TestRecipientPicker::noContactSelected_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("edit") << u"editcon"_s << QStringList{u"Please select the contact to edit"_s};
    QTest::newRow("delete") << u"delcon"_s
                            << QStringList{
                                   u"Are you sure you want to delete the selected contact ?"_s,
                                   u"Please select the Contact to delete"_s};
}

// No current entry, or one whose contact changed since the list was built.
void TestRecipientPicker::noContactSelected() {
    QFETCH(QString, button);
    QFETCH(QStringList, messages);
    writeBook(card("John", "Doe", "1"));
    RecipientPicker picker;
    picker.showPicker();
    for (bool current : {false, true}) {
        if (current) {
            makeCurrent(picker, 0);
            writeBook(card("John", "Doe", "2"));
        }
        MessageBox::startRecording();
        for (qsizetype i = 0; i < messages.size(); ++i)
            MessageBox::setNextAnswer(Answer::Yes);
        press(picker, qPrintable(button));
        if (current)  // the list is shown anew
            messages.last() =
                u"The address book has changed since the list was shown. Please "
                u"choose the contact again."_s;
        QCOMPARE(MessageBox::shownTexts(), messages);
        QVERIFY(!picker.findChild<ContactEditor*>());
        QCOMPARE(bookContact(0).mobile, current ? u"2"_s : u"1"_s);
    }
}

void TestRecipientPicker::deleteContact() {
    writeBook(card("A", "Twin", "1") + card("B", "Solo", "2") +
              card("A", "Twin", "1").replace("FN:A Twin", "FN:Other"));
    RecipientPicker picker;
    QSignalSpy chosen(&picker, &RecipientPicker::recipientsChosen);
    picker.showPicker();
    tick(picker, u"Solo, B (2)"_s);
    makeCurrent(picker, 2);
    MessageBox::setNextAnswer(Answer::No);
    press(picker, "delcon");
    QCOMPARE(entries(picker).size(), 3);
    MessageBox::setNextAnswer(Answer::Yes);
    press(picker, "delcon");
    // The one of two equal contacts that was chosen goes; the list is rebuilt
    // without ticks.
    QCOMPARE(entries(picker), (QStringList{u"Solo, B (2)"_s, u"Twin, A (1)"_s}));
    QCOMPARE(bookContact(0).displayName, u"A Twin"_s);
    press(picker, "OKButton");
    QCOMPARE(chosen.first().first().toString(), QString());
}

// Coming back to a window from another one changes nothing of the status
// line, nor moves the focus in the editor.
void TestRecipientPicker::activationLeavesStatusAndFocus() {
    writeBook(card("A", "B", "1"));
    RecipientPicker picker;
    QSignalSpy status(&picker, &RecipientPicker::statusChanged);
    picker.showPicker();
    QCOMPARE(status.size(), 2);
    QCOMPARE(status.at(0).first().toString(), u"Collecting Contacts..."_s);
    QCOMPARE(status.at(1).first().toString(), QString());
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&picker, &activate);
    QCOMPARE(status.size(), 2);

    press(picker, "addcon");
    ContactEditor* editor = picker.findChild<ContactEditor*>();
    control(*editor, "Lname")->setFocus();
    QApplication::sendEvent(editor, &activate);
    QCOMPARE(editor->focusWidget(), control(*editor, "Lname"));
}

void TestRecipientPicker::returnAndEscape_data() {
    QTest::addColumn<bool>("inEditor");
    QTest::addColumn<int>("key");
    QTest::newRow("picker Return") << false << int(Qt::Key_Return);
    QTest::newRow("picker Escape") << false << int(Qt::Key_Escape);
    QTest::newRow("editor Return") << true << int(Qt::Key_Return);
    QTest::newRow("editor Escape") << true << int(Qt::Key_Escape);
}

void TestRecipientPicker::returnAndEscape() {
    QFETCH(bool, inEditor);
    QFETCH(int, key);
    const bool taken = key == Qt::Key_Return;  // recipients chosen, or the contact saved
    writeBook(card("A", "B", "1"));
    RecipientPicker picker;
    QSignalSpy chosen(&picker, &RecipientPicker::recipientsChosen);
    picker.showPicker();
    tick(picker, u"B, A (1)"_s);
    QWidget* window = &picker;
    QWidget* target = control(picker, "con_idx");
    if (inEditor) {
        press(picker, "addcon");
        window = picker.findChild<ContactEditor*>();
        control<QLineEdit>(*window, "Mnumber")->setText(u"2"_s);
        target = control(*window, "Email");
    }
    target->setFocus();
    QTest::keyClick(target, Qt::Key(key));
    QVERIFY(window->isHidden());
    QCOMPARE(chosen.size(), inEditor ? 0 : int(taken));
    AddressBook book;
    QVERIFY(book.load());
    QCOMPARE(book.count(), inEditor && taken ? 2 : 1);
}

void TestRecipientPicker::upload_data() {
    QTest::addColumn<QString>("groups");  // "": the question cancelled
    QTest::addColumn<bool>("bookReadable");
    QTest::addColumn<QStringList>("statuses");
    QTest::newRow("sent") << u"Friends;Work"_s << true
                          << QStringList{u"Collecting Address Book Contacts..."_s,
                                         u"Sending Request to server..."_s};
    QTest::newRow("cancelled") << QString() << true << QStringList();
    QTest::newRow("book unreadable")
        << u"G"_s << false << QStringList{u"Collecting Address Book Contacts..."_s, QString()};
}

void TestRecipientPicker::upload() {
    QFETCH(QString, groups);
    QFETCH(bool, bookReadable);
    QFETCH(QStringList, statuses);
    testing::GatewayProcess gateway;
    QVERIFY2(gateway.start({{u"demo"_s, u"secret"_s, 10}}), qPrintable(gateway.errorString()));
    if (bookReadable) {
        writeBook(card("Anna", "Ant", "12 3") + card("No", "Mobile", {}) +
                  card("Bo", "Bee", "456"));
    } else {
        QVERIFY(QDir().mkpath(AddressBook::defaultPath()));  // a folder, not a file
    }
    Settings settings;
    settings.setValue(keys::kNewGroups, QString());
    GatewayClient client({gateway.httpBase(), gateway.httpsBase(), u"quillo"_s});
    ConnectionSettings direct;
    direct.proxy = ConnectionSettings::Proxy::Direct;
    client.setConnection(direct);
    JournalRecorder recorder(client, settings);
    QSignalSpy replied(&client, &GatewayClient::replied);
    QStringList shownStatuses;
    MessageBox::setNextText(groups);
    if (!groups.isEmpty())
        MessageBox::setNextAnswer(Answer::Yes);  // replace existing groups
    if (!bookReadable)
        MessageBox::setNextAnswer(Answer::Ok);  // the failure
    const bool posted = uploadContacts(nullptr, recorder, settings, u" demo "_s, u"secret"_s,
                                       [&](const QString& text) { shownStatuses.append(text); });
    QCOMPARE(posted, !groups.isEmpty() && bookReadable);
    QCOMPARE(shownStatuses, statuses);
    QCOMPARE(settings.value(keys::kNewGroups), groups);
    if (!posted) {
        QCOMPARE(MessageBox::shownTexts().size(), groups.isEmpty() ? 1 : 3);
        QVERIFY(gateway.outbox().isEmpty());
        return;
    }
    QVERIFY(replied.wait(20000));
    QVERIFY2(replied.first().first().toString().startsWith(u"Contact list received: 2 contacts"_s),
             qPrintable(replied.first().first().toString()));
    const QJsonObject record = gateway.outbox().value(0);
    QCOMPARE(record[u"names"_s].toArray(), QJsonArray({u"Anna Ant"_s, u"Bo Bee"_s}));
    QCOMPARE(record[u"numbers"_s].toArray(), QJsonArray({u"123"_s, u"456"_s}));
    QCOMPARE(record[u"groups"_s].toArray(), QJsonArray({u"Friends"_s, u"Work"_s}));
    QVERIFY(record[u"delold"_s].toBool());
}

QTEST_MAIN(TestRecipientPicker)
#include "tst_recipient_picker.moc"
