// The request channel's overhead over HTTPS: a credit check from the click on
// `chkcr` to the "Server Response:" box, through the real main window and the
// real transfer component, against a bare QNetworkAccessManager POST of the
// same body to the same stand-in, interleaved in one run.
//   bench_channel [ITERATIONS] [MAX_RATIO]
// Exit status 0 when the median ratio is within MAX_RATIO, 1 when not, 2 when
// a request fails.
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslCertificate>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

#include "app/frmaddin.h"
#include "app/gateway_contract.h"
#include "fakes/fake_services.h"
#include "fakes/gateway_process.h"
#include "platform/network_transfer.h"

using namespace pelicast;

namespace {

constexpr int kWarmUp = 20;
constexpr int kTimeoutMs = 10000;
const QString kBody = QStringLiteral("user=demo&pass=demo");

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[std::size_t(p * double(values.size() - 1))];
}

// Answers Yes to the credit check's question and ends the wait when the
// reply box arrives, with the time since the click.
class ReplyStopwatch : public fakes::ScriptedDialogs {
public:
    Answer MsgBox(QWidget*, const Message& message) override {
        if (message.title == QLatin1String("Credit check"))
            return Answer::Yes;
        const bool reply = message.title == QLatin1String("Server Response:");
        finish(reply ? std::optional<QString>(message.text) : std::nullopt, message.text);
        return Answer::Ok;
    }

    // Clicks and waits; the milliseconds to the reply box, or none.
    std::optional<double> time(frmAddIn& window) {
        QEventLoop loop;
        loop_ = &loop;
        result_.reset();
        QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
        clock_.start();
        window.chkcr_Click();
        if (!result_)
            loop.exec();
        loop_ = nullptr;
        return result_;
    }

    QString problem;

private:
    void finish(const std::optional<QString>& reply, const QString& text) {
        const double ms = double(clock_.nsecsElapsed()) / 1e6;
        if (reply && reply->contains(QLatin1String(gateway::kCreditsMarker))) {
            result_ = ms;
        } else {
            problem = text;
        }
        if (loop_)
            loop_->quit();
    }

    QElapsedTimer clock_;
    QEventLoop* loop_ = nullptr;
    std::optional<double> result_;
};

// The same POST on a plain manager: post to finished, body read.
class BarePost {
public:
    explicit BarePost(const QUrl& address) : request_(address) {
        request_.setSslConfiguration(fakes::GatewayProcess::sslConfiguration());
        request_.setHeader(QNetworkRequest::ContentTypeHeader,
                           QByteArray(gateway::kFormContentType));
    }

    std::optional<double> time() {
        QEventLoop loop;
        std::optional<double> result;
        QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
        QElapsedTimer clock;
        clock.start();
        QNetworkReply* reply = manager_.post(request_, kBody.toUtf8());
        QObject::connect(reply, &QNetworkReply::finished, &loop, [&] {
            const QByteArray body = reply->readAll();
            const double ms = double(clock.nsecsElapsed()) / 1e6;
            if (reply->error() == QNetworkReply::NoError && body.contains(gateway::kCreditsMarker))
                result = ms;
            else
                problem = reply->errorString() + QLatin1Char(' ') + QString::fromUtf8(body);
            loop.quit();
        });
        loop.exec();
        reply->deleteLater();
        return result;
    }

    QString problem;

private:
    QNetworkAccessManager manager_;
    QNetworkRequest request_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int iterations = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 200;
    const double maxRatio = argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 1.2;

    fakes::GatewayProcess gateway;
    // Enough credits that no check ever runs short; a check costs nothing.
    if (!gateway.start({{QStringLiteral("demo"), QStringLiteral("demo"), 1000}})) {
        std::fprintf(stderr, "stand-in: %s\n", qPrintable(gateway.errorString()));
        return 2;
    }
    const GatewayLocation location{gateway.httpBase(), gateway.httpsBase(),
                                   QStringLiteral("quillo")};

    fakes::FakeServices fake;
    fake.settings.set(QLatin1String(userdata::kTransport), QStringLiteral("https"));
    fake.settings.set(QLatin1String(userdata::kProxy), QStringLiteral("0"));
    platform::NetworkTransfer inet(QSslCertificate::fromPath(fakes::GatewayProcess::caPath()));
    ReplyStopwatch dialogs;
    platform::Services services{fake.settings, fake.registry, inet,      dialogs,
                                fake.app,      fake.shell,    fake.help, fake.components};
    frmAddIn window(services, location);
    window.findChild<QLineEdit*>(QStringLiteral("Uname"))->setText(QStringLiteral("demo"));
    window.findChild<QLineEdit*>(QStringLiteral("Pass"))->setText(QStringLiteral("demo"));

    BarePost bare(QUrl(location.address(location.httpsBase, QLatin1String(gateway::kCreditsPage))));

    std::vector<double> channelMs;
    std::vector<double> bareMs;
    for (int i = 0; i < kWarmUp + iterations; ++i) {
        // Alternate which one goes first, so neither always follows the other.
        for (int k = 0; k < 2; ++k) {
            const bool channelTurn = (i + k) % 2 == 0;
            const std::optional<double> ms = channelTurn ? dialogs.time(window) : bare.time();
            if (!ms) {
                std::fprintf(stderr, "%s request failed: %s\n", channelTurn ? "channel" : "bare",
                             qPrintable(channelTurn ? dialogs.problem : bare.problem));
                return 2;
            }
            if (i >= kWarmUp)
                (channelTurn ? channelMs : bareMs).push_back(*ms);
        }
    }

    const double channel = median(channelMs);
    const double plain = median(bareMs);
    const double ratio = channel / plain;
    std::printf("iterations each:  %d (interleaved, after %d warm-up each)\n", iterations, kWarmUp);
    std::printf("credit check:     median %.3f ms (p10 %.3f, p90 %.3f)\n", channel,
                percentile(channelMs, 0.1), percentile(channelMs, 0.9));
    std::printf("bare POST:        median %.3f ms (p10 %.3f, p90 %.3f)\n", plain,
                percentile(bareMs, 0.1), percentile(bareMs, 0.9));
    std::printf("ratio:            %.3f (limit %.2f) %s\n", ratio, maxRatio,
                ratio <= maxRatio ? "PASS" : "FAIL");
    return ratio <= maxRatio ? 0 : 1;
}
