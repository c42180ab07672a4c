// SPDX-License-Identifier: GPL-3.0-or-later
// The core's rules as plain functions, and the settings file in a temporary
// home with the connection read from it.
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "core/connection_settings.h"
#include "core/gateway_client.h"
#include "core/send_estimate.h"
#include "core/settings.h"

using namespace pelicast;
using namespace Qt::StringLiterals;
using Proxy = ConnectionSettings::Proxy;

namespace {

int fileMode() {
    struct stat info {};
    const QByteArray path = QFile::encodeName(Settings::fileName());
    return ::stat(path.constData(), &info) == 0 ? int(info.st_mode & 0777) : -1;
}

QByteArray fileText() {
    QFile file(Settings::fileName());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestCoreRules : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(home_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_.path()));
        QCOMPARE(Settings::fileName(), home_.filePath(u"Quillo/Quillo.conf"_s));
    }
    void init() { QFile::remove(Settings::fileName()); }

    void isPrivateFromTheFirstWrite_data() {
        QTest::addColumn<int>("existingMode");  // 0: no file yet
        QTest::newRow("new file") << 0;
        QTest::newRow("file open to all") << 0644;
    }
    void isPrivateFromTheFirstWrite() {
        QFETCH(int, existingMode);
        if (existingMode) {
            Settings().setValue(keys::kCredits, u" 1"_s);
            QVERIFY(::chmod(QFile::encodeName(Settings::fileName()).constData(), 0644) == 0);
        }
        const mode_t mask = ::umask(0);  // a careless creation would give 0666
        Settings().setValue(keys::kPassword, u"secret"_s);
        ::umask(mask);
        QCOMPARE(fileMode(), 0600);
        QVERIFY(fileText().startsWith("[udata]\n") && fileText().contains("\npassword=secret\n"));
    }

    void keepsAReadOnlyFile() {
        if (::geteuid() == 0)
            QSKIP("root may write a read-only file; run as a user to test this");
        Settings().setValue(keys::kUsername, u"ann"_s);
        QVERIFY(QFile::setPermissions(Settings::fileName(), QFileDevice::ReadOwner));
        Settings settings;
        settings.setValue(keys::kUsername, u"ann"_s);  // unchanged: not written at all
        QVERIFY(settings.isWritable());
        settings.setValue(keys::kUsername, u"bob"_s);
        QVERIFY(!settings.isWritable() && settings.errorString().contains(u"read-only"_s));
        QCOMPARE(fileMode(), 0400);
        QVERIFY(fileText().contains("username=ann"));
    }

    void remembersFourRecentRecipients() {
        Settings settings;
        for (const QString& recipients : {u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s, u"C"_s})
            settings.rememberRecipients(recipients);
        QCOMPARE(Settings().recentRecipients(), (QStringList{u"E"_s, u"D"_s, u"C"_s, u"B"_s}));
    }

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
        QFETCH(bool, https);
        QFETCH(Proxy, mode);
        Settings settings;
        if (!transport.isNull())
            settings.setValue(keys::kTransport, transport);
        if (!proxy.isNull())
            settings.setValue(keys::kProxy, proxy);
        const ConnectionSettings connection = ConnectionSettings::loadAndStoreTransport(settings);
        QCOMPARE(connection.https, https);
        QCOMPARE(connection.proxy, mode);
        // The transport is stored as the program uses it; a missing proxy stays missing.
        QCOMPARE(settings.value(keys::kTransport), https ? u"https"_s : u"http"_s);
        connection.save(settings);
        QCOMPARE(settings.contains(keys::kProxy), !proxy.isNull());
    }

    void usesTheSystemProxy() {
        // No "proxy" key: the system's proxy, which here comes from the environment.
        qputenv("http_proxy", "http://sys:81");
        const QNetworkProxy proxy = ConnectionSettings().networkProxy(QUrl(u"http://x.example/"_s));
        qunsetenv("http_proxy");
        QCOMPARE(proxy.hostName() + u':' + QString::number(proxy.port()), u"sys:81"_s);
    }

    void scrambles_data() {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("scrambled");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("ascii") << u"abc"_s << u"TZR"_s;
        // A key character gives U+0000; the seventh uses the key's first again.
        QTest::newRow("the key, wrapped") << u"58160355"_s << QString(7, QChar(0)) + QChar(0x0d);
        QTest::newRow("latin-1 as one byte") << u"\u00e9"_s << u"\u00dc"_s;
        QTest::newRow("outside the BMP")
            << u"\U0001F600"_s << QString(QChar(0xd83d ^ 0x35)) + QChar(0xde00 ^ 0x38);
    }
    void scrambles() {
        QFETCH(QString, plain);
        QFETCH(QString, scrambled);
        QCOMPARE(scramble(plain), scrambled);
        QCOMPARE(scramble(scrambled), plain);
    }

    void encodesForms_data() {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("form syntax") << u"a&b=c+d%e"_s << QByteArray("sms=a%26b%3Dc%2Bd%25e");
        QTest::newRow("blanks and line breaks") << u" x\r\n"_s << QByteArray("sms=%20x%0D%0A");
        QTest::newRow("non-ASCII as UTF-8")
            << u"\u03b3\u00e9\u20ac"_s << QByteArray("sms=%CE%B3%C3%A9%E2%82%AC");
    }
    void encodesForms() {
        QFETCH(QString, value);
        QFETCH(QByteArray, encoded);
        QCOMPARE(encodeForm({{u"sms"_s, value}}), encoded);
    }

    void buildsRequestFields() {
        // Blanks only are trimmed; a tab and line breaks at the ends stay.
        const MessageDraft draft{u" anna "_s, u"se cret "_s, u"Shop "_s, u" 0944;0977; "_s,
                                 u"\ta&b \r\n"_s};
        QCOMPARE(encodeForm(sendMessageFields(draft)),
                 QByteArray("user=anna&pass=se%20cret&sms=%09a%26b%20%0D%0A&rcpt=0944----0977----"
                            "&from=Shop&aff=brackel"));
        QCOMPARE(encodeForm(creditCheckFields(u"  "_s, u" p "_s)), QByteArray("user=&pass=p"));
    }

    void estimatesSends_data() {
        QTest::addColumn<QString>("recipients");
        QTest::addColumn<QString>("originator");
        QTest::addColumn<qint64>("count");
        QTest::addColumn<qint64>("cost");
        QTest::addColumn<bool>("note");
        const auto row = [](const char* tag, const QString& recipients, const char* originator,
                            qint64 count, qint64 cost, bool note) {
            QTest::newRow(tag) << recipients << QString::fromLatin1(originator) << count << cost
                               << note;
        };
        row("two home numbers", u"0944123456;0977123456"_s, "Quillo", 2, 10, false);
        row("trailing ; sets the note", u"0944123456;0977123456;"_s, "Quillo", 2, 10, true);
        row("other network sets the note", u"+30944123456;306912345678"_s, "", 2, 10, true);
        row("own originator costs 6", u"0944123456"_s, "Shop", 1, 6, false);
        row("service name in small letters", u"0944123456"_s, "quillo", 1, 6, false);
        row("only a separator", u";"_s, "Quillo", 0, 0, true);
        row("a blank piece counts", u" ;0944"_s, "Quillo", 2, 10, true);
        row("beyond 16 bits", u"0944;"_s.repeated(40000) + u"0944"_s, "Shop", 40001, 240006, false);
    }
    void estimatesSends() {
        QFETCH(QString, recipients);
        QFETCH(QString, originator);
        QFETCH(qint64, count);
        QFETCH(qint64, cost);
        QFETCH(bool, note);
        const SendEstimate estimate = SendEstimate::of(recipients, originator);
        QCOMPARE(estimate.recipients, count);
        QCOMPARE(estimate.cost, cost);
        QCOMPARE(estimate.interconnectionNote, note);
    }

    void confirmsSends() {
        QCOMPARE(SendEstimate::of(u"0944"_s, QString()).confirmation(),
                 u"You will send sms to 1 recipients.\r\nIt will cost You 5 credits .\r\n"
                 u"Do you wish to continue ?"_s);
        QCOMPARE(SendEstimate::of(u"1;2"_s, u"Shop"_s).confirmation(),
                 u"You will send sms to 2 recipients.\r\nIt will cost You 12 credits  (additional "
                 u"interconnection charges may apply) .\r\nDo you wish to continue ?"_s);
    }

    void readsBalances_data() {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<QString>("balance");  // null: the reply states none
        QTest::newRow("at the end") << u"Message sent.\r\nCredits Left: 87"_s << u" 87"_s;
        QTest::newRow("up to a second marker")
            << u"Credits Left: 5\r\nCredits Left: 6"_s << u" 5\r\n"_s;
        QTest::newRow("nothing behind") << u"Credits Left:"_s << u""_s;
        QTest::newRow("markup kept as text") << u"Credits Left:<b>9</b>"_s << u"<b>9</b>"_s;
        QTest::newRow("other letter case") << u"CREDITS LEFT: 5"_s << QString();
        QTest::newRow("no marker") << u"Wrong password."_s << QString();
    }
    void readsBalances() {
        QFETCH(QString, reply);
        QFETCH(QString, balance);
        QCOMPARE(balanceFromReply(reply), balance);
        QCOMPARE(balanceFromReply(reply).isNull(), balance.isNull());
    }
};

QTEST_GUILESS_MAIN(TestCoreRules)
#include "tst_core_rules.moc"
