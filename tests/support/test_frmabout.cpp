#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "fakes/fake_services.h"
#include "support/frmabout.h"
#include "support/system_info.h"
#include "support/window_test_support.h"

using namespace pelicast;
using platform::HKEY_LOCAL_MACHINE;

namespace {

const GatewayLocation kGateway{"http://www.", "https://secure.", "quillo.example"};
const QByteArray kSysInfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QByteArray kLocationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

}  // namespace

class TestFrmAbout : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<fakes::FakeServices> fakes;
    QPointer<frmAbout> box;

    template <typename T>
    T* child(const char* name) {
        return testing::control<T>(box, name);
    }
    void open() { box = frmAbout::showOrRaise(fakes->services(), kGateway); }

private slots:
    void init() { fakes = std::make_unique<fakes::FakeServices>(); }
    void cleanup() {
        if (box)
            box->close();
        testing::deleteClosedWindows();
        QVERIFY(!box);
    }

    void picturesShowAndOpenPages() {
        open();
        QCOMPARE(child<QLabel>("lblVersion")->text(), "Version 0.8.4");
        QVERIFY(!child<QToolButton>("picIcon")->icon().pixmap(48).isNull());
        QVERIFY(!child<QToolButton>("Image1")->icon().pixmap(60, 42).isNull());
        child<QToolButton>("picIcon")->click();
        child<QToolButton>("Image1")->click();
        QCOMPARE(fakes->shell.executed,
                 (QStringList{"open|/usr/bin/browser|https://secure.quillo.example/",
                              "open|/usr/bin/browser|http://www.brackel.example/"}));
    }

    void oneBoxAtATimeAndOkUnloads() {
        open();
        QPointer<frmAbout> first = box;
        open();
        QCOMPARE(box, first);
        child<QPushButton>("cmdOK")->click();
        testing::deleteClosedWindows();
        QVERIFY(!first);
    }

    void getKeyValue_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("value");
        const QByteArray nul(1, '\0');
        QTest::newRow("text with closing NUL")
            << true << platform::REG_SZ << QByteArray("C:\\msinfo.exe" + nul) << true
            << "C:\\msinfo.exe";
        QTest::newRow("only the last NUL goes")
            << true << platform::REG_SZ << QByteArray("a" + nul + "b" + nul + nul) << true
            << QString("a") + QChar(0) + "b" + QChar(0);
        QTest::newRow("number, last byte first")
            << true << platform::REG_DWORD << QByteArray::fromHex("2a010000") << true << "298";
        QTest::newRow("binary leaves the value")
            << true << platform::REG_BINARY << QByteArray("xyz") << true << "before";
        QTest::newRow("1023 characters and NUL")
            << true << platform::REG_SZ << QByteArray(1023, 'x') + nul << true
            << QString(1023, 'x');
        QTest::newRow("longer than the buffer")
            << true << platform::REG_SZ << QByteArray(1025, 'x') << false << "";
        QTest::newRow("value missing") << false << platform::REG_SZ << QByteArray() << false << "";
    }
    void getKeyValue() {
        QFETCH(bool, present);
        QFETCH(uint, type);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, found);
        QFETCH(QString, value);
        fakes::FakeRegistry registry;
        registry.addKey(HKEY_LOCAL_MACHINE, kSysInfoKey);
        if (present)
            registry.setValue(HKEY_LOCAL_MACHINE, kSysInfoKey, "PATH", type, bytes);
        QString result = "before";
        QCOMPARE(GetKeyValue(registry, HKEY_LOCAL_MACHINE, kSysInfoKey, "PATH", result), found);
        QCOMPARE(result, value);
        QVERIFY(registry.open.isEmpty());

        QString missingKey = "before";
        QVERIFY(!GetKeyValue(registry, HKEY_LOCAL_MACHINE, "SOFTWARE\\None", "PATH", missingKey));
        QCOMPARE(missingKey, "");
    }

    void startSysInfo_data() {
        QTest::addColumn<QString>("path");          // "PATH" value, "-" for none
        QTest::addColumn<QString>("folder");        // "MSINFO" value, "-" for none
        QTest::addColumn<bool>("programInFolder");  // MSINFO32.EXE there
        QTest::addColumn<QString>("desktop");       // the desktop's own program
        QTest::addColumn<bool>("startSucceeds");
        QTest::addColumn<QString>("started");  // "<folder>" for the folder's program
        QTest::addColumn<bool>("unavailable");
        QTest::newRow("path recorded") << "/opt/msinfo"
                                       << "-" << false << "" << true << "/opt/msinfo" << false;
        QTest::newRow("path that does not start, second not tried")
            << "/opt/msinfo"
            << "<tmp>" << true << "" << false << "/opt/msinfo" << true;
        QTest::newRow("folder with the program")
            << "-"
            << "<tmp>" << true << "/usr/bin/hardinfo" << true << "<folder>" << false;
        QTest::newRow("folder without the program")
            << "-"
            << "<tmp>" << false << "/usr/bin/hardinfo" << true << "" << true;
        QTest::newRow("desktop program")
            << "-"
            << "-" << false << "/usr/bin/hardinfo" << true << "/usr/bin/hardinfo" << false;
        QTest::newRow("desktop program fails")
            << "-"
            << "-" << false << "/usr/bin/hardinfo" << false << "/usr/bin/hardinfo" << true;
        QTest::newRow("nothing anywhere") << "-"
                                          << "-" << false << "" << true << "" << true;
    }
    void startSysInfo() {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QFETCH(bool, programInFolder);
        QFETCH(QString, desktop);
        QFETCH(bool, startSucceeds);
        QFETCH(QString, started);
        QFETCH(bool, unavailable);
        QTemporaryDir dir;
        const QString program = dir.filePath("MSINFO32.EXE");
        if (programInFolder) {
            QFile file(program);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        auto& registry = fakes->registry;
        if (path != "-")
            registry.setValue(HKEY_LOCAL_MACHINE, kSysInfoKey, "PATH", platform::REG_SZ,
                              path.toLocal8Bit() + '\0');
        if (folder != "-")
            registry.setValue(HKEY_LOCAL_MACHINE, kLocationKey, "MSINFO", platform::REG_SZ,
                              dir.path().toLocal8Bit());
        fakes->shell.systemInformation = desktop;
        fakes->shell.startSucceeds = startSucceeds;

        open();
        child<QPushButton>("cmdSysInfo")->click();
        QCOMPARE(fakes->shell.started,
                 started.isEmpty() ? QStringList()
                                   : QStringList{started == "<folder>" ? program : started});
        QCOMPARE(fakes->dialogs.shown.size(), unavailable ? 1 : 0);
        if (unavailable)
            QCOMPARE(fakes->dialogs.lastText(), kUnavailable);
        QVERIFY(box && box->isVisible());
        QVERIFY(registry.open.isEmpty());
    }
};

QTEST_MAIN(TestFrmAbout)
#include "test_frmabout.moc"
