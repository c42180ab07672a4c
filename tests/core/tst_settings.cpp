// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file in the test's home: how writes leave it, what is read
// back, and the scrambling of the account values.
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include "core/settings/settings.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

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

class TestSettings : public QObject {
    Q_OBJECT

private Q_SLOTS:
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
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
