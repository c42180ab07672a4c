#include <QTest>

#include "fakes/fake_help_service.h"
#include "support/chelp.h"

using pelicast::CHelp;
using pelicast::fakes::FakeHelpService;
namespace platform = pelicast::platform;

class TestCHelp : public QObject {
    Q_OBJECT

private slots:
    void show_data() {
        QTest::addColumn<QString>("newFile");
        QTest::addColumn<QString>("windowPane");
        QTest::addColumn<bool>("hasContext");
        QTest::addColumn<int>("context");
        QTest::addColumn<QString>("fileSpecification");
        QTest::addColumn<unsigned>("command");
        QTest::addColumn<qint64>("data");

        const unsigned topic = platform::HH_DISPLAY_TOPIC;
        const unsigned numbered = platform::HH_HELP_CONTEXT;
        QTest::newRow("no pane keeps the blanks")
            << "  a.chm  "
            << "" << false << 0 << "  a.chm  " << topic << qint64(0);
        QTest::newRow("pane trims both parts")
            << "  a.chm  "
            << "main" << false << 0 << "a.chm>main" << topic << qint64(0);
        QTest::newRow("blanks around the pane")
            << "/x/sms.chm"
            << "  main  " << false << 0 << "/x/sms.chm>main" << topic << qint64(0);
        QTest::newRow("pane of blanks is not empty")
            << " a.chm "
            << "   " << false << 0 << "a.chm>" << topic << qint64(0);
        QTest::newRow("context zero is still a context")
            << "a.chm"
            << "" << true << 0 << "a.chm" << numbered << qint64(0);
        QTest::newRow("context with pane")
            << " a.chm"
            << "main " << true << 1030 << "a.chm>main" << numbered << qint64(1030);
        QTest::newRow("negative context") << "a.chm"
                                          << "" << true << -1 << "a.chm" << numbered << qint64(-1);
    }

    void show() {
        QFETCH(QString, newFile);
        QFETCH(QString, windowPane);
        QFETCH(bool, hasContext);
        QFETCH(int, context);

        FakeHelpService help;
        CHelp(help).Show(newFile, windowPane,
                         hasContext ? std::optional<int>(context) : std::nullopt);

        QCOMPARE(help.calls.size(), 1);
        const FakeHelpService::Call& call = help.calls.first();
        QTEST(call.file, "fileSpecification");
        QTEST(call.command, "command");
        QTEST(qint64(call.data), "data");
    }
};

QTEST_GUILESS_MAIN(TestCHelp)
#include "tst_chelp.moc"
