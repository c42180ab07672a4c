// SPDX-License-Identifier: GPL-3.0-or-later
// The core's rules as plain functions, and the settings file in a temporary
// home with the connection read from it.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "core/gateway/connection_settings.h"
#include "core/gateway/gateway_client.h"
#include "core/message/send_estimate.h"
#include "core/settings/settings.h"

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
    void init() {
        QFile::remove(Settings::fileName());
        QFile::remove(QFileInfo(Settings::fileName()).path());  // a blocker left by a test
    }

    // The file as writes leave it, from each state they may find it in. The
    // ones that must not be written are made so that root cannot either.
    void writesTheFile_data() {
        QTest::addColumn<int>("found");  // the file's mode; 0: no file, -1: the folder is a file
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("reason");  // told once; empty: not told
        QTest::newRow("new file") << 0 << 0600 << QString();
        QTest::newRow("file open to all") << 0644 << 0600 << QString();
        QTest::newRow("read-only file") << 0400 << 0400 << u"Quillo.conf is read-only."_s;
        QTest::newRow("folder is a file") << -1 << -1 << u"cannot be created: Not a directory"_s;
    }
    void writesTheFile() {
        QFETCH(int, found);
        QFETCH(QString, reason);
        QFile blocker(QFileInfo(Settings::fileName()).path());
        if (found > 0) {
            Settings().setValue(keys::kCredits, u" 1"_s);
            QVERIFY(::chmod(QFile::encodeName(Settings::fileName()).constData(), found) == 0);
        } else if (found < 0) {
            QVERIFY(QDir(blocker.fileName()).removeRecursively() &&
                    blocker.open(QIODevice::WriteOnly));
        }
        Settings settings;
        QSignalSpy told(&settings, &Settings::saveFailed);
        const mode_t mask = ::umask(0);  // a careless creation would give 0666
        settings.setValue(keys::kPassword, u"secret"_s);
        settings.rememberRecipients(u"0944"_s);
        ::umask(mask);
        QTEST(fileMode(), "mode");
        QCOMPARE(fileText().contains("\npassword=secret\nrcpt1=0944\n"), reason.isEmpty());
        QCOMPARE(told.size(), reason.isEmpty() ? 0 : 1);
        QVERIFY2(reason.isEmpty() || told.first().first().toString().endsWith(reason),
                 qPrintable(settings.errorString()));
    }

    // Four, most recent first, none twice. A runaway value is not read: it
    // would cost memory and time in every window that shows it.
    void remembersRecentRecipients() {
        const QString runaway(Settings::kMaxRecipientsLength + 1, u'9');
        const QString longest = runaway.left(Settings::kMaxRecipientsLength);
        Settings settings;
        for (const QString& recipients : {u"A"_s, u"B"_s, runaway, u"C"_s, u"B"_s, longest})
            settings.rememberRecipients(recipients);
        settings.setValue(keys::kCredits, runaway.left(Settings::kMaxValueLength + 1));
        QCOMPARE(Settings().recentRecipients(), (QStringList{longest, u"C"_s, {}, u"B"_s}));
        QCOMPARE(Settings().value(keys::kCredits), QString());
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

    void scrambles_data() {
        QTest::addColumn<QString>("plain");
        QTest::addColumn<QString>("scrambled");
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("ascii") << u"abc"_s << u"TZR"_s;
        // A key character gives U+0000; the seventh uses the key's first again.
        QTest::newRow("the key, wrapped") << u"58160355"_s << QString(7, QChar(0)) + QChar(0x0d);
        QTest::newRow("outside the BMP")
            << u"\U0001F600"_s << QString(QChar(0xd83d ^ 0x35)) + QChar(0xde00 ^ 0x38);
    }
    void scrambles() {
        QFETCH(QString, plain);
        QFETCH(QString, scrambled);
        QCOMPARE(scramble(plain), scrambled);
        QCOMPARE(scramble(scrambled), plain);
    }

    void buildsRequestFields() {
        // Blanks only are trimmed; a tab and line breaks at the ends stay. Form
        // syntax is escaped, and other characters go as UTF-8.
        const MessageDraft draft{u" anna "_s, u"se cret "_s, u"Shop "_s, u" 0944;0977; "_s,
                                 u"\ta&b=c+d%e \u03b3\u20ac\r\n"_s};
        QCOMPARE(encodeForm(sendMessageFields(draft)),
                 QByteArray("user=anna&pass=se%20cret&sms=%09a%26b%3Dc%2Bd%25e%20%CE%B3%E2%82%AC%0D"
                            "%0A&rcpt=0944----0977----&from=Shop&aff=brackel"));
        QCOMPARE(encodeForm(creditCheckFields(u"  "_s, u" p "_s)), QByteArray("user=&pass=p"));
    }

    void estimatesSends_data() {
        QTest::addColumn<QString>("recipients");
        QTest::addColumn<QString>("originator");
        QTest::addColumn<QString>("estimate");  // recipients, cost, and "note" when it shows
        const auto row = [](const char* tag, const QString& recipients, const char* originator,
                            const char* estimate) {
            QTest::newRow(tag) << recipients << QString::fromLatin1(originator)
                               << QString::fromLatin1(estimate);
        };
        row("two home numbers", u"0944123456;0977123456"_s, "Quillo", "2 10");
        row("trailing ; sets the note", u"0944123456;0977123456;"_s, "Quillo", "2 10 note");
        row("other network sets the note", u"+30944123456;306912345678"_s, "", "2 10 note");
        row("own originator costs 6", u"0944123456"_s, "Shop", "1 6");
        row("service name in small letters", u"0944123456"_s, "quillo", "1 6");
        row("only a separator", u";"_s, "Quillo", "0 0 note");
        row("a blank piece counts", u" ;0944"_s, "Quillo", "2 10 note");
        row("beyond 16 bits", u"0944;"_s.repeated(40000) + u"0944"_s, "Shop", "40001 240006");
    }
    void estimatesSends() {
        QFETCH(QString, recipients);
        QFETCH(QString, originator);
        const SendEstimate estimate = SendEstimate::of(recipients, originator);
        QTEST(u"%1 %2%3"_s.arg(estimate.recipients)
                  .arg(estimate.cost)
                  .arg(estimate.interconnectionNote ? u" note"_s : QString()),
              "estimate");
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
