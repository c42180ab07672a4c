// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pelicast {

// This process as a pending row names its owner: the system's boot, the
// process id and its start time ("BOOT PID START"), so that another program
// can tell whether it still runs, even once the id is reused. Empty where
// /proc does not tell.
QString processTag();

enum class ProcessState {
    Running,    // the process still runs
    Ended,      // it ended, and the system has run on since
    Restarted,  // the system started anew since: what it wrote last may be lost
    Unknown,    // no tag, or one /proc cannot judge
};
ProcessState processStateOf(const QString& tag);

}  // namespace pelicast
