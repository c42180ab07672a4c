// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineParser>
#include <QStringList>

namespace pelicast {

// What pelicast-send --help says above its options.
QString sendDescription();

// The options of pelicast-send, as --help lists them (beside --help and
// --version).
void addSendOptions(QCommandLineParser& parser);

// The options that take one value: given twice, the second would silently
// win, so a second is refused.
const QStringList& singleValueOptions();

}  // namespace pelicast
