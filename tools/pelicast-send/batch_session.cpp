// SPDX-License-Identifier: GPL-3.0-or-later
#include "batch_session.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonObject>

#include "core/gateway/connection_settings.h"
#include "core/gateway/gateway_protocol.h"
#include "core/journal/batch_runner.h"
#include "send_context.h"
#include "signal_catcher.h"

using namespace Qt::StringLiterals;

namespace pelicast {

using Outcome = RequestRecord::Outcome;

namespace {

// This file's texts, under the command's context for the translators.
struct BatchSessionText {
    Q_DECLARE_TR_FUNCTIONS(SendCommand)
};

// A request's recipients in a line: the first few.
QString recipientsLine(const QString& recipients) {
    constexpr qsizetype kNamed = 3;
    const QStringList elements = recipients.split(u';', Qt::SkipEmptyParts);
    QString line = elements.first(std::min(elements.size(), kNamed)).join(u"; "_s);
    if (elements.size() > kNamed)
        line = BatchSessionText::tr("%1 and %n more", nullptr, int(elements.size() - kNamed))
                   .arg(line);
    return line;
}

// What the outcomes of a batch come to, in a word.
QString verdictName(const BatchCounts& counts) {
    switch (counts.verdict()) {
        case BatchVerdict::Accepted:
            return outcomeName(Outcome::Accepted);
        case BatchVerdict::Refused:
            return outcomeName(Outcome::Refused);
        case BatchVerdict::Uncertain:
            break;
    }
    return outcomeName(counts.uncertain() > 0 ? Outcome::Unknown : Outcome::Queued);
}

}  // namespace

QString batchLine(const BatchInfo& batch) {
    const BatchCounts& counts = batch.counts;
    const auto number = [](qint64 n) { return QString::number(n); };
    QString line = BatchSessionText::tr(
                       "Batch %1, %n requests: %2 accepted, %3 refused, %4 unknown, "
                       "%5 queued",
                       nullptr, int(counts.total()))
                       .arg(number(batch.id), number(counts.of(Outcome::Accepted)),
                            number(counts.of(Outcome::Refused)), number(counts.uncertain()),
                            number(counts.of(Outcome::Queued)));
    if (counts.of(Outcome::Pending) > 0)
        line += BatchSessionText::tr(", %n being sent", nullptr, int(counts.of(Outcome::Pending)));
    return line;
}

BatchJson::BatchJson(const QString& account, const QString& originator)
    : shape_{{u"account"_s, account}, {u"originator"_s, originator}} {}

void BatchJson::add(const QStringList& recipients, const QString& text, int parts,
                    const QString& encoding, qint64 cost, const QString& outcome) {
    requests_.append(QJsonObject{{u"recipients"_s, QJsonArray::fromStringList(recipients)},
                                 {u"text"_s, text},
                                 {u"parts"_s, parts},
                                 {u"encoding"_s, encoding},
                                 {u"cost"_s, cost},
                                 {u"outcome"_s, outcome}});
    messages_ += recipients.size();
    sms_ += qint64(parts) * recipients.size();
    cost_ += cost;
}

QJsonObject BatchJson::result(const QJsonValue& batch, const QString& outcome,
                              const QString& balance) const {
    QJsonObject result = shape_;
    result.insert(u"batch"_s, batch);
    result.insert(u"outcome"_s, outcome);
    result.insert(u"messages"_s, messages_);
    result.insert(u"sms"_s, sms_);
    result.insert(u"cost"_s, cost_);
    result.insert(u"requests"_s, requests_);
    result.insert(u"balance"_s, balanceValue(balance));
    return result;
}

BatchSession::BatchSession(SendContext& context)
    : context_(context),
      client_(context.location),
      recorder_(client_, context.settings),
      store_(journal_) {
    client_.setConnection(ConnectionSettings::load(context.settings));
    QObject::connect(&recorder_, &JournalRecorder::journalSetAside,
                     [this](const QString& notice) { context_.warn(notice); });
}

bool BatchSession::open() {
    // The recorder checks the file on its thread; this thread then uses it.
    QString failure;
    const QMetaObject::Connection told =
        QObject::connect(&recorder_, &JournalRecorder::failed,
                         [&failure](const QString& reason) { failure = reason; });
    recorder_.prepare();
    recorder_.waitForWrites();
    QObject::disconnect(told);
    if (!failure.isEmpty() || !journal_.open())
        return context_.stop(
            kUnreadableData,
            BatchSessionText::tr("%1\nA batch is written to the journal before anything is sent: "
                                 "nothing was sent.")
                .arg(failure.isEmpty() ? journal_.errorString() : failure));
    return true;
}

int BatchSession::run(qint64 id, const QString& password,
                      const std::function<void(BatchRunner&)>& watch) {
    BatchRunner runner(recorder_, client_, store_, context_.settings);
    if (watch)
        watch(runner);
    SignalCatcher interrupts;
    QEventLoop loop;
    BatchRunner::Status status = BatchRunner::Status::Done;
    QString error;
    QString balance;
    int signal = 0;
    QObject::connect(&runner, &BatchRunner::requestFinished, [&](const BatchRequest& request) {
        if (const QString stated = plausibleBalance(request.record.reply); !stated.isNull())
            balance = stated;
        const BatchProgress& progress = runner.progress();
        if (!context_.json)
            context_.print({}, u"%1/%2 %3: %4"_s.arg(progress.done)
                                   .arg(progress.total)
                                   .arg(outcomeName(request.record.outcome),
                                        recipientsLine(request.record.recipients)));
    });
    QObject::connect(&runner, &BatchRunner::finished, &loop,
                     [&](BatchRunner::Status how, const QString& reason) {
                         status = how;
                         error = reason;
                         loop.quit();
                     });
    QObject::connect(&interrupts, &SignalCatcher::caught, &loop, [&](int number) {
        signal = number;
        loop.quit();
    });
    if (!runner.start(id, password)) {
        context_.stop(kUnreadableData, runner.errorString());
        return context_.status;
    }
    loop.exec();
    if (signal != 0) {
        const QString name = SignalCatcher::nameOf(signal);
        const bool out = runner.abandon(
            BatchSessionText::tr("pelicast-send was stopped by %1 before the answer came.")
                .arg(name));
        error = out ? BatchSessionText::tr("Stopped by %1 with a request out. %2")
                          .arg(name,
                               GatewayClient::noCompleteAnswer(QLatin1String(protocol::kSendPage)))
                    : BatchSessionText::tr("Stopped by %1.").arg(name);
        status = BatchRunner::Status::Stopped;
    }
    const int verdict = report(id, balance, error);
    if (status == BatchRunner::Status::JournalFailed)
        return kUnreadableData;
    return signal != 0 || status == BatchRunner::Status::NetworkFailed ? kNetworkFailure : verdict;
}

int BatchSession::report(qint64 id, const QString& balance, const QString& error) {
    const Expected<std::optional<BatchInfo>> found = store_.batch(id);
    const Expected<QList<BatchRequest>> requests = store_.requests(id);
    if (!found || !requests || !*found) {
        context_.stop(kUnreadableData, !found ? found.error() : requests.error());
        return context_.status;
    }
    const BatchInfo& batch = **found;
    if (context_.json) {
        BatchJson json(batch.account, batch.originator);
        for (const BatchRequest& request : *requests) {
            const RequestRecord& r = request.record;
            json.add(r.recipients.split(u';', Qt::SkipEmptyParts), r.message, r.parts, r.encoding,
                     r.cost, outcomeName(r.outcome));
        }
        QJsonObject result = json.result(QString::number(id), verdictName(batch.counts), balance);
        if (!error.isEmpty())
            result.insert(u"error"_s, error);
        context_.print(result, {});
    } else {
        QString summary = batchLine(batch) + BatchSessionText::tr("; %n credits spent", nullptr,
                                                                  int(batch.counts.spent));
        if (!balance.isNull())
            summary += BatchSessionText::tr("; Credits Left:%1").arg(balance);
        context_.print({}, summary);
    }
    if (!error.isEmpty())
        context_.say(u"pelicast-send: ", error);
    const BatchCounts& counts = batch.counts;
    if (counts.uncertain() > 0)
        context_.warn(BatchSessionText::tr(
                          "%n requests of batch %1 got no clear answer: they may have been sent. "
                          "Check your balance; pelicast-send never sends them again on "
                          "its own (--resend-unknown %1 does, at the risk of sending "
                          "them twice).",
                          nullptr, int(counts.uncertain()))
                          .arg(id));
    // Paused for the quiet hours: the rest goes at the batch's new time.
    if (batch.state == BatchState::Scheduled) {
        context_.say(
            u"pelicast-send: "_s,
            BatchSessionText::tr("Batch %1 pauses for the quiet hours: its %n queued "
                                 "requests go at %2.",
                                 nullptr, int(counts.of(Outcome::Queued)))
                .arg(QString::number(id), batch.due.toLocalTime().toString(u"yyyy-MM-dd HH:mm"_s)));
        return counts.uncertain() > 0            ? int(BatchVerdict::Uncertain)
               : counts.of(Outcome::Refused) > 0 ? int(BatchVerdict::Refused)
                                                 : int(BatchVerdict::Accepted);
    }
    if (counts.of(Outcome::Queued) > 0)
        context_.warn(BatchSessionText::tr(
                          "%n requests of batch %1 are still queued: pelicast-send --continue %1 "
                          "sends them.",
                          nullptr, int(counts.of(Outcome::Queued)))
                          .arg(id));
    return int(counts.verdict());
}

}  // namespace pelicast
