#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "fakes/scripted_dialogs.h"
#include "platform/help_viewer_service.h"

using pelicast::fakes::ScriptedDialogs;
using pelicast::platform::Dialogs;
using pelicast::platform::HelpViewerService;
namespace platform = pelicast::platform;

// What the help service asks the viewer to do, without starting it.
class TestHelpViewerService : public QObject {
    Q_OBJECT

private slots:
    void commandLine_data();
    void commandLine();
    void fileNamedWithAngleBracket();
    void unknownCommandStartsNothing();
    void viewerThatDoesNotStartIsReported();
};

struct Launch {
    QString program;
    QStringList arguments;
};

void TestHelpViewerService::commandLine_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<unsigned>("command");
    QTest::addColumn<qint64>("data");
    QTest::addColumn<QStringList>("arguments");

    const unsigned topic = platform::HH_DISPLAY_TOPIC;
    const unsigned context = platform::HH_HELP_CONTEXT;
    QTest::newRow("default topic")
        << "/opt/p/sms.chm" << topic << qint64(0) << QStringList{"/opt/p/sms.chm", "--topic"};
    QTest::newRow("window part split off")
        << "/opt/p/sms.chm>main" << topic << qint64(0) << QStringList{"/opt/p/sms.chm", "--topic"};
    QTest::newRow("context") << "/opt/p/sms.chm" << context << qint64(1030)
                             << QStringList{"/opt/p/sms.chm", "--context", "1030"};
    QTest::newRow("context zero") << "/opt/p/sms.chm>main" << context << qint64(0)
                                  << QStringList{"/opt/p/sms.chm", "--context", "0"};
    QTest::newRow("context as a 32-bit number")
        << "/opt/p/sms.chm" << context << qint64(0x1FFFFFFFF)
        << QStringList{"/opt/p/sms.chm", "--context", "-1"};
    QTest::newRow("relative file made absolute")
        << "sms.chm" << topic << qint64(0)
        << QStringList{QDir::current().absoluteFilePath("sms.chm"), "--topic"};
}

void TestHelpViewerService::commandLine() {
    QFETCH(QString, file);
    QFETCH(unsigned, command);
    QFETCH(qint64, data);

    ScriptedDialogs dialogs;
    QList<Launch> launches;
    HelpViewerService help(dialogs, QStringLiteral("/opt/p/pelicast-help"),
                           [&](const QString& program, const QStringList& arguments) {
                               launches.append({program, arguments});
                               return true;
                           });
    help.HtmlHelp(nullptr, file, command, static_cast<std::intptr_t>(data));

    QCOMPARE(launches.size(), 1);
    QCOMPARE(launches.first().program, QStringLiteral("/opt/p/pelicast-help"));
    QTEST(launches.first().arguments, "arguments");
    QVERIFY(dialogs.shown.isEmpty());
}

void TestHelpViewerService::fileNamedWithAngleBracket() {
    QTemporaryDir dir;
    const QString odd = dir.filePath(QStringLiteral("a>b.chm"));
    QFile file(odd);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const auto arguments = HelpViewerService::ViewerArguments(odd, platform::HH_DISPLAY_TOPIC, 0);
    QVERIFY(arguments);
    QCOMPARE(arguments->first(), odd);
}

void TestHelpViewerService::unknownCommandStartsNothing() {
    ScriptedDialogs dialogs;
    int launches = 0;
    HelpViewerService help(dialogs, QStringLiteral("/opt/p/pelicast-help"),
                           [&](const QString&, const QStringList&) { return ++launches, true; });
    help.HtmlHelp(nullptr, QStringLiteral("/opt/p/sms.chm"), 0x0001, 0);
    QCOMPARE(launches, 0);
    QVERIFY(dialogs.shown.isEmpty());
}

void TestHelpViewerService::viewerThatDoesNotStartIsReported() {
    ScriptedDialogs dialogs;
    // The real launcher, with a viewer that is not there.
    HelpViewerService help(dialogs, QStringLiteral("/nonexistent/pelicast-help"));
    help.HtmlHelp(nullptr, QStringLiteral("/opt/p/sms.chm"), platform::HH_DISPLAY_TOPIC, 0);
    QCOMPARE(dialogs.shown.size(), 1);
    QVERIFY(dialogs.lastText().contains(QStringLiteral("/nonexistent/pelicast-help")));
    QCOMPARE(dialogs.shown.first().icon, Dialogs::Icon::Exclamation);
}

QTEST_GUILESS_MAIN(TestHelpViewerService)
#include "tst_help_viewer_service.moc"
