#include <QTest>

#include "pelicast-help/sitemap.h"
#include "pelicast-help/viewer_arguments.h"

using namespace pelicast::help;

// The viewer's command line and its reading of contents and index files.
class TestHelpViewerParts : public QObject {
    Q_OBJECT

private slots:
    void arguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("file");     // "" when refused
        QTest::addColumn<qint64>("context");   // -1: no context
        QTest::addColumn<QString>("problem");  // part of the refusal

        QTest::newRow("file only") << QStringList{"a.chm"} << "a.chm" << qint64(-1) << "";
        QTest::newRow("context") << QStringList{"--context", "1030", "/x/sms.chm"} << "/x/sms.chm"
                                 << qint64(1030) << "";
        QTest::newRow("negative context is the same dword")
            << QStringList{"a.chm", "--context", "-1"} << "a.chm" << qint64(0xFFFFFFFF) << "";
        QTest::newRow("file after --")
            << QStringList{"--", "--odd.chm"} << "--odd.chm" << qint64(-1) << "";
        QTest::newRow("no file") << QStringList{"--topic"} << "" << qint64(-1) << "No help file";
        QTest::newRow("two files")
            << QStringList{"a.chm", "b.chm"} << "" << qint64(-1) << "Only one";
        QTest::newRow("context not a number")
            << QStringList{"a.chm", "--context", "ten"} << "" << qint64(-1) << "\"ten\"";
        QTest::newRow("context too large") << QStringList{"a.chm", "--context", "4294967296"} << ""
                                           << qint64(-1) << "not a help context";
        QTest::newRow("topic and context")
            << QStringList{"a.chm", "--topic", "--context", "1"} << "" << qint64(-1) << "exclude";
        QTest::newRow("unknown option")
            << QStringList{"a.chm", "--window", "main"} << "" << qint64(-1) << "--window";
    }

    void arguments() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, file);
        QFETCH(qint64, context);
        QFETCH(QString, problem);

        const ParsedArguments parsed =
            ParseViewerArguments(QStringList{QStringLiteral("pelicast-help")} + arguments);
        if (file.isEmpty()) {
            const auto* error = std::get_if<ArgumentError>(&parsed);
            QVERIFY(error);
            QVERIFY2(error->message.contains(problem), qPrintable(error->message));
            return;
        }
        const auto* request = std::get_if<ViewerRequest>(&parsed);
        QVERIFY(request);
        QCOMPARE(request->file, file);
        QCOMPARE(request->context.has_value(), context >= 0);
        if (context >= 0)
            QCOMPARE(qint64(*request->context), context);
    }

    void usage() {
        QVERIFY(std::holds_alternative<UsageRequest>(
            ParseViewerArguments({QStringLiteral("pelicast-help"), QStringLiteral("--help")})));
        QVERIFY(ViewerUsage().contains(QStringLiteral("--context N")));
    }

    void looseSitemap_data() {
        QTest::addColumn<QByteArray>("sitemap");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("local");

        QTest::newRow("entities in the name")
            << QByteArray(
                   "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" "
                   "value=\"Q &amp; A &lt;1&gt; &#233;&#x20AC;&nbsp;\"><param name=\"Local\" "
                   "value=\"q.htm\"></OBJECT></UL>")
            << QString::fromUtf8("Q & A <1> \u00e9\u20ac&nbsp;") << "/q.htm";
        QTest::newRow("topic in another help file")
            << QByteArray(
                   "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"x\">"
                   "<param name=\"Local\" value=\"ms-its:other.chm::/x/y.htm\"></OBJECT>")
            << "x"
            << "/x/y.htm";
        QTest::newRow("unbalanced lists")
            << QByteArray(
                   "</UL></UL><UL><UL><LI><OBJECT type=\"text/sitemap\"><param "
                   "name=\"Name\" value=\"deep\"><param name=\"Local\" value=\"d.htm\">"
                   "</OBJECT>")
            << "deep"
            << "/d.htm";
    }

    void looseSitemap() {
        QFETCH(QByteArray, sitemap);
        const QList<SitemapEntry> entries = ParseSitemap(sitemap);
        QCOMPARE(entries.size(), 1);
        QTEST(entries.first().name, "name");
        QTEST(entries.first().local, "local");
    }
};

QTEST_GUILESS_MAIN(TestHelpViewerParts)
#include "tst_help_viewer_parts.moc"
