#include <QCoreApplication>
#include <QProcess>
#include <QTest>
#include <cstdio>

#include "platform/system_proxy_registry.h"

using namespace pelicast::platform;

namespace {

const QByteArray kInternetSettings =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

RegStatus openKey(Registry& registry, RegHandle root, const QByteArray& path, RegHandle* key) {
    return registry.RegOpenKeyExA(root, path, 0, KEY_ALL_ACCESS, key);
}

SystemProxyRegistry gatewayRegistry() {
    return SystemProxyRegistry(QUrl(QStringLiteral("http://www.quillo.example/")),
                               QUrl(QStringLiteral("https://secure.quillo.example/")));
}

// "ProxyServer" as a caller reads it, or "<not found>".
QString readProxyServer(Registry& registry) {
    RegHandle key = 0;
    if (openKey(registry, HKEY_CURRENT_USER, kInternetSettings, &key) != ERROR_SUCCESS)
        return QStringLiteral("<no key>");
    char data[1024] = {};
    std::uint32_t size = sizeof data;
    std::uint32_t type = REG_NONE;
    const RegStatus status = registry.RegQueryValueExA(key, "ProxyServer", 0, &type, data, &size);
    registry.RegCloseKey(key);
    if (status == ERROR_FILE_NOT_FOUND)
        return QStringLiteral("<not found>");
    if (status != ERROR_SUCCESS || type != REG_SZ || size == 0 || data[size - 1] != '\0')
        return QStringLiteral("<bad answer %1>").arg(status);
    return QString::fromLocal8Bit(data, size - 1);
}

QNetworkProxy http(const QString& host, quint16 port) {
    return QNetworkProxy(QNetworkProxy::HttpProxy, host, port);
}

}  // namespace

