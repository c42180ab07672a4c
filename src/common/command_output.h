// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextStream>

#include "common/expected.h"

namespace pelicast {

// Writes out what `out` holds and tells whether all of it reached its file:
// else why not ("No space left on device" for a full disk or /dev/full).
Expected<void> flushOutput(QTextStream& out);

// The exit status of a command-line program whose results went to `out`:
// `status` once all of them are written, else `failure`, with the reason on
// `err` after the program's name. A script never takes a lost result for one.
int finishOutput(QTextStream& out, QTextStream& err, int status, int failure);

}  // namespace pelicast
