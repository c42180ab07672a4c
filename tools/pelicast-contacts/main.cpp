#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#include "contacts_tool.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // The same name as the program's, so that both find the same address book.
    QCoreApplication::setApplicationName(QStringLiteral("Pelicast"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return pelicast::tools::RunContactsTool(QCoreApplication::arguments(), out, err);
}
