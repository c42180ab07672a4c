// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace pelicast {

// Runs Pelicast: reads the command line (--help, --version), shows the main
// window and runs the event loop until the program ends. Returns the exit code.
int runApplication(int argc, char** argv);

}  // namespace pelicast
