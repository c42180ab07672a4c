// SPDX-License-Identifier: GPL-3.0-or-later
// The fair baseline for Pelicast's start: the least a Qt Widgets main window
// with a menu bar and text costs (the font database, the style's menu-bar
// icons), ended at the same moment (window_watch.cpp).
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.setCentralWidget(new QLabel(QStringLiteral("Credits Left: Unknown")));
    window.resize(420, 415);
    window.show();
    return QApplication::exec();
}
