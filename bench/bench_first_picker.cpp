// SPDX-License-Identifier: GPL-3.0-or-later
// The recipient picker's first opening in a new process, as the user meets
// it: the main window is up, the book is on disk (page cache warm), and the
// address-book button is clicked; timed until the picker's first frame.
//   bench_first_picker BOOK
// Prints first= (CPU ms, click to first frame), first_wall= (the same in wall
// time) and rebuild= (median CPU ms of choosing "Contacts" again with the
// picker open, list shown anew: the book is parsed by then).
#include <QApplication>
#include <QComboBox>
#include <QListView>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "bench_support.h"
#include "core/gateway/gateway_location.h"
#include "gui/main_window.h"
#include "gui/recipient_picker.h"

using namespace Qt::StringLiterals;

using namespace pelicast;

namespace {

constexpr int kRebuilds = 11;

double rebuildMs(RecipientPicker& picker) {
    auto* category = picker.findChild<QComboBox*>(u"con_cat"_s);
    const int contacts = category->findText(u"Contacts"_s);
    const double start = bench::cpuMs();
    category->setCurrentIndex(contacts);
    Q_EMIT category->activated(contacts);
    picker.repaint();
    return bench::cpuMs() - start;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s BOOK\n", argv[0]);
        return 2;
    }
    if (!bench::useAsUserBook(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot link the book\n");
        return 2;
    }
    QApplication application(argc, argv);
    MainWindow window(GatewayLocation::builtIn());
    int status = 1;
    double cpuStart = 0;
    double wallStart = 0;
    bench::afterFirstPaint(&window, [&] {
        cpuStart = bench::cpuMs();
        wallStart = bench::msSinceStart();
        window.pickRecipients();  // what the address-book button does
        auto* picker = window.findChild<RecipientPicker*>();
        if (!picker) {
            QCoreApplication::exit(1);
            return;
        }
        bench::afterFirstPaint(picker, [&, picker] {
            bench::printFigure("first", bench::cpuMs() - cpuStart);
            bench::printFigure("first_wall", bench::msSinceStart() - wallStart);
            const int rows = picker->findChild<QListView*>()->model()->rowCount();
            bench::printFigure("entries", rows);
            std::vector<double> rebuilds;
            for (int i = 0; i < kRebuilds; ++i)
                rebuilds.push_back(rebuildMs(*picker));
            std::nth_element(rebuilds.begin(), rebuilds.begin() + kRebuilds / 2, rebuilds.end());
            bench::printFigure("rebuild", rebuilds[kRebuilds / 2]);
            status = rows > 1 ? 0 : 1;
            QCoreApplication::quit();
        });
    });
    window.show();
    QApplication::exec();
    return status;
}
