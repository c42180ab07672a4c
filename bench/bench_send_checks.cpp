// SPDX-License-Identifier: GPL-3.0-or-later
// What runs on every key in the message field, and the recipient check of a
// pasted list before a send. Targets: re-counting and re-marking a full
// 160-character message of mixed characters under 0.5 ms at the median, and
// checking 10,000 recipients under 200 ms:
//   bench_send_checks [google benchmark options]
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTextCursor>

#include "core/message/draft_review.h"
#include "core/message/recipient_check.h"
#include "gui/encoding_highlighter.h"
#include "gui/encoding_line.h"
#include "gui/message_text_edit.h"

using namespace pelicast;
using namespace Qt::StringLiterals;

namespace {

constexpr int kRecipients = 10000;

// 160 UTF-16 code units: GSM letters and accents, extension characters, curly
// quotes and dashes, lower-case Greek and an emoji, over two lines.
QString mixedMessage() {
    const QString piece = u"Café “{x}” – λόγος 😀 ok… "_s;
    QString text;
    while (text.size() + piece.size() <= 159)
        text += piece;
    text += u'\n';
    return text.leftJustified(kMessageLimit, u'a');
}

// A pasted column: national and international forms, spaces, dashes and
// brackets, and every twentieth number a repeat of an earlier one.
QString pastedRecipients() {
    QStringList numbers;
    for (int i = 0; i < kRecipients; ++i) {
        const int n = i % 20 == 19 ? i - 7 : i;
        const QString digits = QString::number(900000 + n);
        switch (i % 4) {
            case 0:
                numbers.append(u"07700 "_s + digits);
                break;
            case 1:
                numbers.append(u"+44 7700-"_s + digits);
                break;
            case 2:
                numbers.append(u"(07700) "_s + digits);
                break;
            default:
                numbers.append(u"Doe, Jo (00447700"_s + digits + u')');
                break;
        }
    }
    return numbers.join(u';');
}

struct Editor {
    MessageTextEdit edit;
    EncodingLine line{&edit};
    EncodingHighlighter* highlighter = edit.document()->findChild<EncodingHighlighter*>();
    Editor() { edit.setText(mixedMessage()); }
};

// The work of one key: the line's count and the marks of the message.
void BM_RecountAndRemark(benchmark::State& state) {
    Editor editor;
    for (auto _ : state) {
        editor.line.showEncoding();
        editor.highlighter->rehighlight();
    }
}

// A key typed and taken back, with all the editor does besides.
void BM_KeyInFullMessage(benchmark::State& state) {
    Editor editor;
    QTextCursor cursor(editor.edit.document());
    cursor.setPosition(80);
    for (auto _ : state) {
        cursor.insertText(u"x"_s);
        cursor.deletePreviousChar();
    }
}

void BM_CheckPastedRecipients(benchmark::State& state) {
    const QString recipients = pastedRecipients();
    const QString region = state.range(0) ? u"GB"_s : QString();
    checkRecipients(u"07700900000"_s, region);  // the library's one-time start-up
    qsizetype repeats = 0;
    for (auto _ : state)
        repeats = checkRecipients(recipients, region).repeats.size();
    state.counters["repeats"] = double(repeats);
}

BENCHMARK(BM_RecountAndRemark)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_KeyInFullMessage)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_CheckPastedRecipients)
    ->ArgName("region")
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
