// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

#include "core/gateway/gateway_location.h"

namespace pelicast {

// pelicast-send with its command line (the program's name first), talking to
// the gateway at `location`. Reads the text from standard input for
// "--text -". Returns the exit status that --help documents.
int runSendCommand(const QStringList& arguments, const GatewayLocation& location, QTextStream& out,
                   QTextStream& err);

}  // namespace pelicast
