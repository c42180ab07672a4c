#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSignalSpy>
#include <QtTest>

#include "connection/connection_profile.h"
#include "connection/frmoptions.h"
#include "connection/profile_host.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_settings_store.h"
#include "fakes/loopback_http.h"
#include "fakes/scripted_dialogs.h"
#include "platform/network_transfer.h"
#include "support/window_test_support.h"

using namespace pelicast;

namespace {

// The main window's part: the profile, and the prefix that follows `transp`.
class MainWindowStandIn : public ProfileHost {
public:
    explicit MainWindowStandIn(ConnectionProfile& profile) : profile_(profile) {}
    QString get_i_settings() override { return profile_.get_i_settings(); }
    void setTranspCaption(const QString& caption) override { transportPrefix = caption; }

    QString transportPrefix;

private:
    ConnectionProfile& profile_;
};

}  // namespace

// Choices made in the Options dialog reach the next real gateway request.
class TestOptionsProxy : public QObject {
    Q_OBJECT

private:
    fakes::FakeSettingsStore store;
    fakes::FakeRegistry registry;  // the system names no proxy
    fakes::ScriptedDialogs dialogs;
    platform::NetworkTransfer inet;
    fakes::LoopbackHttpServer gateway;
    fakes::LoopbackHttpProxy proxy;
    std::unique_ptr<ConnectionProfile> profile;
    std::unique_ptr<MainWindowStandIn> host;

    void chooseInOptions(const char* proxyButton, const QString& address, const QString& port) {
        QPointer<frmOptions> dlg = frmOptions::showOrRaise(store, dialogs, *host);
        dlg->findChild<QRadioButton*>("http_1")->click();
        dlg->findChild<QRadioButton*>(proxyButton)->click();
        dlg->findChild<QLineEdit*>("proxysrv")->setText(address);
        dlg->findChild<QLineEdit*>("proxyport")->setText(port);
        dlg->findChild<QAbstractButton*>("cmdOK")->click();
        testing::deleteClosedWindows();
        QVERIFY(!dlg);
    }
    void sendRequest() {
        QSignalSpy states(&inet, &platform::TransferComponent::StateChanged);
        const GatewayLocation& location = profile->location();
        inet.Execute(location.address(host->transportPrefix, "comcredits.asp"), "POST ",
                     "user=a&pass=b", "Content-Type: application/x-www-form-urlencoded");
        QVERIFY(states.wait(10'000));
        while (states.last().first().toInt() != platform::TransferComponent::icResponseCompleted) {
            QVERIFY2(states.last().first().toInt() != platform::TransferComponent::icError,
                     qPrintable(inet.ErrorText()));
            QVERIFY(states.wait(10'000));
        }
    }

private slots:
    void initTestCase() {
        const QString domain = QStringLiteral("127.0.0.1:%1").arg(gateway.port());
        profile = std::make_unique<ConnectionProfile>(
            store, registry, inet, GatewayLocation{"http://", "https://", domain});
        host = std::make_unique<MainWindowStandIn>(*profile);
        store.set("transport", "http");
        host->transportPrefix = profile->get_i_settings();
    }

    void customProxyCarriesNextRequest() {
        chooseInOptions("proxybut_2", "127.0.0.1", QString::number(proxy.port()));
        QCOMPARE(inet.Proxy(), proxy.hostAndPort());
        sendRequest();
        QCOMPARE(proxy.passages().size(), 1);
        QCOMPARE(proxy.passages()[0].method, "POST");
        QVERIFY(proxy.passages()[0].target.endsWith("/comcredits.asp"));
        QCOMPARE(gateway.requests().size(), 1);
    }

    void noProxyGoesDirect() {
        chooseInOptions("proxybut_0", "127.0.0.1", QString::number(proxy.port()));
        QCOMPARE(store.get("proxy"), "0");
        sendRequest();
        QCOMPARE(proxy.passages().size(), 1);
        QCOMPARE(gateway.requests().size(), 2);
    }
};

QTEST_MAIN(TestOptionsProxy)
#include "test_options_proxy.moc"
