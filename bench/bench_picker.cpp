// SPDX-License-Identifier: GPL-3.0-or-later
// The recipient picker and the contact-list upload on a generated book of
// 30,000 contacts in 200 groups, all vCard 3.0, as before the rebuild
// (scripts/bench-picker):
//   bench_picker [google benchmark options]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QWidget>
#include <cstdio>

#include "address_book_generator.h"
#include "core/book/address_book.h"
#include "core/book/contact_entries.h"
#include "gui/recipient_picker.h"

using namespace Qt::StringLiterals;

using namespace pelicast;

namespace {

constexpr int kContacts = 30000;
constexpr int kGroups = 200;
constexpr int kTickedGroups = 10;

// One picker over one book for the whole run, as in the program.
struct Bench {
    QWidget mainWindow;
    RecipientPicker* picker = new RecipientPicker(&mainWindow);
    QString recipients;

    QComboBox& category() { return *picker->findChild<QComboBox*>(u"con_cat"_s); }
    QListView& list() { return *picker->findChild<QListView*>(u"con_idx"_s); }
    void rebuild(const char* mode) {
        const int index = category().findText(QLatin1String(mode));
        category().setCurrentIndex(index);
        Q_EMIT category().activated(index);
    }
};

Bench* gBench = nullptr;

void BM_ContactsRebuild(benchmark::State& state) {
    for (auto _ : state)
        gBench->rebuild("Contacts");
    state.counters["entries"] = gBench->list().model()->rowCount();
}

void BM_ContactEntries(benchmark::State& state) {
    for (auto _ : state) {
        AddressBook book;
        book.load();
        QStringList entries = contactLabels(book);
        sortIgnoringCase(entries);
        benchmark::DoNotOptimize(entries);
    }
}

void BM_GroupsRebuild(benchmark::State& state) {
    for (auto _ : state)
        gBench->rebuild("Groups");
    state.counters["entries"] = gBench->list().model()->rowCount();
}

void BM_ExpandTenGroups(benchmark::State& state) {
    gBench->rebuild("Groups");
    QAbstractItemModel& model = *gBench->list().model();
    for (int i = 0; i < kTickedGroups; ++i)
        model.setData(model.index(i * (kGroups / kTickedGroups), 0), Qt::Checked,
                      Qt::CheckStateRole);
    auto* replace = gBench->picker->findChild<QPushButton*>(u"OKButton"_s);
    for (auto _ : state)
        replace->click();
    state.counters["recipients"] = double(gBench->recipients.count(QLatin1Char(';')));
}

ContactList bookContactList() {
    AddressBook book;
    book.load();
    return contactList(book);
}

void BM_UploadBody(benchmark::State& state) {
    qsizetype size = 0;
    for (auto _ : state) {
        const ContactList list = bookContactList();
        size =
            encodeForm(contactUploadFields(u"demo"_s, u"secret"_s, list, u"Friends;Work"_s, true))
                .size();
    }
    state.counters["body_chars"] = double(size);
}

void BM_UploadBodyFromLists(benchmark::State& state) {
    const ContactList list = bookContactList();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            encodeForm(contactUploadFields(u"demo"_s, u"secret"_s, list, u"Friends;Work"_s, true)));
}

void timed(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(15)->ReportAggregatesOnly(true);
}

BENCHMARK(BM_ContactsRebuild)->Apply(timed);
BENCHMARK(BM_ContactEntries)->Apply(timed);
BENCHMARK(BM_GroupsRebuild)->Apply(timed);
BENCHMARK(BM_ExpandTenGroups)->Apply(timed);
BENCHMARK(BM_UploadBody)->Apply(timed);
BENCHMARK(BM_UploadBodyFromLists)->Apply(timed);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The picker reads the user's own book: a generated one in a folder of
    // this run's.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    QApplication app(argc, argv);
    bench::BookShape shape;
    shape.contacts = kContacts;
    shape.groups = kGroups;
    shape.mixedVersions = false;
    const QString path = AddressBook::defaultPath();
    if (!QDir().mkpath(QFileInfo(path).path()) || !bench::writeAddressBook(path, shape)) {
        std::fprintf(stderr, "cannot write the book %s\n", qPrintable(path));
        return 1;
    }
    Bench bench;
    QObject::connect(bench.picker, &RecipientPicker::recipientsChosen,
                     [&bench](const QString& text) { bench.recipients = text; });
    bench.picker->showPicker();
    gBench = &bench;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
