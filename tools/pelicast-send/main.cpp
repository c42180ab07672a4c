// SPDX-License-Identifier: GPL-3.0-or-later
#include <QCoreApplication>
#include <QTextStream>

#include "send_command.h"
#include "translations/translations.h"

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"pelicast-send"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(PELICAST_VERSION));
    pelicast::translations::install();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return pelicast::runSendCommand(QCoreApplication::arguments(),
                                    pelicast::GatewayLocation::builtIn(), out, err);
}
