// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's own form, every control of it laid out and painted, with
// nothing of the program behind it: no settings, translations, instance
// check, style or pictures. Against it, Pelicast's start shows what the
// program's own start-up work costs (window_watch.cpp ends both alike).
#include <QApplication>
#include <QMainWindow>

#include "ui_main_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    pelicast::Ui_MainWindow form;
    form.setupUi(&window);
    window.show();
    return QApplication::exec();
}
