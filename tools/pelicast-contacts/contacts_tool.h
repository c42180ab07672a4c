#pragma once

#include <QStringList>
#include <QTextStream>

namespace pelicast::tools {

// pelicast-contacts: lists, imports and exports the address book. Returns the
// exit code; results go to `out`, errors to `err`.
int RunContactsTool(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace pelicast::tools
