// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/application.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <optional>

#include "core/gateway/gateway_location.h"
#include "core/settings/installation.h"
#include "gui/indicator_style.h"
#include "gui/instance_channel.h"
#include "gui/main_window.h"
#include "gui/pictures.h"
#include "translations/translations.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// What a later start asks of the running one.
const QString kRaise = u"raise"_s;

struct Options {
    Q_DECLARE_TR_FUNCTIONS(Application)
public:
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();
    QCommandLineOption gateway{u"gateway"_s, GatewayLocation::optionDescription(), u"URL"_s};

    Options() {
        parser.setApplicationDescription(
            tr("Sends SMS text messages through the Quillo web SMS gateway.\n\n"
               "One Pelicast runs per user: started again, it brings the window of the "
               "running one to the front and ends (exit status 0).\n\n"
               "Exit status: 0 when the window was closed or another Pelicast took the "
               "start over, 2 on a wrong command line or gateway address."));
        parser.addOption(gateway);
    }
    Expected<GatewayLocation> location() const {
        return GatewayLocation::chosen(parser.value(gateway), parser.isSet(gateway));
    }
};

int usageError(const QString& problem, const QCommandLineParser& parser) {
    // Before the application object exists Qt cannot name the program.
    std::fprintf(
        stderr, "pelicast: %s\n%s\n", qPrintable(problem),
        qPrintable(
            parser.helpText().section(u'\n', 0, 0).replace(u"<executable_name>"_s, u"pelicast"_s)));
    return 2;
}

// --help and --version answer on the terminal before anything needs a window
// system, so they work without a display too, and so does a wrong gateway
// address. Unknown options are left to the full parse, where Qt's own
// (-platform, -style) are known.
std::optional<int> answerOnTerminal(int& argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    Options first;
    first.parser.parse(arguments);
    if (first.parser.isSet(first.version)) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    if (!first.parser.isSet(first.help) && first.location())
        return std::nullopt;
    // A person reads the answer: in their language, which needs an
    // application object, though no window system.
    QCoreApplication terminal(argc, argv);
    translations::install();
    Options options;
    options.parser.parse(arguments);
    if (options.parser.isSet(options.help)) {
        // Without an application object Qt cannot name the program itself.
        const QString name =
            arguments.isEmpty() ? u"pelicast"_s : QFileInfo(arguments[0]).fileName();
        std::fputs(qPrintable(options.parser.helpText().replace(u"<executable_name>"_s, name)),
                   stdout);
        return 0;
    }
    return usageError(options.location().error(), options.parser);
}

}  // namespace

int runApplication(int argc, char** argv) {
    QApplication::setApplicationName(u"Pelicast"_s);
    QApplication::setApplicationVersion(QStringLiteral(PELICAST_VERSION));
    QApplication::setDesktopFileName(installation::desktopId());
    if (const auto answered = answerOnTerminal(argc, argv))
        return *answered;

    QApplication application(argc, argv);
    translations::install();
    // Qt has taken its own options (-platform, -style): the rest must be ours.
    Options options;
    if (!options.parser.parse(QApplication::arguments()) ||
        !options.parser.positionalArguments().isEmpty()) {
        return usageError(options.parser.errorText().isEmpty()
                              ? Options::tr("Unexpected argument \"%1\".")
                                    .arg(options.parser.positionalArguments().constFirst())
                              : options.parser.errorText(),
                          options.parser);
    }
    options.parser.process(application);  // --help-all ends here
    IndicatorStyle::install();

    InstanceChannel instance(u"pelicast"_s);
    if (!instance.claim()) {
        if (instance.handOver(kRaise))
            return 0;
        // The running one does not answer: better a second window than none.
        std::fprintf(
            stderr, "pelicast: %s\n",
            qPrintable(Options::tr("another Pelicast runs but does not answer; starting anew.")));
    }
    MainWindow window(*options.location());
    // Listening costs the first frame nothing once it is out.
    QObject::connect(&window, &MainWindow::firstFrameShown, &instance, [&] {
        raiseOnRequest(instance, window);
        instance.listen();
    });
    window.show();
    return QApplication::exec();
}

void raiseOnRequest(InstanceChannel& instance, QWidget& window) {
    QObject::connect(&instance, &InstanceChannel::received, &window,
                     [&window](const QString& request) {
                         if (request == kRaise)
                             InstanceChannel::bringToFront(&window);
                     });
}

}  // namespace pelicast
