// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <functional>

class QMainWindow;
class QWidget;

// What the single-measurement benchmarks share. Each run is one process that
// prints its figures as "name=value" lines on standard output, for
// bench_runner to collect.
namespace pelicast::bench {

// Milliseconds since the runner started this process (it passes its clock in
// PELICAST_BENCH_T0), or since this process began when run by hand.
double msSinceStart();
// Milliseconds of CPU time this process has used, every thread counted.
double cpuMs();
// Peak resident memory so far, in KiB.
long peakRssKib();

void printFigure(const char* name, double value);

// Points the user's address book at `book` (a link to it in a new data
// folder), for code that opens the book at its usual place. Call before the
// application object exists.
bool useAsUserBook(const QString& book);

// Calls `done` once, on the next turn of the event loop after `window` was
// first painted, when the frame is out to the window system.
void afterFirstPaint(QWidget* window, std::function<void()> done);

// Makes `window` the fair baseline of Pelicast's main window: the least a Qt
// Widgets main window with a menu bar and text costs (the font database, the
// style's menu-bar icons), at Pelicast's size.
void setUpBareMainWindow(QMainWindow& window);

}  // namespace pelicast::bench
