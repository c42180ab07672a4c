// For comparison only: the least a Qt Widgets main window with a menu bar and
// text costs (the font database, the style's menu-bar icons), started and quit
// the way bench_startup_pelicast quits.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("E&xit"));
    window.setCentralWidget(new QLabel(QStringLiteral("Credits Left: Unknown")));
    window.resize(420, 415);
    window.show();
    QTimer::singleShot(0, &window, [] { QCoreApplication::quit(); });
    return QApplication::exec();
}
