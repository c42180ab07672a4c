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
const QByteArray kSecondCard = kTwoCards.sliced(kTwoCards.indexOf("BEGIN:VCARD", 1));

QStringList Names(const QString& path) {
    VCardAddressBook book;
    book.Open(path);
    QStringList names;
    for (int i = 0; book.Select(i); ++i)
        names << book.GetValue(QStringLiteral("Name"));
    return names;
}

// The message of the ComponentError that `action` throws, or "<no error>".
template <typename Action>
QString ErrorOf(Action action) {
    try {
        action();
    } catch (const ComponentError& error) {
        return error.message();
    }
    return QStringLiteral("<no error>");
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
        QCOMPARE(Mode(path), 0600);
        QCOMPARE(book.GetCount(), 0);
        QCOMPARE(book.Select(0), 0);
        book.Close();
        QCOMPARE(test::ReadAll(path), QByteArray());
    }

    void selectPastTheRecordsAndFieldNamesIgnoreCase() {
        VCardAddressBook book;
        book.Open(Book(kTwoCards));
        for (const auto& [index, expected] : {std::pair{0, 1}, {1, 1}, {2, 0}, {-1, 0}, {32767, 0}})
            QCOMPARE(book.Select(index), expected);
        QVERIFY(book.Select(0));
        const QList<std::pair<const char*, const char*>> fields{
            {"Cellphone", "+41 1"}, {"CELLPHONE", "+41 1"},         {"surname", "Berg"},
            {"firstName", "Anna"},  {"groups1", "Friends\r\nWork"}, {"HomeEmail", ""},
            {"Nickname", ""}};
        for (const auto& [field, expected] : fields)
            QCOMPARE(book.GetValue(QLatin1String(field)), QString::fromUtf8(expected));
    }

    void createNewThenSetValueWithoutSelect() {
        const QString path = dir_.filePath(QStringLiteral("new.vcf"));
        QFile::remove(path);
        {
            VCardAddressBook book;
            book.Open(path);
            QVERIFY(book.CreateNew(QStringLiteral(" Dupont"), QStringLiteral("d@example.org")));
            book.SetValue(QStringLiteral("Firstname"), QStringLiteral("Zoé, \"Z\""));
            book.SetValue(QStringLiteral("CellPhone"), QStringLiteral("+33 6 12"));
            book.SetValue(QStringLiteral("HomeEmail"), QStringLiteral("d@example.org"));
            book.Close();
        }
        QCOMPARE(Mode(path), 0600);
        QCOMPARE(Names(path), QStringList{" Dupont"});
        QCOMPARE(test::ValueOf(path, 0, QStringLiteral("Firstname")), QStringLiteral("Zoé, \"Z\""));
        QCOMPARE(test::ValueOf(path, 0, QStringLiteral("Cellphone")), QStringLiteral("+33 6 12"));
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
        for (const char* line : {"N:Doe;Jo\\;hn;Q;Dr;", "TEL;TYPE=HOME:1", "TEL;TYPE=CELL:555",
                                 "EMAIL;TYPE=WORK:w@x", "EMAIL;TYPE=HOME:h@x"})
            QVERIFY2(written.contains("\r\n" + QByteArray(line) + "\r\n"), line);
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
        QCOMPARE(test::ReadAll(path), kSecondCard);
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
    }

    void readingVariants_data() {
        QTest::addColumn<QByteArray>("card");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");
        // `lines` sits between BEGIN and END lines with the ending `eol`.
        auto row = [](const char* name, const QByteArray& lines, const char* field,
                      const QString& expected, const QByteArray& eol = "\r\n") {
            QTest::newRow(name) << "BEGIN:VCARD" + eol + lines + eol + "END:VCARD" + eol
                                << QString::fromLatin1(field) << expected;
        };
        row("LF", "FN:A", "Name", "A", "\n");
        row("CR", "FN:A", "Name", "A", "\r");
        row("CR CR LF fold", "FN:An\r\r\n na", "Name", "Anna", "\r\r\n");
        row("continuation after a blank line", "FN:An\r\n\r\n na", "Name", "Anna");
        QTest::newRow("BOM") << "\xEF\xBB\xBF" + QByteArray("BEGIN:VCARD\r\nFN:A\r\nEND:VCARD\r\n")
                             << QString("Name") << QString("A");
        row("fold in UTF-8", "FN:Zo\xC3\r\n \xA9", "Name", "Zoé");
        row("QP soft break",
            "VERSION:2.1\r\nFN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:Zo=C3=\r\n=A9 =\r\nB",
            "Name", "Zoé B");
        row("QP Latin-1", "FN;QUOTED-PRINTABLE;CHARSET=ISO-8859-1:Ren=E9", "Name", "René");
        row("bare CELL", "TEL;CELL:1", "CellPhone", "1");
        row("TYPE list", "TEL;TYPE=voice:0\r\nTEL;TYPE=cell,voice:2", "CellPhone", "2");
        row("quoted TYPE", "TEL;TYPE=\"cell\":3", "CellPhone", "3");
        row("tel URI", "TEL;VALUE=uri;TYPE=\"voice,cell\":tel:+1-2", "CellPhone", "+1-2");
        row("grouped", "item1.TEL;type=CELL:4\r\nitem1.X-ABLabel:x", "CellPhone", "4");
        row("escapes", "N:O\\;Neil\\\\x;A\\, B\\nC;;;", "Firstname", "A, B\nC");
        row("escaped comma in category", "CATEGORIES:A\\, B,C", "Groups1", "A, B\r\nC");
        row("home email preferred", "EMAIL:w@x\r\nEMAIL;TYPE=INTERNET,HOME:h@x", "HomeEmail",
            "h@x");
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
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("unclosed quote") << QByteArray("TEL;TYPE=\"voice,cell:1");
        QTest::newRow("no colon") << QByteArray("TEL;CELL");
        QTest::newRow("QP look-alike ending in =")
            << QByteArray("NOTE;ENCODING=QUOTED-PRINTABLEX:x=");
    }
    void damagedLinesSurviveAnEdit() {
        QFETCH(QByteArray, line);
        const QString path = Book("BEGIN:VCARD\r\nFN:A\r\n" + line + "\r\nEND:VCARD\r\n");
        test::SetFirstRecord(path, QStringLiteral("CellPhone"), QStringLiteral("+1 2"));
        test::SetFirstRecord(path, QStringLiteral("Surname"), QStringLiteral("B"));
        QCOMPARE(test::ValueOf(path, 0, QStringLiteral("CellPhone")), QStringLiteral("+1 2"));
        QCOMPARE(Names(path), QStringList{"A"});
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
        test::WriteAll(path, kSecondCard);
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
        const QString error = ErrorOf([&] { book.Open(path); });
        QVERIFY2(error.contains(QStringLiteral("notes.txt")), qPrintable(error));
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
        const QByteArray first = kTwoCards.first(kTwoCards.size() - kSecondCard.size());
        const QByteArray stray = "garbage line\n\n";
        const QByteArray truncated = "BEGIN:VCARD\nVERSION:2.1\nFN:Cut";
        const QString path = Book(first + stray + kSecondCard + truncated);
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
        const QString path = Book(kTwoCards + "begin:vcard\nversion:2.1\nfn:Old\nend:vcard\n");
        test::SetFirstRecord(path, QStringLiteral("Name"), QStringLiteral("Anna B."));
        const QByteArray written = test::ReadAll(path);
        const qsizetype old = written.indexOf("begin:vcard\nversion:2.1\nfn:Old\nUID:");
        QVERIFY(old > 0);
        QVERIFY(written.sliced(old).endsWith("\nend:vcard\n"));
        QVERIFY(written.contains(kSecondCard));
    }

    void writesOnlyWhenSomethingChanged() {
        const QString path = Book(kTwoCards);
        const auto before = platform::vcard::StampOf(path);
        test::SetFirstRecord(path, QStringLiteral("cellphone"), QStringLiteral("+41 1"));
        QVERIFY(platform::vcard::StampOf(path) == before);
        QVERIFY(!QFileInfo::exists(path + ".bak"));
    }

    void unsavedChangesAreSavedWhenDropped() {
        const QString path = Book(kTwoCards);
        {
            VCardAddressBook book;
            book.Open(path);
            QVERIFY(book.CreateNew(QStringLiteral("Dropped"), QString()));
        }
        QCOMPARE(Names(path), (QStringList{"Anna Berg", "Ben Carr", "Dropped"}));
    }

    void instancesShareTheParseButNotTheirEdits() {
        const QString path = Book(kTwoCards);
        VCardAddressBook first;
        first.Open(path);
        QVERIFY(first.Select(0));
        first.SetValue(QStringLiteral("Name"), QStringLiteral("Unsaved"));
        QVERIFY(first.CreateNew(QStringLiteral("Also Unsaved"), QString()));
        QCOMPARE(Names(path), (QStringList{"Anna Berg", "Ben Carr"}));
        first.Close();
        QCOMPARE(Names(path), (QStringList{"Unsaved", "Ben Carr", "Also Unsaved"}));
    }

    void factoryKnowsOnlyTheAddressBook() {
        platform::DefaultComponentFactory factory(Book(kTwoCards));
        auto book = factory.CreateAddressBook(QStringLiteral("Warjo.WAB"));
        QVERIFY(book);
        book->Open(QString());
        QCOMPARE(book->GetCount(), 2);
        QVERIFY(ErrorOf([&] {
                    factory.CreateAddressBook(QStringLiteral("Other.Thing"));
                }).contains(QStringLiteral("Other.Thing")));
    }
};

QTEST_GUILESS_MAIN(TestVCardAddressBook)
#include "test_vcard_address_book.moc"
