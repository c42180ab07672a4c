// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/application.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <cstdio>
#include <optional>

#include "core/gateway/gateway_location.h"
#include "core/settings/installation.h"
#include "gui/main_window.h"
#include "gui/pictures.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

struct Options {
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();

    Options() {
        parser.setApplicationDescription(
            u"Sends SMS text messages through the Quillo web SMS gateway."_s);
    }
};

// --help and --version answer on the terminal before anything needs a window
// system, so they work without a display too. Unknown options are left to
// the full parse, where Qt's own (-platform, -style) are known.
std::optional<int> answerOnTerminal(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    Options options;
    options.parser.parse(arguments);
    if (options.parser.isSet(options.version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    if (options.parser.isSet(options.help)) {
        // Without an application object Qt cannot name the program itself.
        const QString name =
            arguments.isEmpty() ? u"pelicast"_s : QFileInfo(arguments[0]).fileName();
        std::fputs(qPrintable(options.parser.helpText().replace(u"<executable_name>"_s, name)),
                   stdout);
        return 0;
    }
    return std::nullopt;
}

}  // namespace

int runApplication(int argc, char** argv) {
    QApplication::setApplicationName(u"Pelicast"_s);
    QApplication::setApplicationVersion(QStringLiteral(PELICAST_VERSION));
    QApplication::setDesktopFileName(installation::desktopId());
    if (const auto answered = answerOnTerminal(argc, argv))
        return *answered;

    QApplication application(argc, argv);
    // Qt has taken its own options (-platform, -style): the rest must be ours.
    Options options;
    if (!options.parser.parse(QApplication::arguments()) ||
        !options.parser.positionalArguments().isEmpty()) {
        const QString problem = options.parser.errorText().isEmpty()
                                    ? u"Unexpected argument \"%1\"."_s.arg(
                                          options.parser.positionalArguments().constFirst())
                                    : options.parser.errorText();
        std::fprintf(stderr, "pelicast: %s\n%s\n", qPrintable(problem),
                     qPrintable(options.parser.helpText().section(u'\n', 0, 0)));
        return 2;
    }
    options.parser.process(application);  // --help-all ends here
    MainWindow window(GatewayLocation::builtIn());
    window.show();
    return QApplication::exec();
}

}  // namespace pelicast
