// SPDX-License-Identifier: GPL-3.0-or-later
// Ends the program at a chosen moment of its first main window, without a
// hook in the program: an event filter installed as the application object
// is made. Built into every start-up benchmark, Pelicast and the baselines
// alike, so that all pay the same for it.
//   default:                      quit on the first event-loop turn after the
//                                 main window is shown, before it is painted
//   PELICAST_BENCH_QUIT_ON_PAINT: quit on the turn after its first paint and
//                                 print first_paint= (ms since the process
//                                 started) and first_paint_cpu= (CPU ms until then)
#include <QCoreApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>

#include "bench_support.h"

namespace {

#ifdef PELICAST_BENCH_QUIT_ON_PAINT
constexpr QEvent::Type kMoment = QEvent::Paint;
#else
constexpr QEvent::Type kMoment = QEvent::Show;
#endif

class WindowWatch : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != kMoment || !watched->isWidgetType())
            return false;
        auto* window = qobject_cast<QMainWindow*>(watched);
        if (!window || !window->isWindow())
            return false;
        QCoreApplication::instance()->removeEventFilter(this);
        QTimer::singleShot(0, this, [] {
#ifdef PELICAST_BENCH_QUIT_ON_PAINT
            pelicast::bench::printFigure("first_paint", pelicast::bench::msSinceStart());
            pelicast::bench::printFigure("first_paint_cpu", pelicast::bench::cpuMs());
#endif
            QCoreApplication::quit();
        });
        return false;
    }
};

void watchFirstWindow() {
    QCoreApplication::instance()->installEventFilter(new WindowWatch(QCoreApplication::instance()));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(watchFirstWindow)
