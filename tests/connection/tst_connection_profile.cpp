#include <QTest>

#include "connection/connection_profile.h"
#include "connection/regrw.h"
#include "fakes/fake_registry.h"
#include "fakes/fake_settings_store.h"
#include "fakes/fake_transfer.h"

using namespace pelicast;
using fakes::FakeRegistry;

namespace {
const GatewayLocation kLocation{QStringLiteral("http://www."), QStringLiteral("https://secure."),
                                QStringLiteral("quillo.example")};
const QByteArray kKey = QByteArray(kInternetSettingsKey);

QByteArray sz(const QByteArray& text) {
    return text + '\0';
}

// A profile over fakes; `system` is the system's proxy value.
struct Profile {
    fakes::FakeSettingsStore store;
    FakeRegistry registry;
    fakes::FakeTransfer inet;
    void system(const QByteArray& value) {
        registry.setValue(platform::HKEY_CURRENT_USER, kKey, "ProxyServer", platform::REG_SZ,
                          value);
    }
    QString run() { return ConnectionProfile(store, registry, inet, kLocation).get_i_settings(); }
};
}  // namespace

class ConnectionProfileTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void applies_the_stored_choices_data() {
        // Stored "proxy", "transport", "proxysrv", "proxyport"; the system's
        // proxy value (absent when null); then what must come of it.
        QTest::addColumn<QString>("proxy");
        QTest::addColumn<QString>("transport");
        QTest::addColumn<QByteArray>("system");
        QTest::addColumn<QString>("base");
        QTest::addColumn<QString>("savedTransport");
        QTest::addColumn<QString>("savedProxy");  // "<absent>" when never written
        QTest::addColumn<QStringList>("writes");  // property writes in order

        const QString absent = QStringLiteral("<absent>");
        QTest::newRow("first run, no system proxy")
            << QString() << QString() << QByteArray() << "https://secure."
            << "https" << absent << QStringList();
        QTest::newRow("system proxy, one entry")
            << QString() << QString() << sz("proxy.lan:3128") << "https://secure."
            << "https"
            << "1" << QStringList{"proxy=proxy.lan:3128", "access=2"};
        QTest::newRow("system proxy list without https turns https into http")
            << "1"
            << "https" << sz("http=p:80;ftp=f:21") << "http://www."
            << "http"
            << "1" << QStringList{"proxy=http=p:80 ftp=f:21", "access=2"};
        QTest::newRow("system proxy list with https keeps https")
            << QString() << QString() << sz("http=p:80;https=s:443") << "https://secure."
            << "https"
            << "1" << QStringList{"proxy=http=p:80 https=s:443", "access=2"};
        QTest::newRow("system proxy list, http chosen")
            << QString() << "http" << sz("http=p:80;https=s:443") << "http://www."
            << "http"
            << "1" << QStringList{"proxy=http=p:80 https=s:443", "access=2"};
        QTest::newRow("empty system value counts as none") << "1"
                                                           << "http" << sz("") << "http://www."
                                                           << "http"
                                                           << "1" << QStringList();
        QTest::newRow("direct") << "0" << QString() << sz("ignored:1") << "https://secure."
                                << "https"
                                << "0" << QStringList{"access=1"};
        QTest::newRow("capital HTTP means https") << "0"
                                                  << "HTTP" << QByteArray() << "https://secure."
                                                  << "https"
                                                  << "0" << QStringList{"access=1"};
        QTest::newRow("custom") << "2"
                                << "http" << sz("ignored:1") << "http://www."
                                << "http"
                                << "2" << QStringList{"proxy=10.0.0.1 : 8080", "access=2"};
        QTest::newRow("any other mode is custom")
            << "7" << QString() << QByteArray() << "https://secure."
            << "https"
            << "7" << QStringList{"proxy=10.0.0.1 : 8080", "access=2"};
    }
    void applies_the_stored_choices() {
        QFETCH(QString, proxy);
        QFETCH(QString, transport);
        QFETCH(QByteArray, system);
        QFETCH(QString, base);
        QFETCH(QString, savedTransport);
        QFETCH(QString, savedProxy);
        QFETCH(QStringList, writes);

        Profile p;
        if (!proxy.isNull())
            p.store.set("proxy", proxy);
        if (!transport.isNull())
            p.store.set("transport", transport);
        p.store.set("proxysrv", "10.0.0.1 ");
        p.store.set("proxyport", " 8080");
        if (!system.isNull())
            p.system(system);
        QCOMPARE(p.run(), base);
        QCOMPARE(p.store.get("transport"), savedTransport);
        QCOMPARE(p.store.has("proxy") ? p.store.get("proxy") : "<absent>", savedProxy);
        QCOMPARE(p.inet.propertyWrites, writes);
        QVERIFY(p.registry.open.isEmpty());
    }

    void direct_mode_keeps_the_proxy_text() {
        Profile p;
        p.store.set("proxy", "0");
        p.inet.proxy = QStringLiteral("earlier:1");
        p.run();
        QCOMPARE(p.inet.proxy, QStringLiteral("earlier:1"));
        QCOMPARE(p.inet.accessType, 1);
    }

    void system_value_length_limit_data() {
        QTest::addColumn<int>("characters");
        QTest::addColumn<bool>("used");
        QTest::newRow("1023 characters fit with their NUL") << 1023 << true;
        QTest::newRow("1024 characters do not") << 1024 << false;
    }
    void system_value_length_limit() {
        QFETCH(int, characters);
        QFETCH(bool, used);
        const QByteArray value = "p:" + QByteArray(characters - 2, '1');
        Profile p;
        p.system(sz(value));
        p.run();
        QCOMPARE(p.inet.proxy, used ? QString::fromLatin1(value) : QString());
        QCOMPARE(p.store.has("proxy"), used);
    }
};

class RegrwTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void reads_values_data() {
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QString>("output");
        const QString before = QStringLiteral("unchanged");
        QTest::newRow("text with closing NUL")
            << uint(platform::REG_SZ) << sz("p:8080") << true << "p:8080";
        QTest::newRow("only the last NUL is cut")
            << uint(platform::REG_SZ) << QByteArray("a\0\0", 3) << true
            << QString::fromLatin1("a\0", 2);
        QTest::newRow("empty value") << uint(platform::REG_SZ) << QByteArray() << true << "";
        QTest::newRow("binary") << uint(platform::REG_BINARY) << QByteArray("xy") << true << "xy";
        QTest::newRow("large number")
            << uint(platform::REG_DWORD) << QByteArray("\x01\x02\x03\x04", 4) << true << "67305985";
        QTest::newRow("other type leaves output")
            << uint(platform::REG_EXPAND_SZ) << sz("%x%") << true << before;
        QTest::newRow("1024 bytes fit")
            << uint(platform::REG_SZ) << QByteArray(1024, 'a') << true << QString(1024, 'a');
        QTest::newRow("1025 bytes fail")
            << uint(platform::REG_SZ) << QByteArray(1025, 'a') << false << before;
    }
    void reads_values() {
        QFETCH(uint, type);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, result);
        QFETCH(QString, output);
        FakeRegistry registry;
        registry.setValue(platform::HKEY_CURRENT_USER, "Key", "Value", type, bytes);
        QString text = QStringLiteral("unchanged");
        QCOMPARE(regrw::GetRegValue(registry, platform::HKEY_CURRENT_USER, "Key", "Value", text),
                 result);
        QCOMPARE(text, output);
        QVERIFY(registry.open.isEmpty());
    }

    void missing_key_or_value_leaves_output() {
        FakeRegistry registry;
        registry.addKey(platform::HKEY_CURRENT_USER, "Key");
        QString text = QStringLiteral("kept");
        QVERIFY(!regrw::GetRegValue(registry, platform::HKEY_CURRENT_USER, "Nope", "V", text));
        QVERIFY(!regrw::GetRegValue(registry, platform::HKEY_CURRENT_USER, "Key", "V", text));
        QCOMPARE(text, QStringLiteral("kept"));
        QCOMPARE(registry.closes, 2);  // closed also when the open failed
    }
};

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    ConnectionProfileTest profile;
    RegrwTest regrw;
    return QTest::qExec(&profile, argc, argv) | QTest::qExec(&regrw, argc, argv);
}
#include "tst_connection_profile.moc"
