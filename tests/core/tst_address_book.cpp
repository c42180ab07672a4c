// SPDX-License-Identifier: GPL-3.0-or-later
// The address book on real files: what it reads, and that saving loses
// nothing, whatever else happens to the file meanwhile.
#include <sys/stat.h>

#include <QTemporaryDir>
#include <QtTest>

#include "core/address_book.h"
#include "vcard/store.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

namespace {

const QByteArray kAnna =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:a-1\r\nFN:Anna Berg\r\nN:Berg;Anna;;;\r\n"
    "TEL;TYPE=CELL:+41 1\r\nCATEGORIES:Friends,Work\r\nEND:VCARD\r\n";
const QByteArray kBen =
    "BEGIN:VCARD\r\nVERSION:2.1\r\nUID:b-2\r\nFN:Ben Carr\r\nN:Carr;Ben\r\nTEL;CELL:+41 2\r\n"
    "PHOTO;ENCODING=BASE64;JPEG:AAAA\r\nX-CUSTOM;odd=\"a:b\":keep me\r\nEND:VCARD\r\n";
const QByteArray kBook = kAnna + kBen;

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList displayNames(const QString& path) {
    AddressBook book(path);
    QStringList names;
    if (book.load()) {
        for (int i = 0; i < book.count(); ++i)
            names << book.contact(i).displayName;
    }
    return names;
}

}  // namespace

class TestAddressBook : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path_;

