// The vCard address book as the picker, the editor and the upload use it, and
// what it does when files are damaged, shared or fail to save.
#include <sys/stat.h>

#include <QFileInfo>
#include <QStandardPaths>
#include <QtTest>

#include "platform/component_factory.h"
#include "platform/vcard_address_book.h"
#include "platform/vcard_store.h"
#include "vcard_test_support.h"

using namespace pelicast;
using platform::ComponentError;
using platform::VCardAddressBook;

namespace {

const QByteArray kTwoCards =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:a-1\r\nFN:Anna Berg\r\nN:Berg;Anna;;;\r\n"
    "TEL;TYPE=CELL:+41 1\r\nCATEGORIES:Friends,Work\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:b-2\r\nFN:Ben Carr\r\nN:Carr;Ben;;;\r\n"
    "TEL;TYPE=CELL:+41 2\r\nPHOTO;ENCODING=b;TYPE=JPEG:AAAA\r\nEND:VCARD\r\n";

QStringList Names(const QString& path) {
    VCardAddressBook book;
    book.Open(path);
    QStringList names;
    for (int i = 0; i <= book.GetCount(); ++i) {
        if (book.Select(i))
            names << book.GetValue(QStringLiteral("Name"));
    }
    return names;
}

int Mode(const QString& path) {
    struct stat info {};
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

}  // namespace

class TestVCardAddressBook : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString Book(const QByteArray& contents, const QString& name = QStringLiteral("book.vcf")) {
        const QString path = dir_.filePath(name);
        QFile::remove(path);
        QFile::remove(path + QStringLiteral(".bak"));
        test::WriteAll(path, contents);
        return path;
    }

private slots:
    void initTestCase() { QCoreApplication::setApplicationName(QStringLiteral("Pelicast")); }
    void cleanup() { platform::vcard::SetCommitFaultForTesting({}); }

    void userBookIsCreatedEmptyAndPrivate() {
        const QString path =
            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/contacts.vcf";
        QVERIFY(path.startsWith(qEnvironmentVariable("HOME")));
        QFile::remove(path);
        VCardAddressBook book;
        book.Open(QString());
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(Mode(path), 0600);
        QCOMPARE(book.GetCount(), 0);
        QCOMPARE(book.Select(0), 0);
        QCOMPARE(book.GetValue(QStringLiteral("Name")), QString());
        book.Close();
        QCOMPARE(test::ReadAll(path), QByteArray());
    }

