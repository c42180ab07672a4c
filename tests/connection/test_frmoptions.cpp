#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "connection/frmoptions.h"
#include "connection/profile_host.h"
#include "fakes/fake_settings_store.h"
#include "fakes/scripted_dialogs.h"
#include "support/window_test_support.h"

using namespace pelicast;

namespace {

const QString kMissing = QStringLiteral("Please enter proxy address and port");

// Stands in for the main window: records each profile run and the transport
// stored at that moment.
class RecordingHost : public ProfileHost {
public:
    explicit RecordingHost(fakes::FakeSettingsStore& store) : store_(store) {}
    QString get_i_settings() override {
        transportAtRun.append(store_.get("transport"));
        return store_.get("transport") == "http" ? "http://www." : "https://secure.";
    }
    void setTranspCaption(const QString& caption) override { captions.append(caption); }

    QStringList transportAtRun, captions;

private:
    fakes::FakeSettingsStore& store_;
};

// A message box that takes the activation away from the dialog and gives it
// back when dismissed, as a real one does.
class ActivationStealingDialogs : public fakes::ScriptedDialogs {
public:
    Answer MsgBox(QWidget* parent, const Message& message) override {
        QEvent deactivate(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(parent, &deactivate);
        return ScriptedDialogs::MsgBox(parent, message);
    }
};

}  // namespace

class TestFrmOptions : public QObject {
    Q_OBJECT

private:
    fakes::FakeSettingsStore store;
    fakes::ScriptedDialogs dialogs;
    std::unique_ptr<RecordingHost> host;
    QPointer<frmOptions> dlg;

    template <typename T>
    T* child(const char* name) {
        return testing::control<T>(dlg, name);
    }
    QRadioButton* radio(const char* name) { return child<QRadioButton>(name); }
    QLineEdit* edit(const char* name) { return child<QLineEdit>(name); }
    void click(const char* name) { child<QAbstractButton>(name)->click(); }
    void open(platform::Dialogs& boxes) {
        dlg = frmOptions::showOrRaise(store, boxes, *host);
        QVERIFY(dlg && dlg->isVisible());
    }
    void open() { open(dialogs); }
    void activate() {
        QEvent e(QEvent::WindowActivate);
        QCoreApplication::sendEvent(dlg, &e);
    }

private slots:
    void init() {
        store = {};
        dialogs = {};
        host = std::make_unique<RecordingHost>(store);
    }
    void cleanup() {
        if (dlg)
            dlg->close();
        testing::deleteClosedWindows();
        QVERIFY(!dlg);
    }

    void showsStoredChoices_data() {
        QTest::addColumn<QVariant>("transport");
        QTest::addColumn<QVariant>("proxy");
        QTest::addColumn<QString>("transportButton");
        QTest::addColumn<QString>("proxyButton");
        QTest::addColumn<bool>("boxesEnabled");
        const QVariant never;
        QTest::newRow("never written") << never << never << "http_0"
                                       << "proxybut_2" << true;
        QTest::newRow("http, direct") << QVariant("http") << QVariant("0") << "http_1"
                                      << "proxybut_0" << false;
        QTest::newRow("HTTP capitals, system") << QVariant("HTTP") << QVariant("1") << "http_0"
                                               << "proxybut_1" << false;
        QTest::newRow("https, custom") << QVariant("https") << QVariant("2") << "http_0"
                                       << "proxybut_2" << true;
        QTest::newRow("empty, other value") << QVariant("") << QVariant("7") << "http_0"
                                            << "proxybut_2" << true;
    }
    void showsStoredChoices() {
        QFETCH(QVariant, transport);
        QFETCH(QVariant, proxy);
        QFETCH(QString, transportButton);
        QFETCH(QString, proxyButton);
        QFETCH(bool, boxesEnabled);
        if (transport.isValid())
            store.set("transport", transport.toString());
        if (proxy.isValid())
            store.set("proxy", proxy.toString());
        store.set("proxysrv", "cache.lan");
        store.set("proxyport", "3128");
        open();

        QVERIFY(radio(qPrintable(transportButton))->isChecked());
        QVERIFY(radio(qPrintable(proxyButton))->isChecked());
        QCOMPARE(edit("proxysrv")->isEnabled(), boxesEnabled);
        QCOMPARE(edit("proxyport")->isEnabled(), boxesEnabled);
        QCOMPARE(edit("proxyport")->text(), "3128");
        QVERIFY(store.writes.isEmpty());
    }

