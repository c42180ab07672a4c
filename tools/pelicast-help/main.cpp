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
#include "translations/translations.h"

using namespace Qt::StringLiterals;

namespace {

// Qt's texts of the help engine's search and index beside its buttons'.
const QStringList kQtCatalogues{u"qtbase"_s, u"qt_help"_s};

struct Options {
    Q_DECLARE_TR_FUNCTIONS(HelpViewer)
public:
    QCommandLineParser parser;
    QCommandLineOption topic{u"topic"_s,
                             tr("Open the help at PAGE, a page's file name such as options.htm."),
                             u"PAGE"_s};
    Options() {
        parser.setApplicationDescription(
            tr("Shows the help of Pelicast. One help window is open per user: started again, "
               "pelicast-help shows the topic in that window and ends.\n\n"
               "Exit status: 0 when the window was closed or the open one took the topic, 1 when "
               "the help cannot be read, 2 on a wrong command line."));
        parser.addHelpOption();
        parser.addVersionOption();
        parser.addOption(topic);
    }
};

// Answered before the application object exists, so that --help, --version
// and a wrong command line need no display.
std::optional<int> answerOnTerminal(Options& options, int& argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    const bool usable =
        options.parser.parse(arguments) && options.parser.positionalArguments().isEmpty();
    if (usable && !options.parser.isSet(u"help"_s) && !options.parser.isSet(u"help-all"_s) &&
        !options.parser.isSet(u"version"_s))
        return std::nullopt;
    // A person reads the answer: in their language, which needs an
    // application object, though no window system.
    QCoreApplication terminal(argc, argv);
    pelicast::translations::install(QLocale(), kQtCatalogues);
    Options translated;
    QCommandLineParser& parser = translated.parser;
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        const QString problem = parser.errorText().isEmpty()
                                    ? Options::tr("Unexpected argument \"%1\".")
                                          .arg(parser.positionalArguments().constFirst())
                                    : parser.errorText();
        std::fprintf(stderr, "pelicast-help: %s\n%s\n", qPrintable(problem),
                     qPrintable(parser.helpText()
                                    .section(u'\n', 0, 0)
                                    .replace(u"<executable_name>"_s, u"pelicast-help"_s)));
        return 2;
    }
    // Written here, not by process(), so that a failed write is told.
    QTextStream out(stdout);
    QTextStream err(stderr);
    out << (!parser.isSet(u"version"_s)
                ? parser.helpText().replace(u"<executable_name>"_s, u"pelicast-help"_s)
                : u"pelicast-help "_s + QStringLiteral(PELICAST_VERSION) + u'\n');
    return pelicast::finishOutput(out, err, 0, 1);
}

}  // namespace

int main(int argc, char* argv[]) {
    // Named before anything can fail, so that every error line says whose it is.
    QCoreApplication::setApplicationName(u"pelicast-help"_s);
    Options options;
    if (const auto answered = answerOnTerminal(options, argc, argv))
        return *answered;

    QApplication application(argc, argv);
    pelicast::translations::install(QLocale(), kQtCatalogues);
    QApplication::setApplicationDisplayName(Options::tr("Pelicast Help"));
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
        QMessageBox::critical(nullptr, Options::tr("Pelicast Help"), engine.error());
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
