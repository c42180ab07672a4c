#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <thread>

#include "platform/desktop_shell.h"

using pelicast::platform::DesktopShell;

namespace {

const QString kUrl = QStringLiteral("https://secure.quillo.example/newuser.asp");

// Sets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value) : name_(name), saved_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnv() {
        if (saved_.isNull())
            qunsetenv(name_);
        else
            qputenv(name_, saved_);
    }

private:
    const char* name_;
    QByteArray saved_;
};

void writeFile(const QString& path, const QByteArray& content, bool executable = false) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
    file.close();
    if (executable)
        file.setPermissions(file.permissions() | QFile::ExeOwner);
}

// A detached program writes its file in its own time.
QByteArray waitForFile(const QString& path) {
    QDeadlineTimer deadline(5000);
    while (!deadline.hasExpired()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray content = file.readAll();
            if (content.endsWith("<end>\n"))
                return content;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return {};
}

}  // namespace

// Stand-in desktop: xdg-settings, xdg-mime and a browser script on a private
// PATH, and desktop entries in a private XDG_DATA_HOME.
class TestDesktopShell : public QObject {
    Q_OBJECT

private:
    QTemporaryDir root;
    QString bin, apps, record, page;
    std::unique_ptr<ScopedEnv> path, dataHome, dataDirs;

    // `answers` maps "xdg-settings get default-web-browser" and "xdg-mime
    // query default <type>" to what the stand-in prints.
    void desktopAnswers(const QMap<QString, QString>& answers) {
        QByteArray settings = "#!/bin/sh\n", mime = "#!/bin/sh\n";
        for (auto it = answers.begin(); it != answers.end(); ++it) {
            const QByteArray line = "[ \"$*\" = \"" + it.key().section(' ', 1, -1).toUtf8() +
                                    "\" ] && echo '" + it.value().toUtf8() + "' && exit 0\n";
            (it.key().startsWith("xdg-settings") ? settings : mime) += line;
        }
        writeFile(bin + "/xdg-settings", settings + "exit 1\n", true);
        writeFile(bin + "/xdg-mime", mime + "exit 1\n", true);
    }
    void desktopEntry(const QString& name, const QByteArray& exec) {
        writeFile(apps + '/' + name,
                  "[Desktop Entry]\nType=Application\nName=Browser\nExec[de]=wrong\nExec = " +
                      exec + "\nActions=new;\n\n[Desktop Action new]\nExec=wrong\n");
    }

private slots:
    void init() {
        QVERIFY(root.isValid());
        bin = root.filePath("bin");
        apps = root.filePath("data/applications");
        record = root.filePath("args.txt");
        page = root.filePath("page.htm");
        QFile::remove(record);
        QDir(apps).removeRecursively();
        QDir(bin).removeRecursively();
        writeFile(page, "<HTML> </HTML>\n");
        // Records each argument on a line of its own.
        writeFile(bin + "/recorder",
                  "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" +
                      record.toUtf8() + ".tmp'\necho '<end>' >> '" + record.toUtf8() +
                      ".tmp'\n/bin/mv '" + record.toUtf8() + ".tmp' '" + record.toUtf8() + "'\n",
                  true);
        writeFile(root.filePath("my programs/browser"),
                  "#!/bin/sh\nexec \"" + bin.toUtf8() + "/recorder\" \"$@\"\n", true);
        path = std::make_unique<ScopedEnv>("PATH", QFile::encodeName(bin));
        dataHome =
            std::make_unique<ScopedEnv>("XDG_DATA_HOME", QFile::encodeName(root.filePath("data")));
        dataDirs =
            std::make_unique<ScopedEnv>("XDG_DATA_DIRS", QFile::encodeName(root.filePath("none")));
    }
    void cleanup() { path.reset(), dataHome.reset(), dataDirs.reset(); }

