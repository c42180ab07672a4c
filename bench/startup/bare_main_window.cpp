// SPDX-License-Identifier: GPL-3.0-or-later
// The fair baseline for Pelicast's start (setUpBareMainWindow()), ended at
// the same moment (window_watch.cpp).
#include <QApplication>
#include <QMainWindow>

#include "bench_support.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    pelicast::bench::setUpBareMainWindow(window);
    window.show();
    return QApplication::exec();
}
