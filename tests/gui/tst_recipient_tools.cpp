// SPDX-License-Identifier: GPL-3.0-or-later
// Lists from files, the fields of a message, imports and groups, driven in
// the real windows over real files in a temporary home.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "core/book/address_book.h"
#include "core/settings/preferences.h"
#include "core/settings/settings.h"
#include "gui/contact_editor.h"
#include "gui/contact_import_dialog.h"
#include "gui/current_recipients.h"
#include "gui/main_window.h"
#include "gui/message_box.h"
#include "gui/message_text_edit.h"
#include "gui/recipient_file_dialog.h"
#include "gui/recipient_picker.h"

using namespace pelicast;
using namespace Qt::StringLiterals;
using Answer = MessageBox::Answer;

namespace {

const GatewayLocation kNowhere{u"http://www."_s, u"https://secure."_s, u"quillo.example"_s};

// Anna is in Work; Ben, written by another program, in the group card Team;
// Cleo, whom no change touches, in Club.
const QByteArray kAnna =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:a-1\r\nFN:Anna Berg\r\nN:Berg;Anna;;;\r\n"
    "TEL;TYPE=CELL:6941111111\r\nCATEGORIES:Work\r\nEND:VCARD\r\n";
const QByteArray kBen =
    "BEGIN:VCARD\r\nVERSION:2.1\r\nUID:b-2\r\nFN:Ben Carr\r\nN:Carr;Ben\r\nTEL;CELL:6942222222\r\n"
    "PHOTO;ENCODING=BASE64;JPEG:AAAA\r\nX-CUSTOM;odd=\"a:b\":keep me\r\nEND:VCARD\r\n";
const QByteArray kCleo =
    "BEGIN:VCARD\nVERSION:4.0\nUID:c-3\nFN:Cleo Dorn\nN:Dorn;Cleo;;;\nTEL;TYPE=cell:6943333333\n"
    "CATEGORIES:Club\nPHOTO:data:image/png;base64,iVBORw0KGgo=\nX-ODD;TYPE=x:kept\nEND:VCARD\n";
const QByteArray kTeam =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:g-1\r\nFN:Team\r\nN:Team;;;;\r\n"
    "X-ADDRESSBOOKSERVER-KIND:group\r\nX-ADDRESSBOOKSERVER-MEMBER:urn:uuid:b-2\r\nEND:VCARD\r\n";

void write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QByteArray bookBytes() {
    QFile file(AddressBook::defaultPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<QStringList> groupsInBook() {
    AddressBook book;
    QList<QStringList> groups;
    for (int i = 0; book.load() && i < book.count(); ++i)
        groups.append(book.groupsOf(i));
    return groups;
}

template <class Widget = QWidget>
Widget* control(const QObject& window, const char* name) {
    auto* widget = window.findChild<Widget*>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

QStringList menuTexts(QToolButton* button) {
    QStringList texts;
    for (const QAction* action : button->menu()->actions())
        texts.append(action->text());
    return texts;
}

// Runs `step` on the modal dialog `call` opens, once it is shown.
template <class Dialog>
void onDialog(const std::function<void(Dialog&)>& step, const std::function<void()>& call) {
    QTimer::singleShot(0, [step] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        step(*dialog);
    });
    call();
}

void setCurrent(QListView* list, const QString& text) {
    const QAbstractItemModel* model = list->model();
    const QModelIndexList found = model->match(model->index(0, 0), Qt::DisplayRole, text);
    QVERIFY2(!found.isEmpty(), qPrintable(text));
    list->setCurrentIndex(found.first());
}

}  // namespace

class TestRecipientTools : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString list_ = dir_.filePath(u"list.csv"_s);

private Q_SLOTS:
    void init() {
        QFile::remove(Settings::fileName());
        QFile::remove(AddressBook::defaultPath());
        Settings settings;
        QVERIFY(Preferences{u"GR"_s}.save(settings));
        MessageBox::startRecording();
    }
    void cleanup() { QFile::remove(list_); }

    void mappingStep_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("encoding");  // chosen in the step; "" keeps the one found
        QTest::addColumn<int>("header");        // -1 as found, else as set
        QTest::addColumn<int>("column");        // -1 as guessed
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("recipients");
        QTest::addColumn<QString>("firstValue");
        QTest::addColumn<int>("leftOut");
        const QByteArray named =
            "Name,Mobile\r\nAnna,694 111 1111\r\nBen,6942222222\r\n\"Ann, again\",6941111111\r\n";
        QTest::newRow("header, a repeat left out")
            << named << QString() << -1 << -1 << QStringList{u"Name"_s, u"Mobile"_s}
            << u"694 111 1111;6942222222"_s << u"Anna"_s << 1;
        QTest::newRow("header unticked: its row is no number")
            << named << QString() << 0 << -1 << QStringList{u"Column 1"_s, u"Column 2"_s}
            << u"694 111 1111;6942222222"_s << u"Anna"_s << 2;
        QTest::newRow("no header, semicolons")
            << QByteArray("6941111111;Anna\n6942222222;Ben\n") << QString() << -1 << -1
            << QStringList{u"Column 1"_s, u"Column 2"_s} << u"6941111111;6942222222"_s
            << u"6941111111"_s << 0;
        QTest::newRow("number column chosen")
            << QByteArray("Home\tMobile\n2101111111\t6941111111\n2102222222\t6942222222\n")
            << QString() << -1 << 1 << QStringList{u"Home"_s, u"Mobile"_s}
            << u"6941111111;6942222222"_s << u"2101111111"_s << 0;
        QStringEncoder greek("windows-1253");
        QTest::newRow("encoding changed")
            << QByteArray(greek(u"Όνομα,Κινητό\nΝίκος,6941111111\n"_s)) << u"windows-1253"_s << -1
            << -1 << QStringList{u"Όνομα"_s, u"Κινητό"_s} << u"6941111111"_s << u"Νίκος"_s << 0;
    }
    void mappingStep() {
        QFETCH(QByteArray, file);
        QFETCH(QString, encoding);
        QFETCH(int, header);
        QFETCH(int, column);
        QFETCH(QStringList, fields);
        QFETCH(QString, recipients);
        QFETCH(QString, firstValue);
        QFETCH(int, leftOut);
        write(list_, file);
        MainWindow window(kNowhere);
        window.show();
        auto* current = window.findChild<CurrentRecipients*>();
        int listed = -1;
        // Escape leaves the field as it was; Return takes the list.
        for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
            onDialog<RecipientFileDialog>(
                [&](RecipientFileDialog& dialog) {
                    if (!encoding.isEmpty()) {
                        auto* box = control<QComboBox>(dialog, "encoding");
                        box->setCurrentText(encoding);
                        Q_EMIT box->activated(box->currentIndex());
                    }
                    if (header >= 0)
                        control<QCheckBox>(dialog, "firstRowNames")->setChecked(header == 1);
                    if (column >= 0) {
                        control<QComboBox>(dialog, "numberColumn")->setCurrentIndex(column);
                        Q_EMIT control<QComboBox>(dialog, "numberColumn")->activated(column);
                    }
                    listed = control<QListView>(dialog, "leftOut")->model()->rowCount();
                    QTest::keyClick(&dialog, key);
                },
                [&] { QCOMPARE(current->loadFile(list_), key == Qt::Key_Return); });
            QCOMPARE(control<QComboBox>(window, "rcpt")->currentText(),
                     key == Qt::Key_Return ? recipients : QString());
        }
        QCOMPARE(listed, leftOut);
        QCOMPARE(window.currentRecipients().fieldNames(), fields);
        QCOMPARE(window.currentRecipients().value(0, 0), firstValue);
        QStringList placeholders;
        for (const QString& field : fields)
            placeholders.append(u'{' + field + u'}');
        QCOMPARE(menuTexts(control<QToolButton>(window, "insertField")), placeholders);
    }

    void fieldsFollowTheRecipients() {
        write(AddressBook::defaultPath(), kAnna);
        write(list_, "Company,Mobile\nAcme,6941111111\nInitech,6942222222\n");
        MainWindow window(kNowhere);
        auto* rcpt = control<QComboBox>(window, "rcpt");
        auto* button = control<QToolButton>(window, "insertField");
        auto* sms = control<MessageTextEdit>(window, "sms");
        QVERIFY(!button->isEnabled());
        // A file that is no text says so, and changes nothing.
        write(dir_.filePath(u"list.xls"_s), QByteArray("PK\0\x03", 4));
        MessageBox::setNextAnswer(Answer::Ok);
        QVERIFY(!window.findChild<CurrentRecipients*>()->loadFile(dir_.filePath(u"list.xls"_s)));
        QVERIFY2(MessageBox::shownTexts().value(0).contains(u"list.xls"_s),
                 qPrintable(MessageBox::shownTexts().value(0)));
        onDialog<RecipientFileDialog>(
            [](RecipientFileDialog& dialog) { dialog.accept(); },
            [&] { window.findChild<CurrentRecipients*>()->loadFile(list_); });
        // Edited: a number still in the file keeps its row, another has none.
        rcpt->setEditText(u"6942222222;6949999999"_s);
        RecipientList now = window.currentRecipients();
        QCOMPARE((QStringList{now.value(0, 0), now.value(1, 0)}), (QStringList{u"Initech"_s, {}}));
        sms->setText(u"Dear , hi"_s);
        QTextCursor cursor = sms->textCursor();
        cursor.setPosition(5);
        sms->setTextCursor(cursor);
        button->menu()->actions().first()->trigger();
        QCOMPARE(sms->text(), u"Dear {Company}, hi"_s);
        // Replaced, as the picker does, the field forgets the file.
        rcpt->setEditText(u"Berg, Anna (6941111111);"_s);
        QCOMPARE(menuTexts(button), (QStringList{u"{first}"_s, u"{last}"_s, u"{name}"_s}));
        now = window.currentRecipients();
        QCOMPARE(now.value(0, now.fieldIndex(u"name")), u"Anna Berg"_s);
    }

    void importTellsTheCounts() {
        RecipientPicker picker;
        picker.showPicker();
        QVERIFY(control(picker, "emptyHint")->isVisible());
        const QString cards = dir_.filePath(u"import.vcf"_s);
        write(cards, kAnna + kAnna + kBen + kTeam);
        for (int box = 0; box < 3; ++box)
            MessageBox::setNextAnswer(Answer::Ok);
        QVERIFY(importContactFiles(&picker, {cards}));
        QVERIFY(!importContactFiles(&picker, {cards, list_}));
        QVERIFY(!importContactFiles(&picker, {cards}));
        picker.reload();
        QVERIFY(!control(picker, "emptyHint")->isVisible());
        QCOMPARE(MessageBox::shownTexts(),
                 (QStringList{u"Added 2 contacts, skipped 1 already in the address book."_s,
                              u"Cannot read \"%1\": No such file or directory."_s.arg(list_),
                              u"Added 0 contacts, skipped 3 already in the address book."_s}));
        QCOMPARE(groupsInBook(), (QList<QStringList>{{u"Work"_s}, {u"Team"_s}}));
    }

    void groupsChangedInPickerAndEditor() {
        write(AddressBook::defaultPath(), kAnna + kBen + kCleo + kTeam);
        RecipientPicker picker;
        picker.showPicker();
        auto* list = control<QListView>(picker, "con_idx");
        auto* category = control<QComboBox>(picker, "con_cat");
        const auto run = [&](const char* action, const QString& answer) {
            if (answer == "Yes"_L1)
                MessageBox::setNextAnswer(Answer::Yes);
            else
                MessageBox::setNextText(answer);
            control<QAction>(picker, action)->trigger();
        };
        for (const QString& name : {u"Berg, Anna (6941111111)"_s, u"Carr, Ben (6942222222)"_s})
            list->model()->setData(
                list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, name).first(),
                Qt::Checked, Qt::CheckStateRole);
        run("newGroup", u"Choir"_s);
        category->setCurrentIndex(1);
        Q_EMIT category->activated(1);
        setCurrent(list, u"Team (group)"_s);
        run("renameGroup", u"Crew"_s);
        setCurrent(list, u"Work (group)"_s);
        run("deleteGroup", u"Yes"_s);
        QCOMPARE(groupsInBook(),
                 (QList<QStringList>{{u"Choir"_s}, {u"Crew"_s, u"Choir"_s}, {u"Club"_s}}));
        // In the editor: Ben leaves Choir; then Anna leaves it in the picker.
        category->setCurrentIndex(0);
        Q_EMIT category->activated(0);
        setCurrent(list, u"Carr, Ben (6942222222)"_s);
        control<QPushButton>(picker, "editcon")->click();
        auto* editor = picker.findChild<ContactEditor*>();
        QListWidget* groups = control<QListWidget>(*editor, "groups");
        QCOMPARE(groups->count(), 3);  // Choir, Club, Crew
        groups->item(0)->setCheckState(Qt::Unchecked);
        QTest::keyClick(editor, Qt::Key_Return);
        setCurrent(list, u"Berg, Anna (6941111111)"_s);
        run("removeFromGroup", u"Choir"_s);
        QCOMPARE(groupsInBook(), (QList<QStringList>{{}, {u"Crew"_s}, {u"Club"_s}}));
        const QByteArray file = bookBytes();
        QVERIFY(file.contains(kCleo));
        QVERIFY(file.contains("PHOTO;ENCODING=b;TYPE=JPEG:AAAA") && file.contains("keep me"));
    }

    void saveRecipientsAsGroup() {
        write(AddressBook::defaultPath(), kAnna + kBen + kCleo);
        MainWindow window(kNowhere);
        control<QComboBox>(window, "rcpt")
            ->setEditText(u"Carr, Ben (6942222222);694 111 1111;Club (group);6949999999;"_s);
        MessageBox::setNextText(u"work"_s);
        MessageBox::setNextAnswer(Answer::Ok);
        control<QAction>(window, "saveGroup")->trigger();
        QCOMPARE(groupsInBook(),
                 (QList<QStringList>{{u"Work"_s}, {u"Work"_s}, {u"Club"_s, u"Work"_s}}));
        QCOMPARE(MessageBox::shownTexts().last(),
                 u"Members of the group “Work” now: 3. Members before: 1.\n\n"
                 u"Not in the address book, so not in the group: 6949999999"_s);
    }
};

QTEST_MAIN(TestRecipientTools)
#include "tst_recipient_tools.moc"
