// SPDX-License-Identifier: GPL-3.0-or-later
// pelicast-help: the help window, a process of its own so that it stays open
// when the program that started it ends.
#include <QApplication>
#include <QCommandLineParser>
#include <QHelpEngine>
#include <QMessageBox>
#include <QTextStream>
#include <cstdio>

#include "common/command_output.h"
#include "help_collection.h"
#include "help_window.h"

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(u"pelicast-help"_s);
    QApplication::setApplicationDisplayName(u"Pelicast Help"_s);
    QApplication::setApplicationVersion(QStringLiteral(PELICAST_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(u"Shows the help of Pelicast."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption topic(
        u"topic"_s, u"Open the help at PAGE, a page's file name such as options.htm."_s, u"PAGE"_s);
    parser.addOption(topic);
    if (!parser.parse(QApplication::arguments()) || !parser.positionalArguments().isEmpty()) {
        const QString problem =
            parser.errorText().isEmpty()
                ? u"Unexpected argument \"%1\"."_s.arg(parser.positionalArguments().constFirst())
                : parser.errorText();
        std::fprintf(stderr, "%s\n\n%s", qPrintable(problem), qPrintable(parser.helpText()));
        return 2;
    }
    // Written here, not by process(), so that a failed write is told.
    if (parser.isSet(u"help"_s) || parser.isSet(u"version"_s)) {
        QTextStream out(stdout);
        QTextStream err(stderr);
        out << (parser.isSet(u"help"_s) ? parser.helpText()
                                        : QApplication::applicationName() + u' ' +
                                              QApplication::applicationVersion() + u'\n');
        return pelicast::finishOutput(out, err, 0, 1);
    }
    parser.process(application);  // --help-all ends here

    using namespace pelicast::help;
    auto engine = openCollection(installedCollection());
    if (!engine) {
        // Also on the terminal, for a viewer started from a shell or a script.
        std::fprintf(stderr, "pelicast-help: %s\n", qPrintable(engine.error()));
        QMessageBox::critical(nullptr, u"Pelicast Help"_s, engine.error());
        return 1;
    }
    HelpWindow window(std::move(*engine));
    window.showTopic(parser.value(topic));
    window.show();
    return QApplication::exec();
}
