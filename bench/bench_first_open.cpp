// SPDX-License-Identifier: GPL-3.0-or-later
// The first open of the address book in a new process: load it and read the
// name and mobile number of every contact, as the picker's first list does.
//   bench_first_open BOOK            first=CPU ms, mem_kib=peak growth,
//                                    warm=CPU ms of a second open and walk
//   bench_first_open --anchor BOOK   first=CPU ms of reading the file and
//                                    counting its lines, the least any reader does
// Both also print contacts= and file_kib=.
#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <cstring>

#include "bench_support.h"
#include "core/book/address_book.h"

using namespace pelicast;

namespace {

struct Walked {
    int contacts = 0;
    qsizetype characters = 0;
};

Walked openAndWalk(const QString& path) {
    AddressBook book(path);
    Walked walked;
    if (!book.load()) {
        std::fprintf(stderr, "%s\n", qPrintable(book.errorString()));
        return walked;
    }
    for (int i = 0; i < book.count(); ++i) {
        const Contact contact = book.contact(i);
        walked.characters += contact.surname.size() + contact.firstName.size() +
                             contact.displayName.size() + contact.mobile.size();
    }
    walked.contacts = book.count();
    return walked;
}

int scanLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray data = file.readAll();
    int lines = 0;
    for (const char *at = data.constData(), *end = at + data.size();
         (at = static_cast<const char*>(std::memchr(at, '\n', size_t(end - at)))) != nullptr; ++at)
        ++lines;
    return lines;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const bool anchor = argc == 3 && std::strcmp(argv[1], "--anchor") == 0;
    if (argc != 2 && !anchor) {
        std::fprintf(stderr, "usage: %s [--anchor] BOOK\n", argv[0]);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[argc - 1]);
    bench::printFigure("file_kib", double(QFile(path).size()) / 1024.0);
    const long rssBefore = bench::peakRssKib();
    const double start = bench::cpuMs();
    if (anchor) {
        const int lines = scanLines(path);
        bench::printFigure("first", bench::cpuMs() - start);
        bench::printFigure("mem_kib", double(bench::peakRssKib() - rssBefore));
        bench::printFigure("lines", lines);
        return lines > 0 ? 0 : 1;
    }
    const Walked first = openAndWalk(path);
    bench::printFigure("first", bench::cpuMs() - start);
    bench::printFigure("mem_kib", double(bench::peakRssKib() - rssBefore));
    const double warmStart = bench::cpuMs();
    const Walked warm = openAndWalk(path);
    bench::printFigure("warm", bench::cpuMs() - warmStart);
    bench::printFigure("contacts", first.contacts);
    return first.contacts > 0 && warm.characters == first.characters ? 0 : 1;
}
