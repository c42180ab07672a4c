// SPDX-License-Identifier: GPL-3.0-or-later
// The address book on real files, and pelicast-contacts as a user runs it:
// what they read, and that saving loses nothing, whatever else happens to
// the file or the disk meanwhile.
#include <sys/stat.h>

#include <QProcess>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "core/book/address_book.h"
#include "core/book/contact_import.h"
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

// Fills the file system of `folder` until at most `room` bytes are free.
void fill(const QString& folder, qint64 room) {
    QFile filler(folder + u"/filler"_s + QString::number(room));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    filler.write(QByteArray(QStorageInfo(folder).bytesAvailable() - room, 'x'));
}

}  // namespace

class TestAddressBook : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path_ = dir_.filePath(u"book.vcf"_s);

    int exitCode_ = -1;

    // Runs pelicast-contacts, which looks for the user's own book in this
    // test's folder; what it wrote to standard output when it succeeded, else
    // to standard error. A first argument ">FILE" is where its output goes.
    QString tool(QStringList arguments) {
        QProcess process;
        if (arguments.value(0).startsWith(u'>'))
            process.setStandardOutputFile(arguments.takeFirst().mid(1));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_DATA_HOME"_s, dir_.filePath(u"data"_s));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(PELICAST_CONTACTS_TOOL), arguments);
        exitCode_ = process.waitForFinished(30000) ? process.exitCode() : -1;
        return QString::fromUtf8(exitCode_ == 0 ? process.readAllStandardOutput()
                                                : process.readAllStandardError());
    }

