// SPDX-License-Identifier: GPL-3.0-or-later
// A batch of personal messages sent to the gateway stand-in with no pause:
// through BatchStore and BatchRunner (every row written queued first, then
// each claimed, on disk, before its request leaves), or, as anchors, the
// same request bodies posted one after another from one
// QNetworkAccessManager (--bare), or the same requests through GatewayClient
// (--client), with no journal at all. One process per run, its own stand-in;
// prints "send=MS" (first request to last reply) and, for the batch,
// "create=MS" (the rows written), for bench_runner.
//   bench_batch [--bare | --client] REQUESTS http|https
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSslConfiguration>
#include <QTemporaryFile>
#include <cstdio>

#include "core/book/recipient_list.h"
#include "core/book/recipient_table.h"
#include "core/gateway/connection_settings.h"
#include "core/gateway/form_fields.h"
#include "core/gateway/gateway_client.h"
#include "core/gateway/gateway_protocol.h"
#include "core/journal/batch_runner.h"
#include "core/journal/journal.h"
#include "core/journal/journal_recorder.h"
#include "core/message/batch_plan.h"
#include "core/settings/settings.h"
#include "support/gateway_process.h"

using namespace Qt::StringLiterals;
using namespace pelicast;

namespace {

void printMs(const char* name, const QElapsedTimer& clock) {
    std::printf("%s=%.3f\n", name, double(clock.nsecsElapsed()) / 1e6);
}

int failed(const QString& why) {
    std::fprintf(stderr, "bench_batch: %s\n", qPrintable(why));
    return 2;
}

// `count` people with a name each: every text differs, so every one is a
// request of its own.
Expected<BatchPlan> personalPlan(int count) {
    QTemporaryFile file;
    if (!file.open())
        return Unexpected(file.errorString());
    file.write("Name,Mobile\r\n");
    for (int i = 0; i < count; ++i)
        file.write(u"Person %1,+30694%2\r\n"_s.arg(i).arg(1000000 + i).toUtf8());
    file.close();
    Expected<RecipientTable> table = RecipientTable::read(file.fileName());
    if (!table)
        return Unexpected(table.error());
    const int column = table->numberColumn();
    return BatchPlan(u"Dear {Name}, the meeting is at 10."_s,
                     RecipientList::fromTable(std::move(*table), column, u"GR"_s), u"Club"_s);
}

MessageDraft draftOf(const PlannedRequest& request) {
    return {u"demo"_s, u"demo"_s, u"Club"_s, request.recipientsText(), request.text};
}

int sendBatch(const BatchPlan& plan, const GatewayLocation& location) {
    Settings settings;
    GatewayClient client(location);
    client.setConnection(ConnectionSettings::load(settings));
    JournalRecorder recorder(client, settings);
    recorder.prepare();  // the journal opened and checked before the clock starts
    recorder.waitForWrites();
    Journal journal;
    if (!journal.open())
        return failed(journal.errorString());
    BatchStore store(journal);
    QElapsedTimer clock;
    clock.start();
    const Expected<qint64> id = store.create({u"demo"_s, {}, {}, {}, {}}, plan);
    if (!id)
        return failed(id.error());
    printMs("create", clock);
    BatchRunner runner(recorder, client, store, settings);
    QEventLoop loop;
    BatchRunner::Status status{};
    QObject::connect(&runner, &BatchRunner::finished, &loop, [&](BatchRunner::Status how) {
        status = how;
        loop.quit();
    });
    clock.start();
    if (!runner.start(*id, u"demo"_s))
        return failed(runner.errorString());
    loop.exec();
    printMs("send", clock);
    const BatchCounts& counts = runner.progress().counts;
    if (status != BatchRunner::Status::Done ||
        counts.of(RequestRecord::Outcome::Accepted) != counts.total())
        return failed(u"the batch did not end with every request accepted"_s);
    return 0;
}

// The same requests through GatewayClient, one after another, no journal.
int sendThroughClient(const BatchPlan& plan, const GatewayLocation& location) {
    Settings settings;
    GatewayClient client(location);
    client.setConnection(ConnectionSettings::load(settings));
    QList<FormFields> requests;
    for (qsizetype i = 0; i < plan.count(); ++i)
        requests.append(sendMessageFields(draftOf(plan.request(i))));
    QString problem;
    QElapsedTimer clock;
    clock.start();
    for (const FormFields& fields : std::as_const(requests)) {
        QEventLoop loop;
        const auto replied =
            QObject::connect(&client, &GatewayClient::replied, &loop, [&](const QString& reply) {
                if (!reply.contains(QLatin1String(protocol::kCreditsMarker)))
                    problem = reply;
                loop.quit();
            });
        const auto broke =
            QObject::connect(&client, &GatewayClient::failed, &loop, [&](const QString& message) {
                problem = message;
                loop.quit();
            });
        client.post(QLatin1String(protocol::kSendPage), fields);
        loop.exec();
        QObject::disconnect(replied);
        QObject::disconnect(broke);
        if (!problem.isEmpty())
            return failed(problem);
    }
    printMs("send", clock);
    return 0;
}

int sendBare(const BatchPlan& plan, const GatewayLocation& location, const QString& transport) {
    QNetworkAccessManager manager;
    QNetworkRequest request(
        location.pageUrl(transport == "https"_L1 ? location.httpsBase : location.httpBase,
                         QLatin1String(protocol::kSendPage)));
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray(protocol::kFormContentType));
    // The bodies made beforehand: the batch makes its own from the rows.
    QList<QByteArray> bodies;
    for (qsizetype i = 0; i < plan.count(); ++i)
        bodies.append(encodeForm(sendMessageFields(draftOf(plan.request(i)))));
    QElapsedTimer clock;
    clock.start();
    for (const QByteArray& body : std::as_const(bodies)) {
        QEventLoop loop;
        QNetworkReply* reply = manager.post(request, body);
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        const QByteArray answer = reply->readAll();
        reply->deleteLater();
        if (reply->error() != QNetworkReply::NoError || !answer.contains(protocol::kCreditsMarker))
            return failed(reply->errorString() + u' ' + QString::fromUtf8(answer));
    }
    printMs("send", clock);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QStringList arguments = application.arguments().mid(1);
    const bool bare = arguments.removeAll(u"--bare"_s) > 0;
    const bool throughClient = arguments.removeAll(u"--client"_s) > 0;
    const int count = arguments.value(0).toInt();
    const QString transport = arguments.value(1);
    if (count <= 0 || (transport != "http"_L1 && transport != "https"_L1))
        return failed(u"usage: bench_batch [--bare | --client] REQUESTS http|https"_s);

    testing::GatewayProcess gateway;
    if (!gateway.start({{u"demo"_s, u"demo"_s, 100'000'000}}))
        return failed(gateway.errorString());
    QSslConfiguration::setDefaultConfiguration(testing::GatewayProcess::sslConfiguration());
    Settings settings;
    settings.setValue(keys::kTransport, transport);
    settings.setValue(keys::kProxy, u"0"_s);
    const GatewayLocation location{gateway.httpBase(), gateway.httpsBase(), u"quillo"_s};
    const Expected<BatchPlan> plan = personalPlan(count);
    if (!plan)
        return failed(plan.error());
    if (throughClient)
        return sendThroughClient(*plan, location);
    return bare ? sendBare(*plan, location, transport) : sendBatch(*plan, location);
}
