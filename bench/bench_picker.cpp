// The recipient picker and the contact-list upload on a generated book of
// 30,000 contacts in 200 groups (scripts/bench-picker):
//   bench_picker [google benchmark options]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <cstdio>

#include "address_book_generator.h"
#include "addressbook/address_book_access.h"
#include "addressbook/clist.h"
#include "addressbook/contact_labels.h"
#include "addressbook/picker_entries.h"
#include "addressbook/picker_host.h"
#include "app/contact_upload.h"
#include "fakes/scripted_dialogs.h"
#include "platform/component_factory.h"

using namespace pelicast;

namespace {

constexpr int kContacts = 30000;
constexpr int kGroups = 200;
constexpr int kTickedGroups = 10;

struct Host : PickerHost {
    QString recipientsText() const override { return recipients; }
    void setRecipientsText(const QString& text) override { recipients = text; }
    void setStatusText(const QString&) override {}
    void setMousePointer(int) override {}
    QString recipients;
};

// One picker over one book for the whole run, as in the program.
struct Bench {
    QTemporaryDir dir;
    QString path = dir.filePath("contacts.vcf");
    platform::DefaultComponentFactory factory{path};
    fakes::ScriptedDialogs dialogs;
    Host host;
    QPointer<clist> picker;

    QComboBox& category() { return *picker->findChild<QComboBox*>("con_cat"); }
    QListWidget& list() { return *picker->findChild<QListWidget*>("con_idx"); }
    void rebuild(const char* mode) {
        category().setCurrentIndex(category().findText(mode));
        picker->con_cat_Click();
    }
};

Bench* gBench = nullptr;

void BM_ContactsRebuild(benchmark::State& state) {
    for (auto _ : state)
        gBench->rebuild("Contacts");
    state.counters["entries"] = gBench->list().count();
}

void BM_ContactEntries(benchmark::State& state) {
    for (auto _ : state) {
        auto book = openAddressBook(gBench->factory);
        QStringList entries = ContactEntries(*book);
        SortIgnoringCase(entries);
        benchmark::DoNotOptimize(entries);
    }
}

void BM_GroupsRebuild(benchmark::State& state) {
    for (auto _ : state)
        gBench->rebuild("Groups");
    state.counters["entries"] = gBench->list().count();
}

void BM_ExpandTenGroups(benchmark::State& state) {
    gBench->rebuild("Groups");
    QListWidget& list = gBench->list();
    for (int i = 0; i < kTickedGroups; ++i)
        list.item(i * (kGroups / kTickedGroups))->setCheckState(Qt::Checked);
    auto* replace = gBench->picker->findChild<QPushButton*>("OKButton");
    for (auto _ : state)
        replace->click();
    state.counters["recipients"] = gBench->host.recipients.count(QLatin1Char(';'));
}

void BM_UploadBody(benchmark::State& state) {
    qsizetype size = 0;
    for (auto _ : state) {
        const ContactList list = CollectContactList(*openAddressBook(gBench->factory));
        size = ContactUploadBody("demo", "secret", list, "Friends;Work", true).size();
    }
    state.counters["body_chars"] = double(size);
}

void BM_UploadBodyFromLists(benchmark::State& state) {
    const ContactList list = CollectContactList(*openAddressBook(gBench->factory));
    for (auto _ : state)
        benchmark::DoNotOptimize(ContactUploadBody("demo", "secret", list, "Friends;Work", true));
}

void Timed(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(15)->ReportAggregatesOnly(true);
}

BENCHMARK(BM_ContactsRebuild)->Apply(Timed);
BENCHMARK(BM_ContactEntries)->Apply(Timed);
BENCHMARK(BM_GroupsRebuild)->Apply(Timed);
BENCHMARK(BM_ExpandTenGroups)->Apply(Timed);
BENCHMARK(BM_UploadBody)->Apply(Timed);
BENCHMARK(BM_UploadBodyFromLists)->Apply(Timed);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Bench bench;
    bench::BookShape shape;
    shape.contacts = kContacts;
    shape.groups = kGroups;
    if (!bench::WriteAddressBook(bench.path, shape)) {
        std::fprintf(stderr, "cannot write the book %s\n", qPrintable(bench.path));
        return 1;
    }
    QWidget mainWindow;
    clist::open(bench.picker, bench.dialogs, bench.factory, bench.host, &mainWindow);
    if (!bench.dialogs.shown.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(bench.dialogs.lastText()));
        return 1;
    }
    gBench = &bench;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