private Q_SLOTS:
    void init() {
        QFile::remove(path_ + u".bak"_s);
        writeAll(path_, kBook);
    }
    void cleanup() { vcard::setCommitFaultForTesting({}); }

    void changesAreSavedAndTheRestKept() {
        AddressBook book(path_);
        QVERIFY(book.load());
        book.update(0, book.contact(0));
        QVERIFY(!book.isModified());
        Contact ben = book.contact(1);
        ben.firstName = u"Benjamin; B"_s;
        ben.mobile = u"+41 9"_s;
        book.update(1, ben);
        QCOMPARE(book.add({u"Zoé"_s, u"Dupont"_s, u" Dupont"_s, u"+33 6"_s, u"z@x"_s, {}}), 2);
        book.remove(0);
        QVERIFY2(book.save(), qPrintable(book.errorString()));
        QVERIFY(!book.isModified());

        QCOMPARE(readAll(path_ + u".bak"_s), kBook);
        const QByteArray saved = readAll(path_);
        QVERIFY(!saved.contains("Anna"));
        QVERIFY(saved.contains("\r\nN:Carr;Benjamin\\; B;;;\r\n"));
        QVERIFY(saved.contains("END:VCARD\r\nBEGIN:VCARD\r\nVERSION:3.0\r\nFN: Dupont\r\n"));
        // The book reads the file anew after a save.
        QCOMPARE(book.contact(0).mobile, u"+41 9"_s);
        const Contact zoe = book.contact(1);
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

    // Another program rewrote the file in place, after the book read it: an
    // edit starts from the card as the file holds it now.
    void editAfterTheFileWasRewrittenInPlace() {
        AddressBook book(path_);
        QVERIFY(book.load());
        QByteArray other = kBook;
        writeAll(path_, other.replace("keep me", "kept up"));
        Contact ben = book.contact(1);
        ben.mobile = u"+41 9"_s;
        book.update(1, ben);
        QVERIFY(book.save());
        const QByteArray saved = readAll(path_);
        QVERIFY(saved.contains("X-CUSTOM;odd=\"a:b\":kept up\r\n"));
        QVERIFY(saved.contains("PHOTO;ENCODING=b;TYPE=JPEG:AAAA\r\n"));
        QCOMPARE(book.contact(1).mobile, u"+41 9"_s);
    }

    void failedSaveChangesNothing_data() {
        QTest::addColumn<QByteArray>("junk");  // what another program writes meanwhile
        QTest::addColumn<QString>("error");
        QTest::newRow("commit fails") << QByteArray() << u"Cannot write \""_s;
        QTest::newRow("the file turned into text")
            << QByteArray("Dear diary,\nBEGIN:VCARD\nFN:x\nEND:VCARD\n")
            << u"\"%1\" is not a vCard file; the address book was left as it is."_s.arg(path_);
    }
    void failedSaveChangesNothing() {
        QFETCH(QByteArray, junk);
        QFETCH(QString, error);
        vcard::setCommitFaultForTesting(
            [](const QString& target) { return target.endsWith(u"book.vcf"_s); });
        AddressBook book(path_);
        QVERIFY(book.load());
        book.remove(0);
        if (!junk.isEmpty())
            writeAll(path_, junk);
        QVERIFY(!book.save());
        QVERIFY2(book.errorString().startsWith(error), qPrintable(book.errorString()));
        // The book as it was, no temporary file left, and a backup only when
        // the new book was about to replace the old one.
        QCOMPARE(readAll(path_), junk.isEmpty() ? kBook : junk);
        QCOMPARE(QDir(dir_.path()).entryList({u"book.vcf*"_s}, QDir::Files | QDir::Hidden),
                 QStringList{u"book.vcf"_s} + QStringList(junk.isEmpty(), u"book.vcf.bak"_s));
        // The changes are still there to be saved once the fault is gone.
        vcard::setCommitFaultForTesting({});
        QCOMPARE(book.save(), junk.isEmpty());
    }

    void importsSkipWhatTheFileHoldsWhenSaved() {
        const QByteArray cards =
            "BEGIN:VCARD\nUID:B-2\nFN:Other name\nEND:VCARD\n"        // known UID
            "BEGIN:VCARD\nFN:Anna Berg\nTEL;CELL:+41 1\nEND:VCARD\n"  // known name and mobile
            "BEGIN:VCARD\nFN:Anna Berg\nTEL;CELL:+41 3\nEND:VCARD\n"  // other mobile: added
            "BEGIN:VCARD\nN:Dorn;Cleo\nEND:VCARD\nBEGIN:VCARD\nN:Eck;Dan\nEND:VCARD\n"
            "BEGIN:VCARD\nKIND:group\nFN:Team\nUID:g-1\nMEMBER:b-2\nEND:VCARD\n";  // comes along
        // Two imports of the same cards at once: the second finds the first's
        // cards in the file when it saves.
        AddressBook first(path_);
        AddressBook second(path_);
        QVERIFY(first.load() && second.load());
        for (AddressBook* book : {&first, &second}) {
            const AddressBook::ImportCount count = book->importCards(cards);
            QCOMPARE(count.added, 3);
            QCOMPARE(count.skipped, 2);
        }
        QVERIFY(first.save());
        QVERIFY(second.save());
        QCOMPARE(second.importsFoundOnSave(), 3);
        QCOMPARE(second.count(), 5);
        QCOMPARE(readAll(path_).count("KIND:group"), 1);
    }

    // Group changes on a book another program wrote: a group card, and a
    // card no change touches, with a photo and properties of its own.
    void groupChangesKeepWhatOthersWrote_data() {
        QTest::addColumn<QString>("change");  // what, whom (0 Anna, 1 Ben), name[, new name]
        QTest::addColumn<QStringList>("anna");
        QTest::addColumn<QStringList>("ben");
        QTest::addColumn<bool>("benAsWritten");
        const QStringList friendsWork{u"Friends"_s, u"Work"_s}, team{u"Team"_s};
        QTest::newRow("add to a new group")
            << u"add 0 Choir"_s << QStringList{u"Friends"_s, u"Work"_s, u"Choir"_s} << team << true;
        QTest::newRow("add a member of a group card")
            << u"add 1 Choir"_s << friendsWork << QStringList{u"Team"_s, u"Choir"_s} << false;
        QTest::newRow("add to a group it is in, in other letters")
            << u"add 0 work"_s << friendsWork << team << true;
        QTest::newRow("remove from a category")
            << u"remove 0 work"_s << QStringList{u"Friends"_s} << team << true;
        QTest::newRow("remove from a group card")
            << u"remove 1 Team"_s << friendsWork << QStringList() << true;
        QTest::newRow("rename") << u"rename 0 friends Pals"_s << QStringList{u"Pals"_s, u"Work"_s}
                                << team << true;
        QTest::newRow("rename into a group it is in")
            << u"rename 0 Friends Work"_s << QStringList{u"Work"_s} << team << true;
        QTest::newRow("rename a group card")
            << u"rename 0 Team Crew"_s << friendsWork << QStringList{u"Crew"_s} << true;
        QTest::newRow("delete") << u"delete 0 Work"_s << QStringList{u"Friends"_s} << team << true;
        QTest::newRow("delete a group card")
            << u"delete 0 TEAM"_s << friendsWork << QStringList() << true;
    }
    void groupChangesKeepWhatOthersWrote() {
        QFETCH(QString, change);
        QFETCH(QStringList, anna);
        QFETCH(QStringList, ben);
        QFETCH(bool, benAsWritten);
        const QByteArray cleo =
            "BEGIN:VCARD\nVERSION:4.0\nUID:c-3\nFN:Cleo Dorn\nN:Dorn;Cleo;;;\n"
            "TEL;TYPE=cell:+41 3\nCATEGORIES:Club\nPHOTO:data:image/png;base64,iVBORw0KGgo=\n"
            "X-ODD;TYPE=x:kept\nEND:VCARD\n";
        const QByteArray teamCard =
            "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:g-1\r\nFN:Team\r\nN:Team;;;;\r\n"
            "X-ADDRESSBOOKSERVER-KIND:group\r\nX-ADDRESSBOOKSERVER-MEMBER:urn:uuid:b-2\r\n"
            "END:VCARD\r\n";
        writeAll(path_, kBook + cleo + teamCard);
        const QStringList words = change.split(u' ');
        AddressBook book(path_);
        QVERIFY(book.load());
        const int index = words.at(1).toInt();
        if (words.at(0) == "add"_L1)
            book.addToGroup(index, words.at(2));
        else if (words.at(0) == "remove"_L1)
            book.removeFromGroup(index, words.at(2));
        else if (words.at(0) == "rename"_L1)
            book.renameGroup(words.at(2), words.at(3));
        else
            book.removeGroup(words.at(2));
        QVERIFY(book.save());
        AddressBook read(path_);
        QVERIFY(read.load());
        QCOMPARE(read.count(), 3);
        QCOMPARE(read.groupsOf(0), anna);
        QCOMPARE(read.groupsOf(1), ben);
        QCOMPARE(read.groupsOf(2), QStringList{u"Club"_s});
        const QByteArray file = readAll(path_);
        QVERIFY(file.contains(cleo));
        QCOMPARE(file.contains(kBen), benAsWritten);
        QVERIFY(file.contains("PHOTO;ENCODING=b;TYPE=JPEG:AAAA") || file.contains(kBen));
        QVERIFY(file.contains("keep me"));
    }

    void stoppedImportSavesNothing() {
        const QString other = dir_.filePath(u"other.vcf"_s);
        writeAll(other, "BEGIN:VCARD\nFN:Cleo\nN:Dorn;Cleo;;;\nEND:VCARD\n");
        AddressBook book(path_);
        QVERIFY(book.load());
        const auto count = importVCardFiles(book, {other}, [](qint64, qint64) { return false; });
        QVERIFY(!count && count.error().contains(u"stopped"_s));
        QCOMPARE(readAll(path_), kBook);
    }

    void toolRefusesMisuseAndOtherFiles_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("error");
        const QString notes = dir_.filePath(u"notes.txt"_s);
        QTest::newRow("no command")
            << QStringList() << 2 << u"pelicast-contacts: No command given; see --help.\nUsage: "_s;
        QTest::newRow("import of a text file")
            << QStringList{u"--book"_s, path_, u"import"_s, notes} << 1
            << u"\"%1\" is not a vCard file.\n"_s.arg(notes);
        QTest::newRow("export over a text file")
            << QStringList{u"--book"_s, path_, u"export"_s, notes} << 1
            << u"\"%1\" exists and is not a vCard file; not overwritten.\n"_s.arg(notes);
        // Read whole, each of these would take all the memory or wait forever.
        const QString fifo = dir_.filePath(u"fifo"_s), huge = dir_.filePath(u"huge.vcf"_s);
        QTest::newRow("import of /dev/zero") << QStringList{u"import"_s, u"/dev/zero"_s} << 1
                                             << u"\"/dev/zero\": not a regular file."_s;
        QTest::newRow("import of a FIFO")
            << QStringList{u"import"_s, fifo} << 1 << u"fifo\": not a regular file."_s;
        QTest::newRow("import of a folder")
            << QStringList{u"import"_s, dir_.path()} << 1 << u"a folder, not a file."_s;
        QTest::newRow("import above the limit")
            << QStringList{u"import"_s, huge} << 1 << u"larger than the limit of 256 MiB."_s;
        QTest::newRow("export to /dev/zero")
            << QStringList{u"export"_s, u"/dev/zero"_s} << 1 << u"Cannot export to \"/dev/zero\""_s;
        QTest::newRow("a FIFO as the book")
            << QStringList{u"--book"_s, fifo, u"list"_s} << 1 << u"not a regular file"_s;
        QTest::newRow("list to a full disk")
            << QStringList{u">/dev/full"_s, u"--book"_s, path_, u"list"_s} << 1
            << u"cannot be written: No space left on device"_s;
    }
    void toolRefusesMisuseAndOtherFiles() {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, error);
        const QString notes = dir_.filePath(u"notes.txt"_s);
        writeAll(notes, "just text\n");
        ::mkfifo(QFile::encodeName(dir_.filePath(u"fifo"_s)).constData(), 0600);
        QFile huge(dir_.filePath(u"huge.vcf"_s));  // sparse: takes no room
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(257 << 20));
        const QString output = tool(arguments);
        QCOMPARE(exitCode_, exitCode);
        QVERIFY2(output.contains(error), qPrintable(output));
        for (const QString& line : output.split(u'\n', Qt::SkipEmptyParts))
            QVERIFY2(line.startsWith(u"pelicast-contacts: "_s) || line.startsWith(u"Usage: "_s),
                     qPrintable(line));
        QCOMPARE(readAll(path_), kBook);
        QCOMPARE(readAll(notes), QByteArray("just text\n"));
    }

    void toolImportsListsAndExports() {
        const QString other = dir_.filePath(u"other.vcf"_s);
        // Ben again, a new contact, and a group card that brings Ben's group.
        writeAll(other,
                 "BEGIN:VCARD\nVERSION:2.1\nUID:B-2\nFN:Benjamin\nEND:VCARD\n"
                 "BEGIN:VCARD\nVERSION:4.0\nFN:Cleo\nN:Dorn;Cleo;;;\nEND:VCARD\n"
                 "BEGIN:VCARD\nVERSION:4.0\nKIND:group\nFN:Team\nUID:g-1\n"
                 "MEMBER:urn:uuid:b-2\nEND:VCARD\n");
        const QStringList onBook{u"--book"_s, path_};
        QCOMPARE(tool(onBook + QStringList{u"import"_s, other}),
                 u"Added 1 contacts, skipped 1 already in the address book.\n"_s);
        QCOMPARE(tool(onBook + QStringList{u"list"_s}),
                 u"Berg, Anna (+41 1)\tFriends, Work\nCarr, Ben (+41 2)\tTeam\nDorn, Cleo ()\n"_s);
        const QString exported = dir_.filePath(u"export.vcf"_s);
        QCOMPARE(tool(onBook + QStringList{u"export"_s, exported}),
                 u"Exported 3 contacts to %1.\n"_s.arg(exported));
        QCOMPARE(readAll(exported), readAll(path_));
        // Without --book: the user's own book, made readable by the user only.
        tool({u"list"_s});
        QCOMPARE(exitCode_, 0);
        struct stat info {};
        QCOMPARE(::stat(QFile::encodeName(dir_.filePath(u"data/Pelicast/contacts.vcf"_s)), &info),
                 0);
        QCOMPARE(info.st_mode & 0777, 0600u);
    }

    // On a real small file system, as a nearly full disk would have it.
    void toolOnAFullDiskChangesNothingAndSaysWhy() {
        const QTemporaryDir mountPoint;
        const QString folder = mountPoint.path();
        if (QProcess::execute(
                u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=4m"_s, u"tmpfs"_s, folder}) != 0)
            QSKIP("Cannot mount a 4 MB tmpfs (needs root): the full-disk case is not tested.");
        const auto unmount = qScopeGuard([&folder] { QProcess::execute(u"umount"_s, {folder}); });
        const QString book = folder + u"/book.vcf"_s;
        const QByteArray cards = kBen.repeated(10000);
        writeAll(book, cards);
        const QString anna = dir_.filePath(u"anna.vcf"_s);
        writeAll(anna, kAnna);
        // 200 KB free: no room for the new book; nothing free: none for its lock.
        for (const qint64 room : {200 * 1024, 0}) {
            fill(folder, room);
            const QString error = tool({u"--book"_s, book, u"import"_s, anna});
            QCOMPARE(exitCode_, 1);
            QVERIFY2(error.contains(u"No space left on device"_s) && !error.contains(u"in use"_s),
                     qPrintable(error));
            QCOMPARE(readAll(book), cards);
            QVERIFY(!QFile::exists(book + u".bak"_s));
        }
        QVERIFY(QFile::remove(folder + u"/filler0"_s) &&
                QFile::remove(folder + u"/filler204800"_s));
        QCOMPARE(tool({u"--book"_s, book, u"import"_s, anna}),
                 u"Added 1 contacts, skipped 0 already in the address book.\n"_s);
        QCOMPARE(readAll(book + u".bak"_s), cards);
    }
};

QTEST_GUILESS_MAIN(TestAddressBook)
#include "tst_address_book.moc"
