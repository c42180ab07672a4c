#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTreeWidget>

#include "help_contexts.h"
#include "pelicast-help/help_browser.h"
#include "pelicast-help/help_window.h"

using namespace pelicast::help;

// Opens the help file the build made, sms.chm beside the program.
class TestHelpWindow : public QObject {
    Q_OBJECT

private:
    QString helpFile_;
    std::unique_ptr<HelpWindow> open(std::optional<quint32> context = std::nullopt) {
        QString error;
        auto window = OpenHelpWindow({helpFile_, context}, &error);
        if (!window)
            qWarning("%s", qPrintable(error));
        return window;
    }

    static QString page(const HelpWindow& window) { return window.Browser()->source().path(); }

private slots:
    void initTestCase() {
        const QByteArray bin = qgetenv("PELICAST_BIN_DIR");
        QVERIFY2(!bin.isEmpty(), "PELICAST_BIN_DIR is not set");
        helpFile_ = QString::fromLocal8Bit(bin) + QStringLiteral("/sms.chm");
        QVERIFY2(QFile::exists(helpFile_), qPrintable(helpFile_ + " was not built"));
    }

    void opensAtDefaultTopic() {
        const auto window = open();
        QVERIFY(window);
        QCOMPARE(page(*window), QStringLiteral("/html/index.htm"));
        QVERIFY(window->Browser()->toPlainText().contains(QStringLiteral("Getting started")));
        QVERIFY(!window->findChild<QAction*>(QStringLiteral("back"))->isEnabled());
    }

    void opensAtContext_data() {
        QTest::addColumn<quint32>("context");
        QTest::addColumn<QString>("page");
        QTest::newRow("sending") << quint32(IDH_SENDING) << "/html/sending.htm";
        QTest::newRow("zero") << quint32(0) << "/html/index.htm";
    }

    void opensAtContext() {
        QFETCH(quint32, context);
        const auto window = open(context);
        QVERIFY(window);
        QTEST(page(*window), "page");
    }

    void everyContextLeadsToAPage() {
        const auto window = open();
        const QHash<quint32, QString> contexts = window->Chm().Contexts();
        QCOMPARE(contexts.size(), 18);
        for (auto it = contexts.cbegin(); it != contexts.cend(); ++it) {
            QVERIFY2(it.value().startsWith(QStringLiteral("/html/")), qPrintable(it.value()));
            QVERIFY(window->ShowContext(it.key()));
            QCOMPARE(page(*window), it.value());
        }
        QVERIFY(!window->ShowContext(999999));
        QCOMPARE(page(*window), QStringLiteral("/html/index.htm"));
    }

    void followsLinkBackAndForward() {
        const auto window = open();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        HelpBrowser* browser = window->Browser();

        // Click the link as the user would: on its text in the page.
        const QTextCursor link = browser->document()->find(QStringLiteral("Sending a message"));
        QVERIFY(!link.isNull());
        QTextCursor inside = link;
        inside.setPosition(link.selectionStart() + 2);
        const QPoint spot = browser->cursorRect(inside).center();
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, spot);
        QTRY_COMPARE(page(*window), QStringLiteral("/html/sending.htm"));

        auto* back = window->findChild<QAction*>(QStringLiteral("back"));
        auto* forward = window->findChild<QAction*>(QStringLiteral("forward"));
        QVERIFY(back->isEnabled());
        QVERIFY(!forward->isEnabled());
        back->trigger();
        QCOMPARE(page(*window), QStringLiteral("/html/index.htm"));
        QVERIFY(forward->isEnabled());
        forward->trigger();
        QCOMPARE(page(*window), QStringLiteral("/html/sending.htm"));
        window->findChild<QAction*>(QStringLiteral("home"))->trigger();
        QCOMPARE(page(*window), QStringLiteral("/html/index.htm"));
    }

    void contentsTreeShowsAndFollowsPages() {
        const auto window = open();
        QTreeWidget* tree = window->Contents();
        const auto found = tree->findItems(QStringLiteral("Proxies"), Qt::MatchRecursive);
        QCOMPARE(found.size(), 1);
        emit tree->itemClicked(found.first(), 0);
        QCOMPARE(page(*window), QStringLiteral("/html/proxies.htm"));

        window->ShowContext(IDH_UPLOAD);
        QVERIFY(tree->currentItem());
        QCOMPARE(tree->currentItem()->text(0), QStringLiteral("Uploading your contact list"));
    }

    void indexFindsKeyword() {
        const auto window = open();
        QListWidget* index = window->Index();
        window->findChild<QLineEdit*>(QStringLiteral("indexFilter"))
            ->setText(QStringLiteral("prox"));
        QVERIFY(index->currentItem());
        QCOMPARE(index->currentItem()->text(), QStringLiteral("Proxy"));
        emit index->itemActivated(index->currentItem());
        QCOMPARE(page(*window), QStringLiteral("/html/proxies.htm"));
    }

    void styleSheetComesFromTheFile() {
        const auto window = open();
        // The shared style sheet colours the headings; without it they are black.
        const QTextBlock heading = window->Browser()->document()->begin();
        QCOMPARE(heading.text(), QStringLiteral("Pelicast Help"));
        QCOMPARE(heading.charFormat().foreground().color(), QColor(0x1f, 0x4e, 0x79));
    }

    void missingPageSaysSo() {
        const auto window = open();
        window->Browser()->setSource(HelpBrowser::UrlFor(QStringLiteral("/html/nowhere.htm")));
        QVERIFY(window->Browser()->toPlainText().contains(QStringLiteral("Page not found")));
    }

    void unusableFileIsRefused_data() {
        QTest::addColumn<QByteArray>("content");  // empty: no file at all
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QByteArray() << "does not exist";
        QTest::newRow("not a help file")
            << QByteArray("<html>hello</html>") << "is not a compiled help file";
        QTest::newRow("one byte") << QByteArray(1, '\0') << "is not a compiled help file";
    }

    void unusableFileIsRefused() {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("broken.chm"));
        if (!content.isEmpty()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        QString error;
        QVERIFY(!OpenHelpWindow({path, std::nullopt}, &error));
        QFETCH(QString, reason);
        QVERIFY2(error.contains(reason), qPrintable(error));
        QVERIFY2(error.contains(path), qPrintable(error));
    }
};

QTEST_MAIN(TestHelpWindow)
#include "tst_help_window.moc"
