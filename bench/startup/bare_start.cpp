// SPDX-License-Identifier: GPL-3.0-or-later
// For comparison only: a bare Qt Widgets window started and quit on the
// first event loop turn after show().
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(420, 415);
    window.show();
    QTimer::singleShot(0, &window, [] { QCoreApplication::quit(); });
    return QApplication::exec();
}
