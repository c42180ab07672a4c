// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QTextStream>

namespace pelicast {

// pelicast-contacts: lists, imports and exports the address book. Returns the
// exit code; results go to `out`, errors to `err`.
int runContactsTool(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace pelicast
