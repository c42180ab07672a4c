// SPDX-License-Identifier: GPL-3.0-or-later
// pelicast-help: the help window, a process of its own so that it stays open
// when the program that started it ends. One runs per user: started again,
// it shows the topic asked for in the window that is open and ends.
#include <QApplication>
#include <QCommandLineParser>
#include <QHelpEngine>
#include <QMessageBox>
#include <QTextStream>
#include <cstdio>
#include <optional>

#include "common/command_output.h"
#include "gui/instance_channel.h"
#include "help_collection.h"
#include "help_window.h"

using namespace Qt::StringLiterals;

namespace {

struct Options {
    QCommandLineParser parser;
    QCommandLineOption topic{
        u"topic"_s, u"Open the help at PAGE, a page's file name such as options.htm."_s, u"PAGE"_s};
    Options() {
        parser.setApplicationDescription(
            u"Shows the help of Pelicast. One help window is open per user: started again, "
            "pelicast-help shows the topic in that window and ends.\n\n"
            "Exit status: 0 when the window was closed or the open one took the topic, 1 when "
            "the help cannot be read, 2 on a wrong command line."_s);
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(topic);
    }
};

// Answered before the application object exists, so that --help, --version
// and a wrong command line need no display.
std::optional<int> answerOnTerminal(Options& options, int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser& parser = options.parser;
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString problem =
            parser.errorText().isEmpty()
                ? u"Unexpected argument \"%1\"."_s.arg(parser.positionalArguments().constFirst())
                : parser.errorText();
        std::fprintf(stderr, "pelicast-help: %s\n%s\n", qPrintable(problem),
                     qPrintable(parser.helpText()
                                    .section(u'\n', 0, 0)
                                    .replace(u"<executable_name>"_s, u"pelicast-help"_s)));
        return 2;
    }
    if (parser.isSet(u"help"_s) || parser.isSet(u"help-all"_s) || parser.isSet(u"version"_s)) {
        // Written here, not by process(), so that a failed write is told.
        QTextStream out(stdout);
        QTextStream err(stderr);
        out << (!parser.isSet(u"version"_s)
                    ? parser.helpText().replace(u"<executable_name>"_s, u"pelicast-help"_s)
                    : u"pelicast-help "_s + QStringLiteral(PELICAST_VERSION) + u'\n');
        return pelicast::finishOutput(out, err, 0, 1);
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Named before anything can fail, so that every error line says whose it is.
    QCoreApplication::setApplicationName(u"pelicast-help"_s);
    Options options;
    if (const auto answered = answerOnTerminal(options, argc, argv))
        return *answered;

    QApplication application(argc, argv);
    QApplication::setApplicationDisplayName(u"Pelicast Help"_s);
    QApplication::setApplicationVersion(QStringLiteral(PELICAST_VERSION));
    const QString topic = options.parser.value(options.topic);

    pelicast::InstanceChannel instance(u"pelicast-help"_s);
    if (!instance.claim() && instance.handOver(pelicast::help::HelpWindow::topicRequest(topic)))
        return 0;

    using namespace pelicast::help;
    auto engine = openCollection(installedCollection());
    if (!engine) {
        // Also on the terminal, for a viewer started from a shell or a script.
        std::fprintf(stderr, "pelicast-help: %s\n", qPrintable(engine.error()));
        QMessageBox::critical(nullptr, u"Pelicast Help"_s, engine.error());
        return 1;
    }
    HelpWindow window(std::move(*engine));
    window.showTopic(topic);
    QObject::connect(&instance, &pelicast::InstanceChannel::received, &window,
                     &HelpWindow::showRequest);
    window.show();
    instance.listen();
    return QApplication::exec();
}
