// SPDX-License-Identifier: GPL-3.0-or-later
// The help collection the build made, opened as the viewer opens it.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>
#include <QTextDocumentFragment>
#include <QXmlStreamReader>

#include "gui/instance_channel.h"
#include "pelicast-help/help_browser.h"
#include "pelicast-help/help_collection.h"
#include "pelicast-help/help_window.h"

using namespace pelicast::help;
using namespace Qt::StringLiterals;

namespace {

const QString sources = QStringLiteral(PELICAST_HELP_SOURCES);

std::unique_ptr<QHelpEngine> openInstalled() {
    auto engine = openCollection(installedCollection());
    if (!engine) {
        qWarning("%s", qPrintable(engine.error()));
        return nullptr;
    }
    return std::move(*engine);
}

QString pageTitle(const QString& page) {
    QFile file(sources + u"/html/"_s + page);
    static const QRegularExpression title(u"<title>(.*)</title>"_s);
    return file.open(QIODevice::ReadOnly)
               ? title.match(QString::fromUtf8(file.readAll())).captured(1)
               : QString();
}

// The pages of the contents as the engine shows them.
void collectContents(const QHelpContentModel& model, const QModelIndex& parent,
                     QSet<QString>* pages) {
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        pages->insert(model.contentItemAt(index)->url().fileName());
        collectContents(model, index, pages);
    }
}

// Every text in the program's sources and forms, adjacent literals joined
// ("a " "b" reads "a b"), so that a message split over lines is found whole.
QString programTexts() {
    QString texts;
    static const QRegularExpression adjacent(uR"("\s*\n\s*u?")"_s);
    for (const char* folder : {"src", "tools"}) {
        QDirIterator files(QStringLiteral(PELICAST_SOURCES) + u'/' + QLatin1String(folder),
                           {u"*.cpp"_s, u"*.h"_s, u"*.ui"_s}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            if (!file.open(QIODevice::ReadOnly))
                qFatal("cannot read %s", qPrintable(file.fileName()));
            QString text = QString::fromUtf8(file.readAll());
            texts += file.fileName().endsWith(u".ui"_s)
                         ? QTextDocumentFragment::fromHtml(text).toPlainText()
                         : text.replace(adjacent, QString()).replace(u"\\\""_s, u"\""_s);
        }
    }
    return texts;
}

}  // namespace

