// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineParser>
#include <QStringList>

namespace pelicast {

// The description and options of pelicast-send, as --help lists them
// (beside --help and --version).
void addSendOptions(QCommandLineParser& parser);

// The options that take one value: given twice, the second would silently
// win, so a second is refused.
const QStringList& singleValueOptions();

// The options that do something other than send a message (at most one of
// them), and those that only a message takes.
const QStringList& modeOptions();
const QStringList& messageOptions();

}  // namespace pelicast
