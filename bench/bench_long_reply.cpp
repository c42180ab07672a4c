// SPDX-License-Identifier: GPL-3.0-or-later
// A reply shown by the main window, from its arrival to its box painted, the
// balance line and the stored balance updated; and by the History window,
// from the click on its row to the reply and the table painted: the replies
// a broken or hostile gateway can send within the 1 MiB cap, beside an
// ordinary one. Target: under 100 ms for each. Run it in a temporary home
// (it writes the settings file):
//   bench_long_reply [benchmark options]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QEvent>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include "core/gateway/gateway_client.h"
#include "core/gateway/gateway_protocol.h"
#include "core/journal/journal.h"
#include "gui/history_window.h"
#include "gui/main_window.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

namespace {

constexpr qsizetype kCap = 1024 * 1024;

// Closes each box once its first frame is out.
class BoxCloser : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QDialog*>(watched);
        if (box && event->type() == QEvent::Paint && !closing_) {
            closing_ = true;
            QTimer::singleShot(0, box, [this, box] {
                box->done(0);
                closing_ = false;
            });
        }
        return false;
    }

private:
    bool closing_ = false;
};

void BM_ShowReply(benchmark::State& state, const QString& reply) {
    MainWindow window({u"http://www."_s, u"https://secure."_s, u"quillo.example"_s});
    window.show();
    auto* client = window.findChild<GatewayClient*>();
    BoxCloser closer;
    qApp->installEventFilter(&closer);
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        Q_EMIT client->replied(reply);  // returns once the box is closed
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
    qApp->removeEventFilter(&closer);
}

// Rows of `reply` and an ordinary one; clicks on each in turn, timing the
// click on the first.
void BM_HistoryShowsReply(benchmark::State& state, const QString& reply) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"journal.sqlite"_s);
    {
        Journal journal(path);
        journal.open();
        for (const QString& text : {u"Message accepted.\r\nCredits Left: 990"_s, reply}) {
            RequestRecord record = RequestRecord::of(QLatin1String(protocol::kSendPage), {});
            record.setReply(text);
            journal.add(record);
        }
    }
    HistoryWindow history(nullptr, path);
    history.showHistory();
    auto* table = history.findChild<QTableView*>(u"requests"_s);
    auto* pane = history.findChild<QPlainTextEdit*>(u"reply"_s);
    for (auto _ : state) {
        table->selectRow(1);
        QElapsedTimer clock;
        clock.start();
        table->selectRow(0);  // the newest
        table->viewport()->repaint();
        pane->viewport()->repaint();
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
    }
}

QString lines(qsizetype size) {
    QString text;
    while (text.size() < size)
        text += u"A line of an HTML page that went on and on, as error pages do.\r\n"_s;
    return text.left(size);
}

}  // namespace

BENCHMARK_CAPTURE(BM_ShowReply, ordinary,
                  u"Message accepted for 1 recipient, 5 credits charged.\r\nCredits Left: 995"_s)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ShowReply, refusal_with_balance, u"Invalid recipient. Credits Left: 100"_s)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ShowReply, one_MiB_line, QString(kCap, u'x'))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_ShowReply, one_MiB_of_lines, lines(kCap))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_ShowReply, balance_of_500000_digits,
                  u"Credits Left: "_s + QString(500'000, u'9'))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

BENCHMARK_CAPTURE(BM_HistoryShowsReply, ordinary, u"Message accepted.\r\nCredits Left: 985"_s)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_HistoryShowsReply, one_MiB_line, QString(kCap, u'x'))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK_CAPTURE(BM_HistoryShowsReply, balance_of_500000_digits,
                  u"Credits Left: "_s + QString(500'000, u'9'))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
