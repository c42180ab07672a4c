// SPDX-License-Identifier: GPL-3.0-or-later
// What the picker lists and collects and what the upload sends, read from a
// real address-book file.
#include <QTemporaryDir>
#include <QtTest>

#include "core/book/address_book.h"
#include "core/book/contact_entries.h"

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
    // What the picker lists, and whom it collects for the group "Team".
    void listsContactsAndGroups_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QStringList>("contacts");
        QTest::addColumn<QStringList>("groups");
        QTest::addColumn<QString>("team");
        QTest::addColumn<int>("skipped");  // unreadable contacts met collecting
        // A name with ";" in it hides no other.
        QTest::newRow("first spelling wins, case ignored")
            << card("CATEGORIES:Friends,Work,Golf\\;Chess") + card("CATEGORIES:friends,WORK,Golf")
            << QStringList{}
            << QStringList{u"Friends (group)"_s, u"Work (group)"_s, u"Golf;Chess (group)"_s,
                           u"Golf (group)"_s}
            << QString() << 0;
        QTest::newRow("group cards (also Apple's), unless categories")
            << card(
                   "X-ADDRESSBOOKSERVER-KIND:group\nFN:Team\nMEMBER:urn:uuid:A-1\n"
                   "X-ADDRESSBOOKSERVER-MEMBER:urn:uuid:b-2") +
                   card("UID:a-1\nN:A;A\nTEL;CELL:1") +
                   card("UID:b-2\nN:B;B\nTEL;CELL:2\nCATEGORIES:Own")
            << QStringList{u"A, A (1)"_s, u"B, B (2)"_s}
            << QStringList{u"Team (group)"_s, u"Own (group)"_s} << u"A, A (1);"_s << 0;
        // Members are named exactly, once per naming, and need a mobile number.
        QTest::newRow("members") << card("N:A;A\nTEL;CELL:1\nCATEGORIES:Team") + kUnreadable +
                                        card("N:B;B\nTEL;CELL:2\nCATEGORIES:Team,Team") +
                                        card("N:C;C\nTEL;CELL:3\nCATEGORIES:team") +
                                        card("N:D;D\nCATEGORIES:Team") +
                                        card("FN:Only FN\nTEL;CELL:4\nCATEGORIES:Team")
                                 << QStringList{u"A, A (1)"_s, u"B, B (2)"_s, u"C, C (3)"_s,
                                                u"Only FN (4)"_s}
                                 << QStringList{u"Team (group)"_s}
                                 << u"A, A (1);B, B (2);B, B (2);Only FN (4);"_s << 1;
    }
    void listsContactsAndGroups() {
        QFETCH(QByteArray, contents);
        QFETCH(QStringList, contacts);
        QFETCH(QStringList, groups);
        QFETCH(QString, team);
        QFETCH(int, skipped);
        const AddressBook& book = bookOf(contents);
        QCOMPARE(contactLabels(book), contacts);
        QCOMPARE(groupLabels(book), groups);
        const MembersOfGroups members = membersOfGroups(book, {u"Team (group)"_s});
        QCOMPARE(members.recipients.first(), team);
        QCOMPARE(members.skipped, skipped);
    }

    void uploadsThreeParallelLists() {
        const ContactList list =
            contactList(bookOf(card("FN:Anna\nTEL;CELL:12 3") + card("N:Nobody") + kUnreadable +
                               card("TEL;CELL:4 5 \nEMAIL:e@x")));
        QCOMPARE(list.names, u"\r\nAnna\r\n4 5 "_s);
        QCOMPARE(list.numbers, u"\r\n123\r\n45"_s);
        QCOMPARE(list.emails, u"\r\n\r\ne@x"_s);
    }
};

QTEST_GUILESS_MAIN(TestContactEntries)
#include "tst_contact_entries.moc"