    void findsAndStartsBrowser_data() {
        QTest::addColumn<QString>("query");
        QTest::addColumn<QByteArray>("exec");
        QTest::addColumn<QStringList>("arguments");
        const QString url = kUrl;
        QTest::newRow("default browser, %u")
            << "xdg-settings get default-web-browser" << QByteArray("recorder --new-window %u")
            << QStringList{"--new-window", url};
        QTest::newRow("https handler, no field code")
            << "xdg-mime query default x-scheme-handler/https" << QByteArray("recorder")
            << QStringList{url};
        QTest::newRow("html handler, quoted path, %U %i")
            << "xdg-mime query default text/html"
            << QByteArray("\"" + QFile::encodeName(root.filePath("my programs/browser")) +
                          "\" %i --url=%U 100%%")
            << QStringList{"--url=" + url, "100%"};
        QTest::newRow("escapes") << "xdg-settings get default-web-browser"
                                 << QByteArray("recorder \"a \\\\\"b\\\\\"\" \\s %f")
                                 << QStringList{"a \"b\"", url};
    }
    void findsAndStartsBrowser() {
        QFETCH(QString, query);
        QFETCH(QByteArray, exec);
        QFETCH(QStringList, arguments);
        desktopAnswers({{query, "stand-in.desktop"}});
        desktopEntry("stand-in.desktop", exec);

        DesktopShell shell;
        QString program;
        QVERIFY(shell.FindExecutable(page, {}, &program) > 32);
        QVERIFY(program.startsWith(root.path()));
        QVERIFY(shell.ShellExecute(nullptr, "open", program, kUrl, {}, 1) > 32);
        QCOMPARE(QString::fromUtf8(waitForFile(record)).split('\n', Qt::SkipEmptyParts),
                 arguments + QStringList{"<end>"});
    }

    // The first entry that leads to a program wins; the rest are tried in turn.
    void skipsUnusableEntries() {
        desktopAnswers(
            {{"xdg-settings get default-web-browser", "gone.desktop"},
             {"xdg-mime query default x-scheme-handler/https", "missing-program.desktop"},
             {"xdg-mime query default text/html", "good.desktop"}});
        desktopEntry("missing-program.desktop", "no-such-browser %u");
        desktopEntry("good.desktop", "recorder %u");
        DesktopShell shell;
        QString program;
        QVERIFY(shell.FindExecutable(page, {}, &program) > 32);
        QCOMPARE(program, bin + "/recorder");
    }

    void noBrowser_data() {
        QTest::addColumn<bool>("pageExists");
        QTest::addColumn<bool>("answers");
        QTest::newRow("nothing configured") << true << false;
        QTest::newRow("page file missing") << false << true;
    }
    void noBrowser() {
        QFETCH(bool, pageExists);
        QFETCH(bool, answers);
        if (answers) {
            desktopAnswers({{"xdg-settings get default-web-browser", "good.desktop"}});
            desktopEntry("good.desktop", "recorder %u");
        }
        if (!pageExists)
            QFile::remove(page);
        DesktopShell shell;
        QString program = "untouched";
        QVERIFY(shell.FindExecutable(page, {}, &program) <= 32);
        QCOMPARE(program, "untouched");
    }

    void startFailures() {
        DesktopShell shell;
        QVERIFY(shell.ShellExecute(nullptr, "open", root.filePath("no-such"), "x", {}, 1) <= 32);
        QVERIFY(!shell.StartProgram(root.filePath("no-such")));
        QVERIFY(shell.StartProgram(bin + "/recorder"));
        QCOMPARE(waitForFile(record), QByteArray("<end>\n"));
    }

    void systemInformationProgram() {
        DesktopShell shell;
        QCOMPARE(shell.FindSystemInformationProgram(), QString());
        writeFile(bin + "/gnome-system-monitor", "#!/bin/sh\n", true);
        writeFile(bin + "/hardinfo", "#!/bin/sh\n", true);
        QCOMPARE(shell.FindSystemInformationProgram(), bin + "/hardinfo");
    }
};

QTEST_GUILESS_MAIN(TestDesktopShell)
#include "test_desktop_shell.moc"