private Q_SLOTS:
    void init() {
        path_ = dir_.filePath(u"book.vcf"_s);
        QFile::remove(path_ + u".bak"_s);
        writeAll(path_, kBook);
    }
    void cleanup() { vcard::setCommitFaultForTesting({}); }

    void userBookIsMadePrivateAtFirstLoad() {
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir_.filePath(u"data"_s)));
        AddressBook book;
        QCOMPARE(book.path(), dir_.filePath(u"data/Pelicast/contacts.vcf"_s));
        QVERIFY(book.load());
        QCOMPARE(book.count(), 0);
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(book.path()).constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, 0600u);
    }

    void changesAreSavedAndTheRestKept() {
        AddressBook book(path_);
        QVERIFY(book.load());
        QCOMPARE(book.count(), 2);
        Contact anna = book.contact(0);
        QCOMPARE(anna.groups, (QStringList{u"Friends"_s, u"Work"_s}));
        book.update(0, anna);
        QVERIFY(!book.isModified());
        Contact ben = book.contact(1);
        ben.firstName = u"Benjamin; B"_s;
        ben.mobile = u"+41 9"_s;
        book.update(1, ben);
        QCOMPARE(book.add({u"Zoé"_s, u"Dupont"_s, u" Dupont"_s, u"+33 6"_s, u"z@x"_s, {}}), 2);
        book.remove(0);
        QVERIFY(book.isModified());
        QVERIFY2(book.save(), qPrintable(book.errorString()));
        QVERIFY(!book.isModified());
        QCOMPARE(book.count(), 2);

        QCOMPARE(readAll(path_ + u".bak"_s), kBook);
        const QByteArray saved = readAll(path_);
        QVERIFY(!saved.contains("Anna"));
        for (const char* kept :
             {"\r\nPHOTO;ENCODING=b;TYPE=JPEG:AAAA\r\n", "\r\nX-CUSTOM;odd=\"a:b\":keep me\r\n",
              "N:Carr;Benjamin\\; B;;;\r\n"})
            QVERIFY2(saved.contains(kept), kept);
        QVERIFY(saved.contains("END:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nFN: Dupont\r\n"));
        AddressBook again(path_);
        QVERIFY(again.load());
        QCOMPARE(again.count(), 2);
        QCOMPARE(again.contact(0).mobile, u"+41 9"_s);
        const Contact zoe = again.contact(1);
        QCOMPARE((QStringList{zoe.firstName, zoe.surname, zoe.displayName, zoe.mobile, zoe.email}),
                 (QStringList{u"Zoé"_s, u"Dupont"_s, u" Dupont"_s, u"+33 6"_s, u"z@x"_s}));
    }

    void anotherWritersChangesAreKept() {
        AddressBook book(path_);
        QVERIFY(book.load());
        Contact ben = book.contact(1);
        ben.mobile = u"+41 9"_s;
        book.update(1, ben);
        book.add({{}, {}, u"New One"_s, {}, {}, {}});
        // Another program renames Anna and adds a contact meanwhile.
        QByteArray other = kBook;
        other.replace("FN:Anna Berg", "FN:Anna Meier");
        writeAll(path_, other + "BEGIN:VCARD\r\nUID:c-3\r\nFN:Carla\r\nEND:VCARD\r\n");
        QVERIFY(book.save());
        QCOMPARE(displayNames(path_),
                 (QStringList{u"Anna Meier"_s, u"Ben Carr"_s, u"Carla"_s, u"New One"_s}));
        QCOMPARE(book.contact(1).mobile, u"+41 9"_s);

        // A change to a card another program removed meanwhile is kept too.
        Contact carla = book.contact(2);
        carla.surname = u"Kept"_s;
        book.update(2, carla);
        writeAll(path_, kBook);
        QVERIFY(book.save());
        QCOMPARE(displayNames(path_), (QStringList{u"Anna Berg"_s, u"Ben Carr"_s, u"Carla"_s}));
    }

    void interruptedSaveLeavesTheOldBook() {
        vcard::setCommitFaultForTesting(
            [](const QString& target) { return target.endsWith(u"book.vcf"_s); });
        AddressBook book(path_);
        QVERIFY(book.load());
        book.remove(0);
        QVERIFY(!book.save());
        QVERIFY2(book.errorString().startsWith(u"Cannot write \""_s),
                 qPrintable(book.errorString()));
        QCOMPARE(readAll(path_), kBook);
        QCOMPARE(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{u"book.vcf"_s, u"book.vcf.bak"_s}));
        // The changes are still there to be saved once the fault is gone.
        vcard::setCommitFaultForTesting({});
        QVERIFY(book.isModified());
        QVERIFY(book.save());
        QCOMPARE(displayNames(path_), QStringList{u"Ben Carr"_s});
    }

    void junkIsRefusedAndLeftAlone_data() {
        QTest::addColumn<QByteArray>("junk");
        QTest::newRow("text") << QByteArray("Dear diary,\nBEGIN:VCARD\nFN:x\nEND:VCARD\n");
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0", 10);
        QTest::newRow("csv") << QByteArray("Name,Phone\r\nAnna,1\r\n");
    }
    void junkIsRefusedAndLeftAlone() {
        QFETCH(QByteArray, junk);
        AddressBook book(path_);
        QVERIFY(book.load());
        book.remove(0);
        writeAll(path_, junk);
        QVERIFY(!book.save());
        QCOMPARE(book.errorString(),
                 u"\"%1\" is not a vCard file; the address book was left as it is."_s.arg(path_));
        QVERIFY(!book.load());
        QCOMPARE(readAll(path_), junk);
    }

    void bytesOutsideCardsAreKept() {
        const QByteArray stray = "garbage line\n\n";
        const QByteArray truncated = "BEGIN:VCARD\nVERSION:2.1\nFN:Cut";
        writeAll(path_, kAnna + stray + kBen + truncated);
        AddressBook book(path_);
        QVERIFY(book.load());
        QCOMPARE(book.count(), 2);
        book.remove(1);
        QVERIFY(book.save());
        QCOMPARE(readAll(path_), kAnna + stray + truncated);
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
        writeAll(path_, "BEGIN:VCARD\r\nFN:A\r\n" + line + "\r\nEND:VCARD\r\n");
        for (const QString& mobile : {u"+1 2"_s, u"+1 3"_s}) {
            AddressBook book(path_);
            QVERIFY(book.load());
            Contact contact = book.contact(0);
            contact.mobile = mobile;
            book.update(0, contact);
            QVERIFY(book.save());
            QCOMPARE(book.count(), 1);
            QCOMPARE(book.contact(0).mobile, mobile);
            QCOMPARE(book.contact(0).displayName, u"A"_s);
        }
    }

    void importSkipsWhatTheBookHas() {
        AddressBook book(path_);
        QVERIFY(book.load());
        const AddressBook::ImportCount count = book.importCards(
            "BEGIN:VCARD\nUID:B-2\nFN:Other name\nEND:VCARD\n"             // known UID
            "BEGIN:VCARD\nFN:Anna Berg\nTEL;CELL:+41 1\nEND:VCARD\n"       // known name and mobile
            "BEGIN:VCARD\nFN:Anna Berg\nTEL;CELL:+41 3\nEND:VCARD\n"       // other mobile: added
            "BEGIN:VCARD\nKIND:group\nFN:Team\nMEMBER:b-2\nEND:VCARD\n");  // comes along
        QCOMPARE(count.added, 1);
        QCOMPARE(count.skipped, 2);
        QCOMPARE(book.count(), 3);
        QVERIFY(book.save());
        QCOMPARE(book.contact(1).groups, QStringList{u"Team"_s});
    }
};

QTEST_GUILESS_MAIN(TestAddressBook)
#include "tst_address_book.moc"
