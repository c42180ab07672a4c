// SPDX-License-Identifier: GPL-3.0-or-later
// The first credit check after start-up, over HTTPS to the gateway stand-in
// on loopback, in a new process: the main window is up and painted, then
// `chkcr` is clicked; timed to the reply shown. Needs a build that trusts the
// stand-in's CA as the program does (PELICAST_EXTRA_CA).
//   bench_first_request            first= (ms), warm= (median ms of the next 10)
//   bench_first_request --anchor-window
//                                  the same for a plain QNetworkAccessManager
//                                  POST trusting the stand-in's CA, the first
//                                  one including that CA's loading, made at
//                                  the first paint of a bare main window (the
//                                  start-up benchmark's baseline window)
//   bench_first_request --anchor   that POST in a program without a window
//   --click-after MS               the click (or the POST) MS after the first
//                                  paint instead of at once
#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QSslCertificate>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "bench_support.h"
#include "core/gateway/gateway_protocol.h"
#include "credit_check.h"
#include "gui/main_window.h"
#include "support/gateway_process.h"

using namespace Qt::StringLiterals;

using namespace pelicast;

namespace {

constexpr int kWarm = 10;

// The first request, then kWarm more; false on a failure.
bool timeRequests(const std::function<std::optional<double>(QString*)>& request) {
    QString problem;
    const std::optional<double> first = request(&problem);
    if (!first) {
        std::fprintf(stderr, "request failed: %s\n", qPrintable(problem));
        return false;
    }
    bench::printFigure("first", *first);
    std::vector<double> warm;
    for (int i = 0; i < kWarm; ++i) {
        const std::optional<double> ms = request(&problem);
        if (!ms) {
            std::fprintf(stderr, "request failed: %s\n", qPrintable(problem));
            return false;
        }
        warm.push_back(*ms);
    }
    std::nth_element(warm.begin(), warm.begin() + kWarm / 2, warm.end());
    bench::printFigure("warm", warm[kWarm / 2]);
    return true;
}

// The first request and the warm ones after it, in the window's first
// paint plus `clickAfterMs`; the process's exit status.
int clickAfterFirstPaint(QWidget& window, int clickAfterMs, const std::function<bool()>& requests) {
    int status = 1;
    bench::afterFirstPaint(&window, [&] {
        QTimer::singleShot(clickAfterMs, [&] {
            status = requests() ? 0 : 1;
            QCoreApplication::quit();
        });
    });
    window.show();
    QApplication::exec();
    return status;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(1);
    int clickAfterMs = 0;
    if (const qsizetype at = arguments.indexOf(u"--click-after"_s);
        at >= 0 && at + 1 < arguments.size()) {
        clickAfterMs = arguments.at(at + 1).toInt();
        arguments.remove(at, 2);
    }
    const QString mode = arguments.value(0);
    testing::GatewayProcess gateway;
    if (!gateway.start({{u"demo"_s, u"demo"_s, 1000000}})) {
        std::fprintf(stderr, "stand-in: %s\n", qPrintable(gateway.errorString()));
        return 2;
    }
    const GatewayLocation location =
        bench::standInLocation(gateway.httpBase(), gateway.httpsBase());
    const auto plainPosts = [&] {
        // Trusting the CA loads the TLS library, as the program's first
        // request does: that set-up counts towards the first request.
        QElapsedTimer setUp;
        setUp.start();
        QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
        tls.addCaCertificates(QSslCertificate::fromPath(testing::GatewayProcess::caPath()));
        bench::PlainPost post(
            location.pageUrl(location.httpsBase, QLatin1String(protocol::kCreditsPage)), tls);
        double setUpMs = double(setUp.nsecsElapsed()) / 1e6;
        return timeRequests([&](QString* problem) {
            std::optional<double> ms = post.time(problem);
            if (ms)
                *ms += std::exchange(setUpMs, 0.0);
            return ms;
        });
    };
    if (mode == QLatin1String("--anchor"))
        return plainPosts() ? 0 : 1;
    if (mode == QLatin1String("--anchor-window")) {
        QMainWindow window;
        bench::setUpBareMainWindow(window);
        return clickAfterFirstPaint(window, clickAfterMs, plainPosts);
    }
    bench::storeDemoAccount();
    MainWindow window(location);
    return clickAfterFirstPaint(window, clickAfterMs, [&] {
        return timeRequests(
            [&](QString* problem) { return bench::timeCreditCheck(window, problem); });
    });
}
