// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace pelicast {

class InstanceChannel;

// Runs Pelicast: reads the command line (--help, --version, --gateway),
// hands the start over to a Pelicast that runs already, else shows the main
// window and runs the event loop until the program ends. Returns the exit
// code.
int runApplication(int argc, char** argv);

// Brings `window` to the front whenever a later start hands itself over
// through `instance`.
void raiseOnRequest(InstanceChannel& instance, QWidget& window);

}  // namespace pelicast
