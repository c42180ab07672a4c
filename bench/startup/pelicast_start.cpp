// Pelicast from its real start to the first shown main window, then quit.
#include <QCoreApplication>

#include "app/program.h"

int main(int argc, char* argv[]) {
    return pelicast::RunProgram(argc, argv, [](QWidget*) { QCoreApplication::quit(); });
}