    void selectOutsideTheRecords_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("expected");
        QTest::newRow("first") << 0 << 1;
        QTest::newRow("last") << 1 << 1;
        QTest::newRow("count") << 2 << 0;
        QTest::newRow("negative") << -1 << 0;
        QTest::newRow("far") << 32767 << 0;
    }
    void selectOutsideTheRecords() {
        QFETCH(int, index);
        QFETCH(int, expected);
        VCardAddressBook book;
        book.Open(Book(kTwoCards));
        QCOMPARE(book.Select(index), expected);
    }

    void fieldNamesIgnoreCase_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Cellphone") << "Cellphone"
                                   << "+41 1";
        QTest::newRow("CELLPHONE") << "CELLPHONE"
                                   << "+41 1";
        QTest::newRow("surname") << "surname"
                                 << "Berg";
        QTest::newRow("firstName") << "firstName"
                                   << "Anna";
        QTest::newRow("absent email") << "HomeEmail"
                                      << "";
        QTest::newRow("groups1") << "groups1"
                                 << "Friends\r\nWork";
        QTest::newRow("unknown") << "Nickname"
                                 << "";
    }
    void fieldNamesIgnoreCase() {
        QFETCH(QString, field);
        QFETCH(QString, expected);
        VCardAddressBook book;
        book.Open(Book(kTwoCards));
        QVERIFY(book.Select(0));
        QCOMPARE(book.GetValue(field), expected);
        QCOMPARE(book.GetValue(field), expected);  // asking again moves nothing
    }

    void createNewThenSetValueWithoutSelect() {
        const QString path = dir_.filePath(QStringLiteral("new.vcf"));
        QFile::remove(path);
        {
            VCardAddressBook book;
            book.Open(path);
            QVERIFY(book.CreateNew(QStringLiteral(" Dupont"), QStringLiteral("d@example.org")));
            book.SetValue(QStringLiteral("Firstname"), QStringLiteral("Zoé, \"Z\""));
            book.SetValue(QStringLiteral("Surname"), QStringLiteral("Dupont"));
            book.SetValue(QStringLiteral("CellPhone"), QStringLiteral("+33 6 12"));
            book.SetValue(QStringLiteral("HomeEmail"), QStringLiteral("d@example.org"));
            book.Close();
        }
        QCOMPARE(Mode(path), 0600);
        VCardAddressBook book;
        book.Open(path);
        QCOMPARE(book.GetCount(), 1);
        QVERIFY(book.Select(0));
        QCOMPARE(book.GetValue(QStringLiteral("Name")), QStringLiteral(" Dupont"));
        QCOMPARE(book.GetValue(QStringLiteral("Firstname")), QStringLiteral("Zoé, \"Z\""));
        QCOMPARE(book.GetValue(QStringLiteral("Cellphone")), QStringLiteral("+33 6 12"));
        QCOMPARE(book.GetValue(QStringLiteral("HomeEmail")), QStringLiteral("d@example.org"));
        const QByteArray written = test::ReadAll(path);
        QVERIFY(written.startsWith("BEGIN:VCARD\r\nVERSION:3.0\r\n"));
        QCOMPARE(written.count("EMAIL"), 1);
        QVERIFY(written.contains("\r\nUID:"));
    }

    void setValueChangesOnlyItsProperty() {
        const QString path = Book(
            "BEGIN:VCARD\nVERSION:2.1\nUID:x\nN:Doe;John;Q;Dr;\nTEL;HOME:1\nEMAIL;WORK:w@x\n"
            "END:VCARD\n");
        {
            VCardAddressBook book;
            book.Open(path);
            QVERIFY(book.Select(0));
            QCOMPARE(book.GetValue(QStringLiteral("HomeEmail")), QStringLiteral("w@x"));
            book.SetValue(QStringLiteral("Firstname"), QStringLiteral("Jo;hn"));
            book.SetValue(QStringLiteral("CellPhone"), QStringLiteral("555"));
            book.SetValue(QStringLiteral("HomeEmail"), QStringLiteral("h@x"));
            book.Close();
        }
        const QByteArray written = test::ReadAll(path);
        QVERIFY(written.contains("\r\nN:Doe;Jo\\;hn;Q;Dr;\r\n"));
        QVERIFY(written.contains("\r\nTEL;TYPE=HOME:1\r\n"));
        QVERIFY(written.contains("\r\nTEL;TYPE=CELL:555\r\n"));
        QVERIFY(written.contains("\r\nEMAIL;TYPE=WORK:w@x\r\n"));
        QVERIFY(written.contains("\r\nEMAIL;TYPE=HOME:h@x\r\n"));
    }

    void deleteThenClose() {
        const QString path = Book(kTwoCards);
        {
            VCardAddressBook book;
            book.Open(path);
            QVERIFY(book.Select(0));
            book.Delete();
            book.Close();
        }
        QCOMPARE(Names(path), QStringList{"Ben Carr"});
        QCOMPARE(test::ReadAll(path), kTwoCards.sliced(kTwoCards.indexOf("BEGIN:VCARD", 1)));
        QCOMPARE(test::ReadAll(path + ".bak"), kTwoCards);
    }

    void groupCards_data() {
        QTest::addColumn<QByteArray>("groupCard");
        QTest::newRow("vCard 4") << QByteArray(
            "BEGIN:VCARD\r\nVERSION:4.0\r\nKIND:group\r\nFN:Team\r\n"
            "MEMBER:urn:uuid:B-2\r\nEND:VCARD\r\n");
        QTest::newRow("Apple") << QByteArray(
            "BEGIN:VCARD\r\nVERSION:3.0\r\nX-ADDRESSBOOKSERVER-KIND:group\r\nN:Team\r\n"
            "FN:Team\r\nX-ADDRESSBOOKSERVER-MEMBER:urn:uuid:b-2\r\nEND:VCARD\r\n");
    }
    void groupCards() {
        QFETCH(QByteArray, groupCard);
        const QByteArray second =
            "BEGIN:VCARD\r\nVERSION:4.0\r\nKIND:group\r\nFN:Club\r\nMEMBER:urn:uuid:b-2\r\n"
            "MEMBER:urn:uuid:a-1\r\nEND:VCARD\r\n";
        VCardAddressBook book;
        book.Open(Book(groupCard + kTwoCards + second));
        QCOMPARE(book.GetCount(), 2);
        QVERIFY(book.Select(0));
        QCOMPARE(book.GetValue(QStringLiteral("Groups1")), QStringLiteral("Friends\r\nWork"));
        QCOMPARE(book.GetValue(QStringLiteral("Groups2")), QStringLiteral("Club"));
        QVERIFY(book.Select(1));
        QCOMPARE(book.GetValue(QStringLiteral("Groups1")), QString());
        QCOMPARE(book.GetValue(QStringLiteral("groups2")), QStringLiteral("Team\r\nClub"));
        QCOMPARE(book.Select(2), 0);
    }

    void readingVariants_data() {
        QTest::addColumn<QByteArray>("card");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        QTest::newRow("LF") << QByteArray("BEGIN:VCARD\nFN:A\nEND:VCARD\n") << "Name"
                            << "A";
        QTest::newRow("CR") << QByteArray("BEGIN:VCARD\rFN:A\rEND:VCARD\r") << "Name"
                            << "A";
        QTest::newRow("CR CR LF fold")
            << QByteArray("BEGIN:VCARD\r\r\nFN:An\r\r\n na\r\r\nEND:VCARD\r\r\n") << "Name"
            << "Anna";
        QTest::newRow("continuation after a blank line")
            << QByteArray("BEGIN:VCARD\r\nFN:An\r\n\r\n na\r\nEND:VCARD\r\n") << "Name"
            << "Anna";
        QTest::newRow("BOM") << QByteArray(
                                    "\xEF\xBB\xBF"
                                    "BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\n")
                             << "Name"
                             << "A";
        QTest::newRow("fold in UTF-8")
            << QByteArray("BEGIN:VCARD\r\nFN:Zo\xC3\r\n \xA9\r\nEND:VCARD\r\n") << "Name"
            << "Zoé";
        QTest::newRow("QP soft break")
            << QByteArray(
                   "BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:"
                   "Zo=C3=\r\n=A9 =\r\nB\r\nEND:VCARD\r\n")
            << "Name"
            << "Zoé B";
        QTest::newRow("QP Latin-1")
            << QByteArray(
                   "BEGIN:VCARD\r\nFN;QUOTED-PRINTABLE;CHARSET=ISO-8859-1:Ren=E9\r\nEND:VCARD\r\n")
            << "Name"
            << "René";
        QTest::newRow("bare CELL")
            << QByteArray("BEGIN:VCARD\r\nTEL;CELL:1\r\nEND:VCARD\r\n") << "CellPhone"
            << "1";
        QTest::newRow("TYPE list")
            << QByteArray(
                   "BEGIN:VCARD\r\nTEL;TYPE=voice:0\r\nTEL;TYPE=cell,voice:2\r\nEND:VCARD\r\n")
            << "CellPhone"
            << "2";
        QTest::newRow("quoted TYPE")
            << QByteArray("BEGIN:VCARD\r\nTEL;TYPE=\"cell\":3\r\nEND:VCARD\r\n") << "CellPhone"
            << "3";
        QTest::newRow("tel URI")
            << QByteArray(
                   "BEGIN:VCARD\r\nTEL;VALUE=uri;TYPE=\"voice,cell\":tel:+1-2\r\nEND:VCARD\r\n")
            << "CellPhone"
            << "+1-2";
        QTest::newRow("grouped")
            << QByteArray(
                   "BEGIN:VCARD\r\nitem1.TEL;type=CELL:4\r\nitem1.X-ABLabel:x\r\nEND:VCARD\r\n")
            << "CellPhone"
            << "4";
        QTest::newRow("escapes")
            << QByteArray("BEGIN:VCARD\r\nN:O\\;Neil\\\\x;A\\, B\\nC;;;\r\nEND:VCARD\r\n")
            << "Firstname"
            << "A, B\nC";
        QTest::newRow("escaped comma in category")
            << QByteArray("BEGIN:VCARD\r\nCATEGORIES:A\\, B,C\r\nEND:VCARD\r\n") << "Groups1"
            << "A, B\r\nC";
        QTest::newRow("home email preferred")
            << QByteArray(
                   "BEGIN:VCARD\r\nEMAIL:w@x\r\nEMAIL;TYPE=INTERNET,HOME:h@x\r\nEND:VCARD\r\n")
            << "HomeEmail"
            << "h@x";
    }
    void readingVariants() {
        QFETCH(QByteArray, card);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        VCardAddressBook book;
        book.Open(Book(card));
        QCOMPARE(book.GetCount(), 1);
        QVERIFY(book.Select(0));
        QCOMPARE(book.GetValue(field), expected);
    }

    void damagedLinesSurviveAnEdit_data() {
        QTest::addColumn<QByteArray>("card");
        QTest::newRow("unclosed quote")
            << QByteArray("BEGIN:VCARD\r\nFN:A\r\nTEL;TYPE=\"voice,cell:1\r\nEND:VCARD\r\n");
        QTest::newRow("no colon") << QByteArray("BEGIN:VCARD\r\nFN:A\r\nTEL;CELL\r\nEND:VCARD\r\n");
        QTest::newRow("QP look-alike ending in =") << QByteArray(
            "BEGIN:VCARD\r\nFN:A\r\nNOTE;ENCODING=QUOTED-PRINTABLEX:x=\r\nEND:VCARD\r\n");
    }
    void damagedLinesSurviveAnEdit() {
        QFETCH(QByteArray, card);
        const QString path = Book(card);
        test::SetFirstRecord(path, QStringLiteral("CellPhone"), QStringLiteral("+1 2"));
        test::SetFirstRecord(path, QStringLiteral("Surname"), QStringLiteral("B"));
        QCOMPARE(test::ValueOf(path, 0, QStringLiteral("CellPhone")), QStringLiteral("+1 2"));
        QCOMPARE(test::ValueOf(path, 0, QStringLiteral("Name")), QStringLiteral("A"));
        QCOMPARE(Names(path).size(), 1);
    }

    void concurrentWriterIsKept() {
        const QString path = Book(kTwoCards);
        VCardAddressBook book;
        book.Open(path);
        QVERIFY(book.Select(1));
        book.SetValue(QStringLiteral("CellPhone"), QStringLiteral("+41 9"));
        QVERIFY(book.CreateNew(QStringLiteral("New One"), QString()));
        {  // another program renames Anna and adds a contact meanwhile
            QByteArray other = kTwoCards;
            other.replace("FN:Anna Berg", "FN:Anna Meier");
            other += "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:c-3\r\nFN:Carla\r\nEND:VCARD\r\n";
            test::WriteAll(path, other);
        }
        book.Close();
        QCOMPARE(Names(path), (QStringList{"Anna Meier", "Ben Carr", "Carla", "New One"}));
        QCOMPARE(test::ValueOf(path, 1, QStringLiteral("CellPhone")), QStringLiteral("+41 9"));
    }

    void editOfACardRemovedMeanwhileIsKept() {
        const QString path = Book(kTwoCards);
        VCardAddressBook book;
        book.Open(path);
        QVERIFY(book.Select(0));
        book.SetValue(QStringLiteral("Surname"), QStringLiteral("Kept"));
        test::WriteAll(path, kTwoCards.sliced(kTwoCards.indexOf("BEGIN:VCARD", 1)));
        book.Close();
        QCOMPARE(Names(path), (QStringList{"Ben Carr", "Anna Berg"}));
    }

    void nonVCardFileIsRefusedAndLeftAlone_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::newRow("text") << QByteArray("Dear diary,\nBEGIN:VCARD\nFN:x\nEND:VCARD\n");
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10);
        QTest::newRow("csv") << QByteArray("Name,Phone\r\nAnna,1\r\n");
    }
    void nonVCardFileIsRefusedAndLeftAlone() {
        QFETCH(QByteArray, contents);
        const QString path = Book(contents, QStringLiteral("notes.txt"));
        VCardAddressBook book;
        try {
            book.Open(path);
            QFAIL("opened a file that is no vCard file");
        } catch (const ComponentError& error) {
            QVERIFY2(error.message().contains(QStringLiteral("notes.txt")),
                     qPrintable(error.message()));
        }
        QVERIFY_THROWS_EXCEPTION(ComponentError, book.GetCount());
        QCOMPARE(test::ReadAll(path), contents);
    }

    void fileReplacedByNonVCardBeforeCloseIsLeftAlone() {
        const QString path = Book(kTwoCards);
        VCardAddressBook book;
        book.Open(path);
        QVERIFY(book.Select(0));
        book.Delete();
        test::WriteAll(path, "not a card");
        QVERIFY_THROWS_EXCEPTION(ComponentError, book.Close());
        QCOMPARE(test::ReadAll(path), QByteArray("not a card"));
    }

    void failedCommitLeavesTheOldFile() {
        const QString path = Book(kTwoCards);
        platform::vcard::SetCommitFaultForTesting(
            [](const QString& target) { return target.endsWith(QStringLiteral("book.vcf")); });
        {
            VCardAddressBook book;
            book.Open(path);
            QVERIFY(book.Select(0));
            book.SetValue(QStringLiteral("Name"), QStringLiteral("Changed"));
            QVERIFY_THROWS_EXCEPTION(ComponentError, book.Close());
            QCOMPARE(test::ReadAll(path), kTwoCards);
        }  // the destructor tries again, and fails again without a word
        QCOMPARE(test::ReadAll(path), kTwoCards);
        QCOMPARE(QDir(dir_.path()).entryList({"book.vcf*"}, QDir::Files | QDir::Hidden),
                 (QStringList{"book.vcf", "book.vcf.bak"}));
    }

    void truncatedCardAndStrayBytesAreKeptVerbatim() {
        const QByteArray first = kTwoCards.first(kTwoCards.indexOf("BEGIN:VCARD", 1));
        const QByteArray stray = "garbage line\n\n";
        const QByteArray truncated = "BEGIN:VCARD\nVERSION:2.1\nFN:Cut";
        const QString path = Book(first + stray + kTwoCards.sliced(first.size()) + truncated);
        {
            VCardAddressBook book;
            book.Open(path);
            QCOMPARE(book.GetCount(), 2);
            QVERIFY(book.Select(1));
            book.SetValue(QStringLiteral("Surname"), QStringLiteral("Changed"));
            book.Close();
        }
        const QByteArray written = test::ReadAll(path);
        QVERIFY(written.startsWith(first + stray));
        QVERIFY(written.endsWith(truncated));
    }

    void cardsWithoutUidGetOneAndKeepTheirBytes() {
        const QByteArray noUid = "begin:vcard\nversion:2.1\nfn:Old\nend:vcard\n";
        const QString path = Book(kTwoCards + noUid);
        test::SetFirstRecord(path, QStringLiteral("Name"), QStringLiteral("Anna B."));
        const QByteArray written = test::ReadAll(path);
        const qsizetype old = written.indexOf("begin:vcard\nversion:2.1\nfn:Old\nUID:");
        QVERIFY(old > 0);
        QVERIFY(written.sliced(old).endsWith("\nend:vcard\n"));
        QVERIFY(written.contains(kTwoCards.sliced(kTwoCards.indexOf("BEGIN:VCARD", 1))));
    }

    void writesOnlyWhenSomethingChanged() {
        const QString path = Book(kTwoCards);
        const auto before = platform::vcard::StampOf(path);
        {
            VCardAddressBook book;
            book.Open(path);
            QVERIFY(book.Select(0));
            book.SetValue(QStringLiteral("CellPhone"), QStringLiteral("+41 1"));
            book.SetValue(QStringLiteral("cellphone"), QStringLiteral("+41 1"));
            book.Close();
        }
        QVERIFY(platform::vcard::StampOf(path) == before);
        QVERIFY(!QFileInfo::exists(path + ".bak"));
    }

    void unsavedChangesAreSavedWhenDropped() {
        const QString path = Book(kTwoCards);
        {
            VCardAddressBook book;
            book.Open(path);
            QVERIFY(book.CreateNew(QStringLiteral("Dropped Without Close"), QString()));
        }
        QVERIFY(Names(path).contains(QStringLiteral("Dropped Without Close")));
    }

    void instancesShareTheParseButNotTheirEdits() {
        const QString path = Book(kTwoCards);
        VCardAddressBook first;
        first.Open(path);
        QVERIFY(first.Select(0));
        first.SetValue(QStringLiteral("Name"), QStringLiteral("Unsaved"));
        QVERIFY(first.CreateNew(QStringLiteral("Also Unsaved"), QString()));
        VCardAddressBook second;
        second.Open(path);
        QCOMPARE(second.GetCount(), 2);
        QVERIFY(second.Select(0));
        QCOMPARE(second.GetValue(QStringLiteral("Name")), QStringLiteral("Anna Berg"));
        first.Close();
        VCardAddressBook third;
        third.Open(path);
        QCOMPARE(third.GetCount(), 3);
        QVERIFY(third.Select(0));
        QCOMPARE(third.GetValue(QStringLiteral("Name")), QStringLiteral("Unsaved"));
    }

    void factoryKnowsOnlyTheAddressBook() {
        platform::DefaultComponentFactory factory(Book(kTwoCards));
        for (const QString& progId : {QStringLiteral("warjo.wab"), QStringLiteral("Warjo.WAB")}) {
            auto book = factory.CreateAddressBook(progId);
            QVERIFY(book);
            book->Open(QString());
            QCOMPARE(book->GetCount(), 2);
        }
        try {
            factory.CreateAddressBook(QStringLiteral("Other.Thing"));
            QFAIL("created an unknown component");
        } catch (const ComponentError& error) {
            QVERIFY(error.message().contains(QStringLiteral("Other.Thing")));
        }
    }
};

QTEST_GUILESS_MAIN(TestVCardAddressBook)
#include "test_vcard_address_book.moc"
