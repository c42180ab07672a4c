// SPDX-License-Identifier: GPL-3.0-or-later
// Writes COUNT scheduled batches, none of them due (a day apart from
// tomorrow on), each of three requests, into the user's journal, as the
// window and pelicast-send make them; prints the journal's path.
//   bench_scheduled_journal COUNT
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "core/book/recipient_table.h"
#include "core/journal/batch_store.h"
#include "core/journal/journal.h"
#include "core/message/batch_plan.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const int count = argc == 2 ? std::atoi(argv[1]) : 0;
    if (count <= 0) {
        std::fprintf(stderr, "usage: %s COUNT\n", argv[0]);
        return 2;
    }
    QFile list(
        QDir::temp().filePath(u"bench-scheduled-%1.csv"_s.arg(QCoreApplication::applicationPid())));
    if (!list.open(QIODevice::WriteOnly) ||
        list.write("Name,Mobile\nA,+306944000001\nB,+306944000002\nC,+306944000003\n") < 0)
        return 1;
    list.close();
    const Expected<RecipientTable> table = RecipientTable::read(list.fileName());
    list.remove();
    Journal journal;
    if (!table || !journal.open()) {
        std::fprintf(stderr, "%s\n", qPrintable(journal.errorString()));
        return 1;
    }
    const BatchPlan plan(u"Dear {Name}, the meeting is at 8."_s,
                         RecipientList::fromTable(*table, 1, {}), u"Quillo"_s);
    BatchStore store(journal);
    const QDateTime tomorrow = QDateTime::currentDateTimeUtc().addDays(1);
    for (int i = 0; i < count; ++i) {
        const Expected<qint64> id = store.create({u"anna"_s,
                                                  u"Dear {Name}, the meeting is at 8."_s,
                                                  u"list.csv"_s,
                                                  {},
                                                  tomorrow.addDays(i)},
                                                 plan);
        if (!id) {
            std::fprintf(stderr, "%s\n", qPrintable(id.error()));
            return 1;
        }
    }
    std::printf("%s\n", qPrintable(journal.path()));
    return 0;
}