class TestHelp : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // Every page written is in the help and reachable from the contents, and
    // every index keyword leads to its page.
    void collectionHoldsTheWholeProject() {
        const auto engine = openInstalled();
        QVERIFY(engine);
        QSignalSpy created(engine->contentModel(), &QHelpContentModel::contentsCreated);
        QVERIFY(created.wait() || engine->contentModel()->rowCount() > 0);
        QSet<QString> contents;
        collectContents(*engine->contentModel(), {}, &contents);
        const QStringList pages = QDir(sources + u"/html"_s).entryList({u"*.htm"_s});
        QVERIFY(pages.size() > 5);
        for (const QString& page : pages) {
            QVERIFY(!engine->fileData(QUrl(u"qthelp://pelicast/help/html/"_s + page)).isEmpty());
            QVERIFY2(contents.contains(page), qPrintable(page));
        }
        QFile project(sources + u"/pelicast.qhp"_s);
        QVERIFY(project.open(QIODevice::ReadOnly));
        int keywords = 0;
        for (QXmlStreamReader xml(&project); !xml.atEnd();) {
            if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"keyword")
                continue;
            const QString name = xml.attributes().value(u"name"_s).toString();
            const QList<QHelpLink> links = engine->documentsForKeyword(name);
            QVERIFY2(!links.isEmpty(), qPrintable(name));
            ++keywords;
            QCOMPARE(links.first().url.fileName(),
                     xml.attributes().value(u"ref"_s).toString().section(u'/', -1));
        }
        QVERIFY(keywords > 5);
    }

    void showsTopic_data() {
        QTest::addColumn<QString>("topic");
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("known");
        for (const char* page :
             {"main_window.htm", "options.htm", "address_book.htm", "contact_editor.htm"})
            QTest::newRow(page) << QString::fromLatin1(page) << QString::fromLatin1(page) << true;
        QTest::newRow("start page") << QString() << u"index.htm"_s << true;
        QTest::newRow("unknown") << u"nosuch.htm"_s << u"index.htm"_s << false;
        QTest::newRow("with a folder") << u"../html/options.htm"_s << u"index.htm"_s << false;
    }

    void showsTopic() {
        QFETCH(QString, topic);
        QFETCH(QString, page);
        HelpWindow window(openInstalled());
        QTEST(window.showTopic(topic), "known");
        QCOMPARE(window.browser()->source().fileName(), page);
        QCOMPARE(window.browser()->documentTitle(), pageTitle(page));
    }

    // Every text the help quotes as the program's own (class "msg"): each
    // piece between "..." stands in the code as it stands in the help.
    void quotedMessagesAreInTheCode_data() {
        QTest::addColumn<QString>("message");
        static const QRegularExpression quoted(u"<(\\w+) class=\"msg\">(.*?)</\\1>"_s,
                                               QRegularExpression::DotMatchesEverythingOption);
        const QDir html(sources + u"/html"_s);
        int count = 0;
        for (const QString& page : html.entryList({u"*.htm"_s})) {
            QFile file(html.filePath(page));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(file.readAll());
            for (const auto& match : quoted.globalMatch(text)) {
                for (const QString& line : match.captured(2).split(u"<br>"_s)) {
                    const QString message =
                        QTextDocumentFragment::fromHtml(line).toPlainText().simplified();
                    QTest::addRow("%s %d", qPrintable(page), ++count) << message;
                }
            }
        }
        QVERIFY(count > 30);
    }
    void quotedMessagesAreInTheCode() {
        QFETCH(QString, message);
        static const QString code = programTexts();
        for (const QString& piece : message.split(u"..."_s, Qt::SkipEmptyParts)) {
            if (!piece.trimmed().isEmpty())
                QVERIFY2(code.contains(piece.trimmed()), qPrintable(piece.trimmed()));
        }
    }

    // F1 again: the viewer started for it hands its topic to the open one and
    // ends, so one help window stays.
    void secondViewerShowsItsTopicInTheFirst() {
        HelpWindow window(openInstalled());
        pelicast::InstanceChannel channel(u"pelicast-help"_s);
        QVERIFY(channel.claim());
        connect(&channel, &pelicast::InstanceChannel::received, &window, &HelpWindow::showRequest);
        QVERIFY(channel.listen());
        for (const QString& topic : {u"options.htm"_s, u"history.htm"_s}) {
            QProcess viewer;
            viewer.start(QStringLiteral(PELICAST_HELP_VIEWER), {u"--topic"_s, topic});
            QTRY_COMPARE_WITH_TIMEOUT(viewer.state(), QProcess::NotRunning, 20000);
            QCOMPARE(viewer.exitCode(), 0);
            QCOMPARE(window.browser()->source().fileName(), topic);
        }
    }

    // The search index is written beside the private copy, not the installed
    // collection, and finds the pages.
    void searchesFromTheCacheOnly() {
        auto engine = openInstalled();
        QVERIFY(engine);
        QHelpSearchEngine* search = engine->searchEngine();
        QSignalSpy indexed(search, &QHelpSearchEngine::indexingFinished);
        HelpWindow window(std::move(engine));
        QVERIFY(indexed.wait(20000));
        QSignalSpy searched(search, &QHelpSearchEngine::searchingFinished);
        search->search(u"interconnection"_s);
        QVERIFY(searched.wait());
        QVERIFY(search->searchResultCount() > 0);
        QCOMPARE(search->searchResults(0, 1).first().url().fileName(), u"costs.htm"_s);
        const QDir installed = QFileInfo(installedCollection()).dir();
        QCOMPARE(installed.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({u"pelicast.qch"_s, u"pelicast.qhc"_s}));
    }
};

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
