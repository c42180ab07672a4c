// SPDX-License-Identifier: GPL-3.0-or-later
// pelicast-contacts as a user runs it, on real files.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

const QByteArray kBook =
    "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:a-1\r\nFN:Anna Berg\r\nN:Berg;Anna;;;\r\n"
    "TEL;TYPE=CELL:+41 1\r\nCATEGORIES:Friends,Work\r\nEND:VCARD\r\n"
    "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:b-2\r\nFN:Ben Carr\r\nN:Carr;Ben;;;\r\n"
    "TEL;TYPE=CELL:+41 2\r\nEND:VCARD\r\n";

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

}  // namespace

class TestContactsTool : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString book_ = dir_.filePath(u"book.vcf"_s);

    // The user's own book is looked for in this test's folder only.
    Run tool(const QStringList& arguments) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_DATA_HOME"_s, dir_.filePath(u"data"_s));
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(PELICAST_CONTACTS_TOOL), arguments);
        if (!process.waitForFinished(30000))
            return {};
        return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    Run onBook(const QStringList& arguments) {
        return tool(QStringList{u"--book"_s, book_} + arguments);
    }

private Q_SLOTS:
    void init() { writeAll(book_, kBook); }

    void misuseGoesToStandardError_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("unknown command") << QStringList{u"show"_s};
        QTest::newRow("import without file") << QStringList{u"import"_s};
        QTest::newRow("export two files") << QStringList{u"export"_s, u"a"_s, u"b"_s};
        QTest::newRow("unknown option") << QStringList{u"--frobnicate"_s, u"list"_s};
    }
    void misuseGoesToStandardError() {
        QFETCH(QStringList, arguments);
        const Run run = tool(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(run.err.contains(u"Commands:"_s));
    }

    void listWithoutBookUsesTheUsersBook() {
        QCOMPARE(tool({u"list"_s}).exitCode, 0);
        QVERIFY(QFile::exists(dir_.filePath(u"data/Pelicast/contacts.vcf"_s)));
    }

    void importListExport() {
        const QString other = dir_.filePath(u"other.vcf"_s);
        writeAll(other,
                 // same UID as Ben, other name: skipped
                 "BEGIN:VCARD\nVERSION:2.1\nUID:B-2\nFN:Benjamin\nEND:VCARD\n"
                 // same name and mobile as Anna, no UID: skipped
                 "BEGIN:VCARD\nVERSION:2.1\nFN:Anna Berg\nTEL;CELL:+41 1\nEND:VCARD\n"
                 // same name, other mobile: added
                 "BEGIN:VCARD\nVERSION:2.1\nFN:Anna Berg\nN:Berg;Anna\nTEL;CELL:+41 3\nEND:VCARD\n"
                 // twice in the file: added once
                 "BEGIN:VCARD\nVERSION:4.0\nFN:Cleo\nN:Dorn;Cleo;;;\nEND:VCARD\n"
                 "BEGIN:VCARD\nVERSION:4.0\nFN:Cleo\nN:Dorn;Cleo;;;\nEND:VCARD\n"
                 // a group card: no contact, but its membership comes along
                 "BEGIN:VCARD\nVERSION:4.0\nKIND:group\nFN:Team\nUID:g-1\n"
                 "MEMBER:urn:uuid:b-2\nEND:VCARD\n");
        Run run = onBook({u"import"_s, other});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, u"Added 2 contacts, skipped 3 already in the address book.\n"_s);
        run = onBook({u"list"_s});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out,
                 u"Berg, Anna (+41 1)\tFriends, Work\nCarr, Ben (+41 2)\tTeam\n"
                 u"Berg, Anna (+41 3)\nDorn, Cleo ()\n"_s);
        QCOMPARE(onBook({u"import"_s, other}).out,
                 u"Added 0 contacts, skipped 5 already in the address book.\n"_s);

        const QString exported = dir_.filePath(u"export.vcf"_s);
        run = onBook({u"export"_s, exported});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, u"Exported 4 contacts to %1.\n"_s.arg(exported));
        QCOMPARE(readAll(exported), readAll(book_));
    }

    void nonVCardFilesAreLeftAlone() {
        const QString notes = dir_.filePath(u"notes.txt"_s);
        writeAll(notes, "just text\n");
        Run run = onBook({u"import"_s, notes});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err, u"\"%1\" is not a vCard file.\n"_s.arg(notes));
        QCOMPARE(readAll(book_), kBook);
        run = onBook({u"export"_s, notes});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(run.err,
                 u"\"%1\" exists and is not a vCard file; not overwritten.\n"_s.arg(notes));
        QCOMPARE(readAll(notes), QByteArray("just text\n"));
    }
};

QTEST_GUILESS_MAIN(TestContactsTool)
#include "tst_contacts_tool.moc"
