// SPDX-License-Identifier: GPL-3.0-or-later
// A list file to the preview of its batch, in a new process: read and
// detect the table, take its rows as recipients (numbers checked and
// repeats found with the phone-number rules), fill in a personal message
// and plan its requests, totals and all.
//   bench_recipient_list --generate FILE ROWS   a list of ROWS people, name
//                                               and mobile, as a spreadsheet
//                                               saves it
//   bench_recipient_list FILE            first=CPU ms, mem_kib=peak growth,
//                                        warm=CPU ms of the same again
//                                        table=, recipients=, plan= the CPU ms
//                                        of each step of the first
//   bench_recipient_list --anchor FILE   first=CPU ms of reading the file and
//                                        splitting it into lines and cells
//                                        with QString: the least a reader
//                                        that keeps the cells does
//   bench_recipient_list --anchor-check FILE   first=CPU ms of the recipient
//                                        check of its numbers pasted as one
//                                        recipients text
// All print file_kib= and rows=. The phone-number rules are loaded before
// the memory baseline (a module of a fixed size, loaded once per process,
// here with a first number read), but inside the CPU time of the first run.
#include <QCoreApplication>
#include <QFile>
#include <QRandomGenerator>
#include <cstdio>
#include <cstring>

#include "bench_support.h"
#include "core/book/recipient_list.h"
#include "core/book/recipient_table.h"
#include "core/message/batch_plan.h"
#include "core/message/recipient_check.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

namespace {

const QString kMessage =
    u"Dear {Name}, the club meets on Friday at 18:00 in the main hall. Reply STOP to opt out."_s;

// Names made of syllables, so that nearly every message differs, as with a
// real list; one in eight ends in "ić", which makes its message Unicode.
QByteArray personName(QRandomGenerator& random) {
    static const char* const first[] = {"Anna",  "Nikos",  "Maria", "Giorgos", "Eleni", "Dimitris",
                                        "Sofia", "Kostas", "Ivana", "Marko",   "Jo",    "Katerina"};
    static const char* const syllables[] = {"pa", "do", "lou", "ge", "or", "ni", "ko",  "lai",
                                            "ka", "ra", "me",  "ta", "xa", "vi", "sto", "dri"};
    static const char* const endings[] = {"s", "ou", "is", "ić", "akis", "idis", "opoulos", "as"};
    QByteArray surname;
    for (int i = 0, n = 2 + int(random.bounded(2)); i < n; ++i)
        surname += syllables[random.bounded(16)];
    surname[0] = char(surname[0] - 'a' + 'A');
    return QByteArray(first[random.bounded(12)]) + ' ' + surname + endings[random.bounded(8)];
}

bool generate(const QString& path, int rows) {
    QRandomGenerator random(20240611);
    QByteArray text = "Name,Mobile\r\n";
    for (int i = 0; i < rows; ++i) {
        QByteArray name = personName(random);
        // A name with a comma is quoted, as a spreadsheet writes it; one row
        // in a hundred repeats an earlier number.
        if (i % 20 == 7)
            name = '"' + name + ", Jr.\"";
        const int number = i % 100 == 99 ? i - 50 : i;
        text += name + ",+30 69" +
                QByteArray::number(40000000 + number).insert(2, ' ').insert(6, ' ') + "\r\n";
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

struct Planned {
    qsizetype rows = 0;
    qsizetype requests = 0;
    QString totals;
    double tableMs = 0, recipientsMs = 0, planMs = 0;  // CPU
};

Planned plan(const QString& path) {
    Planned planned;
    double at = bench::cpuMs();
    const auto lap = [&at](double& ms) {
        const double now = bench::cpuMs();
        ms = now - at;
        at = now;
    };
    Expected<RecipientTable> table = RecipientTable::read(path);
    if (!table) {
        std::fprintf(stderr, "%s\n", qPrintable(table.error()));
        return planned;
    }
    const int column = table->numberColumn();
    planned.rows = table->rowCount();
    lap(planned.tableMs);
    const RecipientList recipients = RecipientList::fromTable(std::move(*table), column, u"GR"_s);
    lap(planned.recipientsMs);
    const BatchPlan batch(kMessage, recipients, u"Club"_s);
    planned.requests = batch.count();
    planned.totals = batch.totals().text();
    lap(planned.planMs);
    return planned;
}

// The least any reader that keeps the cells does.
qsizetype splitNaively(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromUtf8(file.readAll());
    QList<QStringList> rows;
    for (QStringView line : QStringView(text).split(u'\n', Qt::SkipEmptyParts)) {
        QStringList cells;
        for (QStringView cell : line.split(u','))
            cells.append(cell.toString());
        rows.append(cells);
    }
    return rows.size() - 1;
}

// What the program did before for a list pasted into the recipients: the
// recipient check of every number, repeats and all.
qsizetype checkPasted(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    QStringList numbers;
    for (const QByteArray& line : file.readAll().split('\n')) {
        if (const qsizetype comma = line.lastIndexOf(','); comma >= 0)
            numbers.append(QString::fromUtf8(line.mid(comma + 1)).trimmed());
    }
    const RecipientReport report = checkRecipients(numbers.join(u';'), u"GR"_s);
    return numbers.size() - 1 - report.repeats.size();
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "--generate") == 0)
        return generate(QString::fromLocal8Bit(argv[2]), std::atoi(argv[3])) ? 0 : 1;
    const char* anchor = argc == 3 ? argv[1] : nullptr;
    if (argc != 2 && !(anchor && (std::strcmp(anchor, "--anchor") == 0 ||
                                  std::strcmp(anchor, "--anchor-check") == 0))) {
        std::fprintf(stderr, "usage: %s [--anchor|--anchor-check] FILE | --generate FILE ROWS\n",
                     argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[argc - 1]);
    bench::printFigure("file_kib", double(QFile(path).size()) / 1024.0);
    const double start = bench::cpuMs();
    if (anchor) {
        const qsizetype rows =
            std::strcmp(anchor, "--anchor") == 0 ? splitNaively(path) : checkPasted(path);
        bench::printFigure("first", bench::cpuMs() - start);
        bench::printFigure("rows", double(rows));
        return rows > 0 ? 0 : 1;
    }
    NumberKeys(u"GR"_s).of(u"6940000000");
    const long rssBefore = bench::peakRssKib();
    const Planned first = plan(path);
    bench::printFigure("first", bench::cpuMs() - start);
    bench::printFigure("mem_kib", double(bench::peakRssKib() - rssBefore));
    bench::printFigure("table", first.tableMs);
    bench::printFigure("recipients", first.recipientsMs);
    bench::printFigure("plan", first.planMs);
    const double warmStart = bench::cpuMs();
    const Planned warm = plan(path);
    bench::printFigure("warm", bench::cpuMs() - warmStart);
    bench::printFigure("rows", double(first.rows));
    bench::printFigure("requests", double(first.requests));
    std::fprintf(stderr, "%s\n", qPrintable(first.totals));
    return first.requests > 0 && warm.totals == first.totals ? 0 : 1;
}