    void neverWrittenProxyAsksForAddressOnOk() {
        open();
        click("cmdOK");
        QCOMPARE(dialogs.shown.size(), 1);
        QCOMPARE(dialogs.lastText(), kMissing);
        QVERIFY(dlg && dlg->isVisible());
        QCOMPARE(store.writes, QStringList{"transport"});
        QCOMPARE(host->transportAtRun, QStringList{"https"});
        QCOMPARE(host->captions, QStringList{"https://secure."});
        QCOMPARE(dlg->focusWidget(), edit("proxysrv"));
    }

    void incompleteCustomProxy_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("focus");
        QTest::newRow("address without port") << "cache.lan" << QString() << "proxyport";
        QTest::newRow("port without address") << QString() << "3128"
                                              << "proxysrv";
        QTest::newRow("neither") << QString() << QString() << "proxysrv";
    }
    void incompleteCustomProxy() {
        QFETCH(QString, address);
        QFETCH(QString, port);
        QFETCH(QString, focus);
        store.set("proxy", "0");
        open();
        click("http_1");
        click("proxybut_2");
        edit("proxysrv")->setText(address);
        edit("proxyport")->setText(port);

        QVERIFY(!dlg->apply_options());
        QCOMPARE(dialogs.lastText(), kMissing);
        QCOMPARE(dlg->focusWidget()->objectName(), focus);
        QCOMPARE(store.writes, QStringList{"transport"});
        QCOMPARE(store.get("proxy"), "0");
        QCOMPARE(host->captions, QStringList{"http://www."});
    }

    void customProxySavedAsTyped() {
        store.set("proxy", "1");
        open();
        click("proxybut_2");
        edit("proxysrv")->setText(" cache.lan ");
        edit("proxyport")->setText(" 3128");
        click("cmdOK");
        QVERIFY(dialogs.shown.isEmpty());
        QCOMPARE(store.writes, (QStringList{"transport", "proxy", "proxysrv", "proxyport"}));
        QCOMPARE(store.get("proxy"), "2");
        QCOMPARE(store.get("proxysrv"), " cache.lan ");
        QCOMPARE(store.get("proxyport"), " 3128");
        testing::deleteClosedWindows();
        QVERIFY(!dlg);
    }

    void noProxyKeepsOldAddress() {
        store.set("proxy", "2");
        store.set("proxysrv", "cache.lan");
        store.set("proxyport", "3128");
        open();
        click("proxybut_0");
        click("cmdOK");
        QCOMPARE(store.get("proxy"), "0");
        QCOMPARE(store.get("proxysrv"), "cache.lan");
        QCOMPARE(store.get("proxyport"), "3128");
    }

    void applyThenCancel() {
        open();
        click("http_1");
        click("proxybut_1");
        click("cmdApply");
        QVERIFY(dlg && dlg->isVisible());
        QCOMPARE(store.get("transport"), "http");
        QCOMPARE(store.get("proxy"), "1");
        QCOMPARE(host->captions, QStringList{"http://www."});

        click("proxybut_0");
        const QStringList writes = store.writes;
        click("cmdCancel");
        testing::deleteClosedWindows();
        QVERIFY(!dlg);
        QCOMPARE(store.writes, writes);
        QCOMPARE(host->captions.size(), 1);
    }

    void returningRereadsSettings() {
        store.set("proxy", "2");
        store.set("proxysrv", "cache.lan");
        open();
        edit("proxysrv")->setText("typed.lan");
        click("proxybut_0");
        activate();
        QCOMPARE(edit("proxysrv")->text(), "cache.lan");
        QVERIFY(radio("proxybut_2")->isChecked());
    }

    void ownMessageBoxKeepsTypedText() {
        ActivationStealingDialogs boxes;
        open(boxes);
        edit("proxysrv")->setText("typed.lan");
        click("cmdOK");
        QCOMPARE(boxes.lastText(), kMissing);
        activate();
        QCOMPARE(edit("proxysrv")->text(), "typed.lan");
        // A later return from another window reads the store again.
        QEvent away(QEvent::WindowDeactivate);
        QCoreApplication::sendEvent(dlg, &away);
        activate();
        QCOMPARE(edit("proxysrv")->text(), "");
        dlg->close();  // before `boxes` goes
        testing::deleteClosedWindows();
    }

    void oneWindowAtATime() {
        open();
        QPointer<frmOptions> first = dlg;
        open();
        QCOMPARE(dlg, first);
    }
};

QTEST_MAIN(TestFrmOptions)
#include "test_frmoptions.moc"
