// SPDX-License-Identifier: GPL-3.0-or-later
// What the picker lists and collects and what the upload sends, read from a
// real address-book file.
#include <QTemporaryDir>
#include <QtTest>

#include "core/address_book.h"
#include "core/contact_entries.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

namespace {

// A card of the given lines ("\n" between them).
QByteArray card(const char* lines) {
    return "BEGIN:VCARD\nVERSION:3.0\n" + QByteArray(lines) + "\nEND:VCARD\n";
}

const QByteArray kUnreadable = card(
    "FN;CHARSET=X-NO-SUCH-SET:Eve\nN:Eve;E\nTEL;CELL:9\n"
    "CATEGORIES:Team");

}  // namespace

class TestContactEntries : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<AddressBook> book_;

    const AddressBook& bookOf(const QByteArray& contents) {
        const QString path = dir_.filePath(u"book.vcf"_s);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(contents) < 0)
            qFatal("cannot write %s", qPrintable(path));
        file.close();
        book_ = std::make_unique<AddressBook>(path);
        if (!book_->load())
            qFatal("%s", qPrintable(book_->errorString()));
        return *book_;
    }

private Q_SLOTS:
    void listsContactsAndGroups_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QStringList>("contacts");
        QTest::addColumn<QStringList>("groups");
        QTest::newRow("labels, no mobile not listed")
            << card("N:Doe;John\nTEL;CELL:N") + card("FN:x\nTEL;CELL:1") + card("N:No;Mobile")
            << QStringList{u"Doe, John (N)"_s, u",  (1)"_s} << QStringList{};
        QTest::newRow("first spelling wins, case ignored")
            << card("CATEGORIES:Friends,Work") + card("CATEGORIES:friends,WORK,Golf")
            << QStringList{}
            << QStringList{u"Friends (group)"_s, u"Work (group)"_s, u"Golf (group)"_s};
        QTest::newRow("group cards, unless categories")
            << card("KIND:group\nFN:Club\nMEMBER:urn:uuid:A-1\nMEMBER:urn:uuid:b-2") +
                   card("UID:a-1\nN:A;A\nTEL;CELL:1") + card("UID:b-2\nCATEGORIES:Own")
            << QStringList{u"A, A (1)"_s} << QStringList{u"Club (group)"_s, u"Own (group)"_s};
        QTest::newRow("Apple group card")
            << card(
                   "X-ADDRESSBOOKSERVER-KIND:group\nN:Team\nX-ADDRESSBOOKSERVER-MEMBER:urn:"
                   "uuid:a-1") +
                   card("UID:a-1")
            << QStringList{} << QStringList{u"Team (group)"_s};
        // An unnamed group card gives an empty name, listed only while no two
        // names stand side by side in the names seen so far.
        QTest::newRow("empty name")
            << card("CATEGORIES:X,Y") + card("KIND:group\nMEMBER:u") +
                   card("KIND:group\nFN:T\nMEMBER:u") + card("UID:u")
            << QStringList{} << QStringList{u"X (group)"_s, u"Y (group)"_s, u"T (group)"_s};
        QTest::newRow("unreadable card left out")
            << kUnreadable + card("N:Ok;A\nTEL;CELL:2\nCATEGORIES:Team")
            << QStringList{u"Ok, A (2)"_s} << QStringList{u"Team (group)"_s};
    }
    void listsContactsAndGroups() {
        QFETCH(QByteArray, contents);
        QFETCH(QStringList, contacts);
        QFETCH(QStringList, groups);
        const AddressBook& book = bookOf(contents);
        QCOMPARE(contactLabels(book), contacts);
        QCOMPARE(groupLabels(book), groups);
    }

    void groupMembers_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("recipients");
        QTest::addColumn<int>("skipped");
        QTest::newRow("exact name, once per naming")
            << u"Team (group)"_s << u"A, A (1);B, B (2);B, B (2);"_s << 1;
        QTest::newRow("case counts") << u"team (group)"_s << u"C, C (3);"_s << 1;
        QTest::newRow("no mobile, no member") << u"Solo (group)"_s << QString() << 1;
        QTest::newRow("not a group label") << u"Team"_s << QString() << 0;
    }
    void groupMembers() {
        QFETCH(QString, label);
        QFETCH(QString, recipients);
        QFETCH(int, skipped);
        const AddressBook& book =
            bookOf(card("N:A;A\nTEL;CELL:1\nCATEGORIES:Team") + kUnreadable +
                   card("N:B;B\nTEL;CELL:2\nCATEGORIES:Team,Team") +
                   card("N:C;C\nTEL;CELL:3\nCATEGORIES:team") + card("N:D;D\nCATEGORIES:Solo"));
        const GroupMembers members = pelicast::groupMembers(book, label);
        QCOMPARE(members.recipients, recipients);
        QCOMPARE(members.skipped, skipped);
    }

    void sortKeepsEntriesEqualButForCase() {
        QStringList entries{u"b"_s, u"B"_s, u"a"_s, u"Ä"_s, u"A"_s, u"b"_s};
        sortIgnoringCase(entries);
        QCOMPARE(entries, (QStringList{u"a"_s, u"A"_s, u"b"_s, u"B"_s, u"b"_s, u"Ä"_s}));
    }

    void uploadsThreeParallelLists() {
        const ContactList list =
            contactList(bookOf(card("FN:Anna\nTEL;CELL:12 3") + card("N:Nobody") + kUnreadable +
                               card("TEL;CELL:4 5 \nEMAIL:e@x")));
        QCOMPARE(list.names, u"\r\nAnna\r\n4 5 "_s);
        QCOMPARE(list.numbers, u"\r\n123\r\n45"_s);
        QCOMPARE(list.emails, u"\r\n\r\ne@x"_s);
        const auto field = [](const char* name, const QString& value) {
            return std::pair{QString::fromLatin1(name), value};
        };
        QCOMPARE(contactUploadFields(u" u "_s, u"p "_s, list, u" a ; b;c "_s, true),
                 (FormFields{field("user", u"u"_s), field("pass", u"p"_s),
                             field("newname", u"\r\nAnna\r\n4 5"_s), field("newnum", list.numbers),
                             field("newemails", list.emails),
                             field("newgroups", u"a ---- b----c"_s), field("delold", u"1"_s)}));
        QCOMPARE(contactUploadFields({}, {}, {}, u"   "_s, false).last(), field("newgroups", {}));
    }
};

QTEST_GUILESS_MAIN(TestContactEntries)
#include "tst_contact_entries.moc"
