// Real exports of other programs: each loads, gives the expected fields, and
// keeps every property it does not change through an edit and a save.
#include <QDirIterator>
#include <QtTest>

#include "platform/vcard_address_book.h"
#include "platform/vcard_reader.h"
#include "vcard_test_support.h"

using namespace pelicast;
using platform::VCardAddressBook;

namespace {

QStringList InteropFiles() {
    QStringList files;
    QDirIterator it(test::InteropDir(), {QStringLiteral("*.vcf")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next();
    files.sort();
    return files;
}

}  // namespace

class TestVCardInterop : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY2(InteropFiles().size() >= 30, qPrintable(test::InteropDir())); }

    void expectedFields_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>(
            "expected");  // Name, Surname, Firstname, CellPhone, HomeEmail, Groups1
        auto row = [](const char* file, int index, QStringList expected) {
            QTest::newRow(qPrintable(QStringLiteral("%1#%2").arg(QLatin1String(file)).arg(index)))
                << QString::fromLatin1(file) << index << expected;
        };
        const QString enye = QStringLiteral("\u00d1");
        row("ez-vcard/John_Doe_ANDROID.vcf", 0,
            {"", "", "", "", "john.doe@company.com", "My Contacts"});
        row("ez-vcard/John_Doe_ANDROID.vcf", 2,
            {QStringList(5, enye).join(u' ') + u' ', QStringList(4, enye).join(u' ') + u' ', "",
             "123456789", "", "My Contacts"});
        row("ez-vcard/John_Doe_ANDROID.vcf", 3,
            {QStringList(11, enye).join(u' '), QStringList(11, enye).join(u' '), "", "123456", "",
             "My Contacts"});
        row("ez-vcard/John_Doe_ANDROID.vcf", 5,
            {QString(4, enye[0]), QString(4, enye[0]), "", "55556666", "henry@company.com",
             "My Contacts"});
        row("ez-vcard/John_Doe_BLACK_BERRY.vcf", 0,
            {"John Doe", "Doe", "john", "+96123456789", "", ""});
        row("ez-vcard/John_Doe_EVOLUTION.vcf", 0,
            {"Mr. John Richter, James Doe Sr.", "Doe", "John", "905-666-1234", "john.doe@ibm.com",
             "VIP"});
        row("ez-vcard/John_Doe_GMAIL.vcf", 0,
            {"Mr. John Richter, James Doe Sr.", "Doe", "John", "905-555-1234", "john.doe@ibm.com",
             ""});
        row("ez-vcard/John_Doe_IPHONE.vcf", 0,
            {"Mr. John Richter James Doe Sr.", "Doe", "John", "905-555-1234", "john.doe@ibm.com",
             ""});
        row("ez-vcard/John_Doe_LOTUS_NOTES.vcf", 0,
            {"Mr. Doe John I Johny", "Doe", "John", "+1 (212) 204-34456", "john.doe@ibm.com", ""});
        row("ez-vcard/John_Doe_MAC_ADDRESS_BOOK.vcf", 0,
            {"Mr. John Richter,James Doe Sr.", "Doe", "John", "905-555-1234", "john.doe@ibm.com",
             ""});
        row("ez-vcard/John_Doe_MS_OUTLOOK.vcf", 0,
            {"Mr. John Richter James Doe Sr.", "Doe", "John", "", "john.doe@ibm.cm", ""});
        row("ez-vcard/fullcontact.vcf", 0,
            {"Prefix FirstName MiddleName LastName Suffix", "LastName", "FirstName", "555-555-1113",
             "home@example.com", "Tag"});
        row("ez-vcard/gmail-list.vcf", 2,
            {"Doug White", "White", "Doug", "", "dwhite@gmail.com", ""});
        row("ez-vcard/gmail-single.vcf", 0,
            {"Greg Dartmouth", "Dartmouth", "Greg", "555 555 1111", "gdartmouth@hotmail.com", ""});
        row("ez-vcard/gmail-single2.vcf", 0,
            {"VCard Test", "Test", "VCard", "5555551115", "homeemail@example.com", ""});
        row("ez-vcard/outlook-2003.vcf", 0,
            {"John Doe III", "Doe", "John", "MobilePhone", "jdoe@hotmail.com", ""});
        row("ez-vcard/outlook-2007.vcf", 0,
            {"Mr. Michael Angstadt Jr.", "Angstadt", "Michael", "(111) 555-4444",
             "mike.angstadt@gmail.com", ""});
        row("ez-vcard/rfc2426-example.vcf", 1, {"Tim Howes", "", "", "", "howes@netscape.com", ""});
        row("ez-vcard/rfc6350-example.vcf", 0,
            {"Simon Perreault", "Perreault", "Simon", "+1-418-262-6501",
             "simon.perreault@viagenie.ca", ""});
        row("ez-vcard/thunderbird-MoreFunctionsForAddressBook-extension.vcf", 0,
            {"John Doe", "Doe", "John", "555-555-5555", "doe.john@hotmail.com",
             "category1, category2, category3"});
        row("kcontacts/testfullvcard.vcf", 0,
            {"Sherlock Holmes", "Holmes", "Sherlock", "+44-555-555-6666",
             "sherlock.holmes@gmail.com", "FICTION\r\nLITERATURE"});
        row("kcontacts/vcard10.vcf", 3, {"Dr. med. Surname Name", "Name", "Surname", "", "", ""});
        row("kcontacts/vcard11.vcf", 0, {"Test User", "User", "Test", "", "thejoe@abc.com", ""});
        row("kcontacts/vcard3.vcf", 0,
            {"ian geiser", "geiser", "ian", "", "geiseri@yahoo.com", ""});
        row("kcontacts/vcard4.vcf", 0, {"", "", "", "", "hello@ximian.com", ""});
        row("kcontacts/vcard5.vcf", 0,
            {"Mustermann, Heiko", "Mustermann", "Heiko", "0173 223344",
             "heiko.mustermann@freenet.org", "Friend"});
        row("kcontacts/vcard6.vcf", 0, {"Test User", "User", "Test", "", "email1@abc.de", ""});
        row("kcontacts/vcard9.vcf", 0,
            {QStringLiteral("\u03b2\u03b3\u03b4\u03b5\u03b1\u03b2\u03b3\u03b41").repeated(11),
             QStringLiteral("123\u3113\u3115\u3116bcde") +
                 QStringLiteral("\u03b1\u03b2\u03b3\u03b4").repeated(6) +
                 QStringLiteral("\u03b1\u03b2\u3124\u3113\u3115\u3116"),
             "", "", "", ""});
    }
    void expectedFields() {
        QFETCH(QString, file);
        QFETCH(int, index);
        QFETCH(QStringList, expected);
        VCardAddressBook book;
        book.Open(test::InteropDir() + u'/' + file);
        QVERIFY(book.Select(index));
        const QStringList fields{"name",      "Surname",   "FIRSTNAME",
                                 "Cellphone", "HomeEmail", "Groups1"};
        QStringList actual;
        for (const QString& field : fields)
            actual << book.GetValue(field);
        QCOMPARE(actual, expected);
    }

    // Each file loads, and an edit of one field keeps every other property.
    void loadsAndKeepsEverythingElse_data() {
        QTest::addColumn<QString>("path");
        for (const QString& path : InteropFiles())
            QTest::newRow(qPrintable(QDir(test::InteropDir()).relativeFilePath(path))) << path;
    }
    void loadsAndKeepsEverythingElse() {
        QFETCH(QString, path);
        {
            VCardAddressBook book;
            book.Open(path);
            QVERIFY(book.GetCount() >= 1);
        }
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("book.vcf"));
        const QByteArray original = test::ReadAll(path);
        test::WriteAll(copy, original);
        test::SetFirstRecord(copy, QStringLiteral("CellPhone"), QStringLiteral("+41 79 555 01 02"));
        const QByteArray saved = test::ReadAll(copy);
        QVERIFY(saved != original);
        auto uidOrCell = [](const platform::vcard::ContentLine& l) {
            return l.Is("UID") || (l.Is("TEL") && l.HasType("cell"));
        };
        QCOMPARE(test::Meanings(saved, uidOrCell), test::Meanings(original, uidOrCell));

        QCOMPARE(test::ValueOf(copy, 0, QStringLiteral("CellPhone")),
                 QStringLiteral("+41 79 555 01 02"));
        // Every card now has a UID; cards that had one and were not edited keep their bytes.
        int cardNumber = 0;
        for (const auto& segment : platform::vcard::SplitCards(original)) {
            if (!segment.isCard || cardNumber++ == 0)
                continue;
            const QByteArray bytes = original.sliced(segment.begin, segment.end - segment.begin);
            if (bytes.contains("\nUID:") || bytes.contains("\nuid:"))
                QVERIFY(saved.contains(bytes));
        }
        for (const QStringList& card : test::Meanings(saved, [](const auto&) { return false; })) {
            QVERIFY(std::any_of(card.cbegin(), card.cend(),
                                [](const QString& m) { return m.startsWith(".UID;"); }));
        }
    }
};

QTEST_GUILESS_MAIN(TestVCardInterop)
#include "test_vcard_interop.moc"