class TestSystemProxyRegistry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() {
        // Set before the first query: the system configuration may be read once.
        qputenv("http_proxy", "http://127.0.0.1:3128");
        qputenv("https_proxy", "http://127.0.0.1:3128");
    }

    void formatsTheSystemProxies_data() {
        QTest::addColumn<QNetworkProxy>("forHttp");
        QTest::addColumn<QNetworkProxy>("forHttps");
        QTest::addColumn<QString>("text");
        const QNetworkProxy none(QNetworkProxy::NoProxy);
        QTest::newRow("none") << none << none << "";
        QTest::newRow("default means none")
            << QNetworkProxy(QNetworkProxy::DefaultProxy) << none << "";
        QTest::newRow("same for both")
            << http("proxy", 3128) << http("proxy", 3128) << "proxy:3128";
        QTest::newRow("different") << http("a", 1) << http("b", 2) << "http=a:1;https=b:2";
        QTest::newRow("same host, other port")
            << http("a", 1) << http("a", 2) << "http=a:1;https=a:2";
        QTest::newRow("http only") << http("a", 1) << none << "http=a:1";
        QTest::newRow("https only") << none << http("b", 2) << "https=b:2";
        QTest::newRow("socks is no http proxy")
            << QNetworkProxy(QNetworkProxy::Socks5Proxy, "s", 1080) << http("b", 2) << "https=b:2";
        QTest::newRow("caching proxy counts")
            << QNetworkProxy(QNetworkProxy::HttpCachingProxy, "c", 8000) << http("c", 8000)
            << "c:8000";
        QTest::newRow("no port") << http("p", 0) << http("p", 0) << "p:8080";
        QTest::newRow("ipv6") << http("::1", 3128) << http("::1", 3128) << "[::1]:3128";
        QTest::newRow("no host") << http("", 3128) << none << "";
    }
    void formatsTheSystemProxies() {
        QFETCH(QNetworkProxy, forHttp);
        QFETCH(QNetworkProxy, forHttps);
        QFETCH(QString, text);
        QCOMPARE(ProxyServerText(forHttp, forHttps), text);
    }

    // Each case in a fresh copy of this program: the environment is the
    // system configuration here, and it may be read only once per process.
    void readsTheEnvironment_data() {
        QTest::addColumn<QString>("httpProxy");
        QTest::addColumn<QString>("httpsProxy");
        QTest::addColumn<QString>("value");
        const QString a = QStringLiteral("http://127.0.0.9:8888");
        const QString b = QStringLiteral("http://127.0.0.8:9999");
        QTest::newRow("one for both") << a << a << "127.0.0.9:8888";
        QTest::newRow("two") << a << b << "http=127.0.0.9:8888;https=127.0.0.8:9999";
        QTest::newRow("https only") << QString() << b << "https=127.0.0.8:9999";
        QTest::newRow("none") << QString() << QString() << "<not found>";
    }
    void readsTheEnvironment() {
        QFETCH(QString, httpProxy);
        QFETCH(QString, httpsProxy);
        QFETCH(QString, value);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"http_proxy", "https_proxy", "HTTP_PROXY", "HTTPS_PROXY",
                                 "all_proxy", "ALL_PROXY", "no_proxy", "NO_PROXY"})
            environment.remove(QString::fromLatin1(name));
        if (!httpProxy.isEmpty())
            environment.insert(QStringLiteral("http_proxy"), httpProxy);
        if (!httpsProxy.isEmpty())
            environment.insert(QStringLiteral("https_proxy"), httpsProxy);
        QProcess copy;
        copy.setProcessEnvironment(environment);
        copy.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--read")});
        QVERIFY(copy.waitForFinished(20'000));
        QCOMPARE(QString::fromLocal8Bit(copy.readAllStandardOutput()), value);
    }

    void queryHonoursTheBuffer() {
        SystemProxyRegistry registry = gatewayRegistry();
        RegHandle key = 0;
        QCOMPARE(openKey(registry, HKEY_CURRENT_USER, kInternetSettings, &key), ERROR_SUCCESS);
        const QByteArray expected("127.0.0.1:3128\0", 15);

        char data[64];
        std::uint32_t type = REG_NONE;
        std::uint32_t size = 0;
        QCOMPARE(registry.RegQueryValueExA(key, "ProxyServer", 0, &type, nullptr, &size),
                 ERROR_SUCCESS);
        QCOMPARE(size, 15u);
        size = 14;
        QCOMPARE(registry.RegQueryValueExA(key, "ProxyServer", 0, &type, data, &size),
                 ERROR_MORE_DATA);
        QCOMPARE(size, 15u);
        std::memset(data, 'x', sizeof data);
        QCOMPARE(registry.RegQueryValueExA(key, "proxyserver", 0, &type, data, &size),
                 ERROR_SUCCESS);
        QCOMPARE(type, REG_SZ);
        QCOMPARE(QByteArray(data, 16), expected + 'x');
        QCOMPARE(registry.RegCloseKey(key), ERROR_SUCCESS);
    }

    void everythingElseIsNotFound() {
        SystemProxyRegistry registry = gatewayRegistry();
        RegHandle key = 0;
        QCOMPARE(openKey(registry, HKEY_LOCAL_MACHINE, kInternetSettings, &key),
                 ERROR_FILE_NOT_FOUND);
        QCOMPARE(openKey(registry, HKEY_CURRENT_USER, "Software\\Microsoft", &key),
                 ERROR_FILE_NOT_FOUND);
        QCOMPARE(openKey(registry, HKEY_CURRENT_USER, kInternetSettings.toUpper(), &key),
                 ERROR_SUCCESS);
        char data[64];
        std::uint32_t size = sizeof data;
        QCOMPARE(registry.RegQueryValueExA(key, "ProxyEnable", 0, nullptr, data, &size),
                 ERROR_FILE_NOT_FOUND);
        QCOMPARE(registry.RegQueryValueExA(key + 1, "ProxyServer", 0, nullptr, data, &size),
                 ERROR_INVALID_HANDLE);
        QCOMPARE(registry.RegCloseKey(key), ERROR_SUCCESS);
        QCOMPARE(registry.RegCloseKey(key), ERROR_INVALID_HANDLE);
        QCOMPARE(registry.RegQueryValueExA(key, "ProxyServer", 0, nullptr, data, &size),
                 ERROR_INVALID_HANDLE);
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc >= 2 && qstrcmp(argv[1], "--read") == 0) {
        SystemProxyRegistry registry = gatewayRegistry();
        std::fputs(readProxyServer(registry).toLocal8Bit().constData(), stdout);
        return 0;
    }
    TestSystemProxyRegistry test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_system_proxy_registry.moc"
