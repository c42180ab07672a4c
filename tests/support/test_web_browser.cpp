#include <QFile>
#include <QTemporaryFile>
#include <QtTest>

#include "fakes/fake_shell.h"
#include "fakes/scripted_dialogs.h"
#include "support/web_browser.h"
#include "support/web_links.h"

using namespace pelicast;

namespace {

const GatewayLocation kGateway{"http://www.", "https://secure.", "quillo.example"};
const QString kHttps = kGateway.httpsBase;
const QString kHttp = kGateway.httpBase;

// Also notes whether the page file was there, as the lookup needs it.
class CheckingShell : public fakes::FakeShell {
public:
    long FindExecutable(const QString& file, const QString& directory,
                        QString* executable) override {
        existedAtLookup.append(QFile::exists(file));
        return FakeShell::FindExecutable(file, directory, executable);
    }
    QList<bool> existedAtLookup;
};

}  // namespace

class TestWebBrowser : public QObject {
    Q_OBJECT

private slots:
    void linkAddresses_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("expected");
        const WebLinks links(kGateway);
        for (const QString& base : {kHttps, kHttp}) {
            const QString site = base + "quillo.example/";
            QTest::addRow("home %s", qPrintable(base)) << links.gatewayHome(base) << site;
            QTest::addRow("account %s", qPrintable(base))
                << links.newAccount(base) << site + "newuser.asp";
            QTest::addRow("buy %s", qPrintable(base)) << links.buyCredits(base) << site + "buy.asp";
        }
        QTest::newRow("secure home")
            << links.secureGatewayHome() << "https://secure.quillo.example/";
        QTest::newRow("maker") << WebLinks::makerSite() << "http://www.brackel.example/";
        const QString basket =
            "https://store.brackel.example/shopping_basket.html?ID=%1&fromScript=1047392856";
        const QList<std::pair<CreditPackage, int>> packages{{CreditPackage::Credits900, 6219},
                                                            {CreditPackage::Credits2500, 6241},
                                                            {CreditPackage::Credits5500, 6242},
                                                            {CreditPackage::Credits12000, 6243}};
        for (const auto& [package, id] : packages)
            QTest::addRow("basket %d", id) << WebLinks::storeBasket(package) << basket.arg(id);
    }
    void linkAddresses() {
        QFETCH(QString, address);
        QFETCH(QString, expected);
        QCOMPARE(address, expected);

        CheckingShell shell;
        fakes::ScriptedDialogs dialogs;
        LaunchWebBrowser(shell, dialogs, nullptr, address);
        QCOMPARE(shell.executed, QStringList{"open|/usr/bin/browser|" + expected});
        QVERIFY(dialogs.shown.isEmpty());
    }

    void failures_data() {
        QTest::addColumn<QString>("browser");
        QTest::addColumn<long>("launchResult");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("launches");
        QTest::newRow("no browser") << "" << 42L << "Could not find associated Browser"
                                    << "Browser Not Found" << 0;
        QTest::newRow("start fails") << "/usr/bin/browser" << 2L << "Web Page not Opened"
                                     << "URL Failed" << 1;
        QTest::newRow("start result 32") << "/usr/bin/browser" << 32L << "Web Page not Opened"
                                         << "URL Failed" << 1;
    }
    void failures() {
        QFETCH(QString, browser);
        QFETCH(long, launchResult);
        QFETCH(QString, text);
        QFETCH(QString, title);
        QFETCH(int, launches);
        CheckingShell shell;
        shell.browser = browser;
        shell.launchResult = launchResult;
        fakes::ScriptedDialogs dialogs;
        LaunchWebBrowser(shell, dialogs, nullptr, WebLinks::makerSite());

        QCOMPARE(shell.executed.size(), launches);
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.shown[0].text, text);
        QCOMPARE(dialogs.shown[0].title, title);
        QCOMPARE(shell.lookedUp.size(), 1);
        QVERIFY(!QFile::exists(shell.lookedUp[0]));
    }

    // The page file exists for the lookup only, under a fresh name each time.
    void pageFileIsPrivateAndRemoved() {
        CheckingShell shell;
        fakes::ScriptedDialogs dialogs;
        LaunchWebBrowser(shell, dialogs, nullptr, WebLinks::makerSite());
        shell.browser.clear();
        LaunchWebBrowser(shell, dialogs, nullptr, WebLinks::makerSite());

        QCOMPARE(shell.existedAtLookup, (QList<bool>{true, true}));
        QVERIFY(shell.lookedUp[0] != shell.lookedUp[1]);
        for (const QString& file : shell.lookedUp)
            QCOMPARE(QFileInfo(file).absolutePath(),
                     QFileInfo(QDir::tempPath()).absoluteFilePath());
    }

    // Without a place for the page file there is no lookup and no start.
    void noTemporaryFolder() {
        QTemporaryFile notAFolder;
        QVERIFY(notAFolder.open());
        const QByteArray saved = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(notAFolder.fileName()));
        CheckingShell shell;
        fakes::ScriptedDialogs dialogs;
        LaunchWebBrowser(shell, dialogs, nullptr, WebLinks::makerSite());
        if (saved.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", saved);

        QVERIFY(shell.lookedUp.isEmpty());
        QVERIFY(shell.executed.isEmpty());
        QCOMPARE(dialogs.lastText(), "Could not find associated Browser");
    }
};

QTEST_MAIN(TestWebBrowser)
#include "test_web_browser.moc"
