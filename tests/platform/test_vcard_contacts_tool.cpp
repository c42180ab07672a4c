// pelicast-contacts as a user runs it.
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include "vcard_test_support.h"

using namespace pelicast;

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

Run Tool(const QStringList& arguments) {
    QProcess process;
    process.start(qEnvironmentVariable("PELICAST_BIN_DIR") + QStringLiteral("/pelicast-contacts"),
                  arguments);
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

}  // namespace

class TestVCardContactsTool : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString book_;

    Run OnBook(const QStringList& arguments) {
        return Tool(QStringList{"--book", book_} + arguments);
    }
    QString NotesFile() {
        const QString notes = dir_.filePath(QStringLiteral("notes.txt"));
        test::WriteAll(notes, "just text\n");
        return notes;
    }

private slots:
    void init() {
        book_ = dir_.filePath(QStringLiteral("book.vcf"));
        test::WriteAll(book_, kBook);
    }

    void helpExplainsEveryCommand() {
        const Run run = Tool({QStringLiteral("--help")});
        QCOMPARE(run.exitCode, 0);
        for (const char* word : {"list", "import FILE", "export FILE", "--book"})
            QVERIFY2(run.out.contains(QLatin1String(word)), word);
    }

    void misuseGoesToStandardError_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("unknown command") << QStringList{"show"};
        QTest::newRow("import without file") << QStringList{"import"};
        QTest::newRow("export two files") << QStringList{"export", "a", "b"};
        QTest::newRow("unknown option") << QStringList{"--frobnicate", "list"};
    }
    void misuseGoesToStandardError() {
        QFETCH(QStringList, arguments);
        const Run run = Tool(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.out.isEmpty());
        QVERIFY(!run.err.isEmpty());
    }

    void listWithoutBookUsesTheUsersBook() {
        QCOMPARE(Tool({QStringLiteral("list")}).exitCode, 0);
        QVERIFY(QFile::exists(qEnvironmentVariable("XDG_DATA_HOME") +
                              QStringLiteral("/Pelicast/contacts.vcf")));
    }

    void importSkipsWhatTheBookHasAndListShowsIt() {
        const QString other = dir_.filePath(QStringLiteral("other.vcf"));
        test::WriteAll(other,
                       // same UID as Ben, other name: skipped
                       "BEGIN:VCARD\nVERSION:2.1\nUID:B-2\nFN:Benjamin\nEND:VCARD\n"
                       // same name and mobile as Anna, no UID: skipped
                       "BEGIN:VCARD\nVERSION:2.1\nFN:Anna Berg\nTEL;CELL:+41 1\nEND:VCARD\n"
                       // same name, other mobile: added
                       "BEGIN:VCARD\nVERSION:2.1\nFN:Anna Berg\nN:Berg;Anna\nTEL;CELL:+41 3\n"
                       "END:VCARD\n"
                       // twice in the file: added once
                       "BEGIN:VCARD\nVERSION:4.0\nFN:Cleo\nN:Dorn;Cleo;;;\nEND:VCARD\n"
                       "BEGIN:VCARD\nVERSION:4.0\nFN:Cleo\nN:Dorn;Cleo;;;\nEND:VCARD\n"
                       // a group card: no contact, but its membership comes along
                       "BEGIN:VCARD\nVERSION:4.0\nKIND:group\nFN:Team\nUID:g-1\n"
                       "MEMBER:urn:uuid:a-1\nEND:VCARD\n");
        Run run = OnBook({"import", other});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(run.out.contains(QStringLiteral("Added 2 contacts, skipped 3")),
                 qPrintable(run.out));
        run = OnBook({"list"});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QStringLiteral("Berg, Anna (+41 1)\tFriends, Work\nCarr, Ben (+41 2)\n"
                                         "Berg, Anna (+41 3)\nDorn, Cleo ()\n"));
        run = OnBook({"import", other});
        QVERIFY2(run.out.contains(QStringLiteral("Added 0 contacts, skipped 5")),
                 qPrintable(run.out));
    }

    void importOfANonVCardFileChangesNothing() {
        const Run run = OnBook({"import", NotesFile()});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains(QStringLiteral("notes.txt")));
        QCOMPARE(test::ReadAll(book_), kBook);
    }

    void exportWritesTheBookButNeverOverANonVCardFile() {
        const QString target = dir_.filePath(QStringLiteral("export.vcf"));
        QCOMPARE(OnBook({"export", target}).exitCode, 0);
        QCOMPARE(test::ReadAll(target), kBook);
        QCOMPARE(OnBook({"export", NotesFile()}).exitCode, 1);
        QCOMPARE(test::ReadAll(dir_.filePath(QStringLiteral("notes.txt"))),
                 QByteArray("just text\n"));
    }
};

QTEST_GUILESS_MAIN(TestVCardContactsTool)
#include "test_vcard_contacts_tool.moc"
