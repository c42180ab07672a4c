// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench_support.h"

#include <sys/resource.h>
#include <time.h>

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace pelicast::bench {

namespace {

double monotonicMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Taken when the program is loaded, before main(), for runs by hand.
const double gLoadedMs = monotonicMs();

class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* window, std::function<void()> done)
        : QObject(window), done_(std::move(done)) {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // The whole frame, children and flush included, is done when the
            // event loop turns again.
            QTimer::singleShot(0, this, [this] {
                done_();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> done_;
};

}  // namespace

double msSinceStart() {
    const char* start = std::getenv("PELICAST_BENCH_T0");
    const double startMs = start ? std::strtod(start, nullptr) / 1e6 : gLoadedMs;
    return monotonicMs() - startMs;
}

double cpuMs() {
    timespec used{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &used);
    return double(used.tv_sec) * 1e3 + double(used.tv_nsec) / 1e6;
}

long peakRssKib() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void printFigure(const char* name, double value) {
    std::printf("%s=%.4f\n", name, value);
    std::fflush(stdout);
}

bool useAsUserBook(const QString& book) {
    const QString data = QDir::tempPath() + u"/pelicast-bench-data-"_s +
                         QString::number(QCoreApplication::applicationPid());
    if (!QDir().mkpath(data + u"/Pelicast"_s))
        return false;
    const QString link = data + u"/Pelicast/contacts.vcf"_s;
    QFile::remove(link);
    if (!QFile::link(QFileInfo(book).absoluteFilePath(), link))
        return false;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data));
    return true;
}

void afterFirstPaint(QWidget* window, std::function<void()> done) {
    new FirstPaintWatch(window, std::move(done));
}

void setUpBareMainWindow(QMainWindow& window) {
    window.menuBar()->addMenu(u"&File"_s)->addAction(u"E&xit"_s);
    window.setCentralWidget(new QLabel(u"Credits Left: Unknown"_s));
    window.resize(420, 415);
}

}  // namespace pelicast::bench
