#include <sys/stat.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "platform/qsettings_store.h"

using pelicast::platform::QSettingsStore;

namespace {

const QString kApp = QStringLiteral("Quillo");
const QString kSection = QStringLiteral("udata");

// Values that a scrambled password or an odd user entry can hold.
QList<QPair<QString, QString>> samples() {
    QString controls;
    for (char16_t c = 1; c < 0x20; ++c)
        controls += QChar(c);
    controls += QChar(0x7f);
    return {
        {"nul", QString(QChar(0))},
        {"nulInside", QStringLiteral("a") + QChar(0) + QStringLiteral("b") + QChar(0)},
        {"controls", controls},
        {"nonLatin", QStringLiteral("Ωμέγα Жук 中文 ☃ 😀")},
        {"latin1High", QStringLiteral("\u0080\u00a0\u00e9\u00ff")},
        {"iniSyntax", QStringLiteral("a,b;c=d \"q\" \\n [x] %41 #h")},
        {"atSign", QStringLiteral("@String(x)")},
        {"blanks", QStringLiteral("  padded  ")},
        {"empty", QString()},
        {"long", QString(3000, QChar(0x2603))},
    };
}

// The test re-runs its own executable as a second copy of the program.
int runChild(const QStringList& args) {
    QSettingsStore store;
    const QString command = args.value(0);
    if (command == QLatin1String("write-samples")) {
        for (const auto& [key, value] : samples())
            store.SaveSetting(kApp, kSection, key, value);
        return 0;
    }
    if (command == QLatin1String("save")) {
        store.SaveSetting(kApp, kSection, args.value(1), args.value(2));
        return 0;
    }
    if (command == QLatin1String("get")) {
        std::fputs(store.GetSetting(kApp, kSection, args.value(1)).toUtf8().constData(), stdout);
        return 0;
    }
    return 100;
}

int fileMode(const QString& path) {
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return static_cast<int>(info.st_mode & 0777);
}

}  // namespace

class TestQSettingsStore : public QObject {
    Q_OBJECT

private:
    QTemporaryDir config_;

    QString runCopy(const QStringList& args, int* exitCode = nullptr) {
        QProcess copy;
        copy.start(QCoreApplication::applicationFilePath(), QStringList{"--child"} + args);
        if (!copy.waitForFinished(20'000))
            return QStringLiteral("<hung>");
        if (exitCode)
            *exitCode = copy.exitCode();
        return QString::fromUtf8(copy.readAllStandardOutput());
    }

    QString fileName() const { return QSettingsStore::FileName(kApp); }

private Q_SLOTS:
    void initTestCase() {
        // A folder of the test's own, also when the test is run by hand.
        QVERIFY(config_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_.path()));
        QCOMPARE(fileName(), config_.filePath(QStringLiteral("Quillo/Quillo.conf")));
    }

    void init() { QFile::remove(fileName()); }

    void everyCharacterSurvivesAnotherProcess() {
        int exitCode = -1;
        runCopy({"write-samples"}, &exitCode);
        QCOMPARE(exitCode, 0);
        QSettingsStore store;
        for (const auto& [key, value] : samples())
            QCOMPARE(store.GetSetting(kApp, kSection, key, QStringLiteral("<missing>")), value);
    }

    void sectionIsAnIniGroup() {
        QSettingsStore().SaveSetting(kApp, kSection, QStringLiteral("user"), QStringLiteral("ann"));
        QFile file(fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("[udata]\nuser=ann"));
        QCOMPARE(QSettingsStore().GetSetting(kApp, QStringLiteral("other"), QStringLiteral("user"),
                                             QStringLiteral("none")),
                 QStringLiteral("none"));
    }

    void fileIsReadableByTheUserOnly_data() {
        QTest::addColumn<int>("existingMode");  // -1: no file yet
        QTest::newRow("new file") << -1;
        QTest::newRow("file open to all") << 0644;
    }
    void fileIsReadableByTheUserOnly() {
        QFETCH(int, existingMode);
        const mode_t oldMask = ::umask(0);  // a careless creation would give 0666
        if (existingMode >= 0) {
            QSettingsStore().SaveSetting(kApp, kSection, QStringLiteral("k"), QStringLiteral("0"));
            ::chmod(QFile::encodeName(fileName()).constData(), static_cast<mode_t>(existingMode));
        }
        QSettingsStore store;
        store.SaveSetting(kApp, kSection, QStringLiteral("pass"), QStringLiteral("secret"));
        const int afterFirst = fileMode(fileName());
        ::umask(oldMask);
        QCOMPARE(afterFirst, 0600);
    }

    void keepsWhatAnotherCopyWrote() {
        QSettingsStore store;
        store.SaveSetting(kApp, kSection, QStringLiteral("mine"), QStringLiteral("1"));
        runCopy({"save", "theirs", "2"});
        QCOMPARE(store.GetSetting(kApp, kSection, QStringLiteral("theirs")), QStringLiteral("2"));
        store.SaveSetting(kApp, kSection, QStringLiteral("later"), QStringLiteral("3"));
        QCOMPARE(runCopy({"get", "theirs"}) + runCopy({"get", "mine"}) + runCopy({"get", "later"}),
                 QStringLiteral("213"));
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc >= 2 && qstrcmp(argv[1], "--child") == 0)
        return runChild(app.arguments().mid(2));
    TestQSettingsStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_qsettings_store.moc"
