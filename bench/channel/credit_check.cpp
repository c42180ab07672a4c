// SPDX-License-Identifier: GPL-3.0-or-later
#include "credit_check.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkReply>
#include <QTimer>

#include "core/gateway/gateway_client.h"
#include "core/gateway/gateway_protocol.h"
#include "core/settings/settings.h"
#include "gui/main_window.h"
#include "gui/message_box.h"

using namespace Qt::StringLiterals;

namespace pelicast::bench {

namespace {

constexpr int kTimeoutMs = 10000;

}  // namespace

std::optional<double> timeCreditCheck(MainWindow& window, QString* problem) {
    auto* client = window.findChild<GatewayClient*>();
    QEventLoop loop;
    std::optional<double> result;
    QElapsedTimer clock;
    // Timed to the moment the reply box shows the balance.
    MessageBox::setShownHook([&](const QString& text) {
        if (!result && text.contains(QLatin1String(protocol::kCreditsMarker)))
            result = double(clock.nsecsElapsed()) / 1e6;
    });
    // Connected after the window's own handlers, so these run once the
    // window has dealt with the outcome.
    const auto replied =
        QObject::connect(client, &GatewayClient::replied, &loop, [&](const QString& reply) {
            if (!result)
                *problem = reply;
            loop.quit();
        });
    const auto failed =
        QObject::connect(client, &GatewayClient::failed, &loop, [&](const QString& message) {
            *problem = message;
            loop.quit();
        });
    QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
    MessageBox::setNextAnswer(MessageBox::Answer::Yes);  // "Receive credit balance ...?"
    MessageBox::setNextAnswer(MessageBox::Answer::Ok);   // the reply, or the failure
    clock.start();
    window.checkCredits();  // what a click on `chkcr` or the menu entry does
    if (!result && problem->isEmpty())
        loop.exec();
    MessageBox::setShownHook({});
    QObject::disconnect(replied);
    QObject::disconnect(failed);
    return result;
}

PlainPost::PlainPost(const QUrl& address, const QSslConfiguration& tls) : request_(address) {
    request_.setSslConfiguration(tls);
    request_.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray(protocol::kFormContentType));
}

std::optional<double> PlainPost::time(QString* problem) {
    QEventLoop loop;
    std::optional<double> result;
    QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
    QElapsedTimer clock;
    clock.start();
    QNetworkReply* reply = manager_.post(request_, creditCheckBody());
    QObject::connect(reply, &QNetworkReply::finished, &loop, [&] {
        const QByteArray body = reply->readAll();
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        if (reply->error() == QNetworkReply::NoError && body.contains(protocol::kCreditsMarker))
            result = ms;
        else
            *problem = reply->errorString() + QLatin1Char(' ') + QString::fromUtf8(body);
        loop.quit();
    });
    loop.exec();
    reply->deleteLater();
    return result;
}

QByteArray creditCheckBody() {
    return QByteArrayLiteral("user=demo&pass=demo");
}

void storeDemoAccount() {
    Settings settings;
    settings.setScrambledValue(keys::kUsername, u"demo"_s);
    settings.setScrambledValue(keys::kPassword, u"demo"_s);
    // Told before that, without a keyring, the password is kept here.
    settings.setValue(keys::keyring::kFileNoticeShown, u"true"_s);
    settings.setValue(keys::kTransport, u"https"_s);
    settings.setValue(keys::kProxy, u"0"_s);
}

GatewayLocation standInLocation(const QString& httpBase, const QString& httpsBase) {
    return {httpBase, httpsBase, u"quillo"_s};
}

}  // namespace pelicast::bench
