// SPDX-License-Identifier: GPL-3.0-or-later
// A list file to the preview of its batch on the screen, in a new process,
// as the user meets it: the main window is up, the file is chosen, its table
// read and the mapping step painted; OK, and the batch planned and its
// preview painted. The user's time in the mapping step is not counted.
//   bench_batch_preview FILE
// Prints first= (wall ms of both steps), first_cpu= (their CPU ms), mapping= (file chosen to the
// mapping step's first frame), preview= (OK to the preview's first frame),
// mem_kib= (peak growth), file_kib=, requests= and widgets= (the preview's
// widgets, which must not grow with the rows).
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>

#include "bench_support.h"
#include "core/book/recipient_list.h"
#include "core/book/recipient_table.h"
#include "core/gateway/gateway_location.h"
#include "gui/batch_preview_dialog.h"
#include "gui/main_window.h"
#include "gui/recipient_file_dialog.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

namespace {

// As bench_recipient_list plans it.
const QString kMessage =
    u"Dear {Name}, the club meets on Friday at 18:00 in the main hall. Reply STOP to opt out."_s;

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    bench::printFigure("file_kib", double(QFile(path).size()) / 1024.0);
    int status = 1;
    MainWindow window(GatewayLocation::builtIn());
    long rssBefore = 0;
    QElapsedTimer clock;
    double mappingMs = 0;
    double cpuStart = 0;
    RecipientFileDialog* mapping = nullptr;
    BatchPreviewDialog* preview = nullptr;
    const auto previewShown = [&] {
        const double previewMs = double(clock.nsecsElapsed()) / 1e6;
        bench::printFigure("first", mappingMs + previewMs);
        bench::printFigure("first_cpu", bench::cpuMs() - cpuStart);
        bench::printFigure("mapping", mappingMs);
        bench::printFigure("preview", previewMs);
        bench::printFigure("mem_kib", double(bench::peakRssKib() - rssBefore));
        bench::printFigure("requests", double(preview->plan().count()));
        bench::printFigure("widgets", double(preview->findChildren<QWidget*>().size()));
        status = preview->plan().count() > 0 ? 0 : 1;
        QCoreApplication::quit();
    };
    const auto mappingShown = [&] {
        mappingMs = double(clock.nsecsElapsed()) / 1e6;
        clock.start();
        // What OK does: the step's list goes to the preview.
        const RecipientList recipients = mapping->recipients();
        mapping->accept();
        preview = new BatchPreviewDialog(kMessage, recipients, u"Club"_s, std::nullopt, &window);
        preview->show();
        bench::afterFirstPaint(preview, previewShown);
    };
    // The file is chosen once the main window is up.
    bench::afterFirstPaint(&window, [&] {
        rssBefore = bench::peakRssKib();
        cpuStart = bench::cpuMs();
        clock.start();
        Expected<RecipientTable> table = RecipientTable::read(path);
        if (!table) {
            std::fprintf(stderr, "%s\n", qPrintable(table.error()));
            QCoreApplication::exit(1);
            return;
        }
        mapping = new RecipientFileDialog(path, std::move(*table), u"GR"_s, &window);
        mapping->show();
        bench::afterFirstPaint(mapping, mappingShown);
    });
    window.show();
    QApplication::exec();
    return status;
}
