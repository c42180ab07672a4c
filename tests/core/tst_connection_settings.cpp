// SPDX-License-Identifier: GPL-3.0-or-later
// The connection as read from the settings file in the test's home.
#include <QFile>
#include <QTest>

#include "core/gateway/connection_settings.h"
#include "core/settings/settings.h"

using namespace pelicast;
using namespace Qt::StringLiterals;
using Proxy = ConnectionSettings::Proxy;

class TestConnectionSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QFile::remove(Settings::fileName()); }

    void loadsTheConnection_data() {
        QTest::addColumn<QString>("transport");  // null: no key
        QTest::addColumn<QString>("proxy");      // null: no key
        QTest::addColumn<bool>("https");
        QTest::addColumn<Proxy>("mode");
        QTest::newRow("first run") << QString() << QString() << true << Proxy::System;
        QTest::newRow("plain http, direct") << u"http"_s << u"0"_s << false << Proxy::Direct;
        QTest::newRow("HTTP in capitals") << u"HTTP"_s << u"1"_s << true << Proxy::System;
        QTest::newRow("any other: typed") << u"https"_s << u"7"_s << true << Proxy::Custom;
    }
    void loadsTheConnection() {
        QFETCH(QString, transport);
        QFETCH(QString, proxy);
        Settings settings;
        if (!transport.isNull())
            settings.setValue(keys::kTransport, transport);
        if (!proxy.isNull())
            settings.setValue(keys::kProxy, proxy);
        const ConnectionSettings connection = ConnectionSettings::loadAndStoreTransport(settings);
        QTEST(connection.https, "https");
        QTEST(connection.proxy, "mode");
        // The transport is stored as the program uses it.
        QCOMPARE(settings.value(keys::kTransport), connection.https ? u"https"_s : u"http"_s);
    }
};

QTEST_GUILESS_MAIN(TestConnectionSettings)
#include "tst_connection_settings.moc"
