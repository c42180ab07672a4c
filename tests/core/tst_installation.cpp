// SPDX-License-Identifier: GPL-3.0-or-later
// Where a program finds its parts: from its own folder, in an installed tree
// wherever it lies and in the build tree, which has the same layout.
#include <QtTest>

#include "core/settings/installation.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

class TestInstallation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findsTheTopOfTheTree_data() {
        QTest::addColumn<QString>("programFolder");
        QTest::addColumn<QString>("root");
        QTest::newRow("program") << u"/usr/bin"_s << u"/usr"_s;
        QTest::newRow("help viewer") << u"/usr/libexec/pelicast"_s << u"/usr"_s;
        QTest::newRow("moved tree, trailing slash") << u"/opt/sms/bin/"_s << u"/opt/sms"_s;
        QTest::newRow("tree inside a bin folder") << u"/home/a/bin/p/bin"_s << u"/home/a/bin/p"_s;
        QTest::newRow("name merely ending in bin") << u"/opt/sbin"_s << u"/opt"_s;
        QTest::newRow("other program's libexec") << u"/usr/libexec/other"_s << u"/usr/libexec"_s;
    }
    void findsTheTopOfTheTree() {
        QFETCH(QString, programFolder);
        QFETCH(QString, root);
        QCOMPARE(installation::root(programFolder), root);
    }
};

QTEST_GUILESS_MAIN(TestInstallation)
#include "tst_installation.moc"
