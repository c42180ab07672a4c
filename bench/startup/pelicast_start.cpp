// SPDX-License-Identifier: GPL-3.0-or-later
// Pelicast from its real start to its first main window (window_watch.cpp
// ends it there).
#include "gui/application.h"

int main(int argc, char* argv[]) {
    return pelicast::runApplication(argc, argv);
}
