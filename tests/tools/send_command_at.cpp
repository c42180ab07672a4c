// SPDX-License-Identifier: GPL-3.0-or-later
// pelicast-send aimed at the gateway stand-in whose transport base the
// environment names (PELICAST_TEST_GATEWAY): the program's own build knows
// only the gateway it was built for.
#include <QCoreApplication>
#include <QTextStream>

#include "pelicast-send/send_command.h"

using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"pelicast-send"_s);
    const QString base = qEnvironmentVariable("PELICAST_TEST_GATEWAY");
    QTextStream out(stdout);
    QTextStream err(stderr);
    return pelicast::runSendCommand(QCoreApplication::arguments(), {base, base, u"quillo"_s}, out,
                                    err);
}
