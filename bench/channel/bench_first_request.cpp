// SPDX-License-Identifier: GPL-3.0-or-later
// The first credit check after start-up, over HTTPS to the gateway stand-in
// on loopback, in a new process: the main window is up and painted, then
// `chkcr` is clicked; timed to the reply shown. Needs a build that trusts the
// stand-in's CA as the program does (PELICAST_EXTRA_CA).
//   bench_first_request            first= (ms), warm= (median ms of the next 10)
//   bench_first_request --anchor   the same for a plain QNetworkAccessManager
//                                  POST trusting the stand-in's CA, the first
//                                  one including that CA's loading
#include <QApplication>
#include <QElapsedTimer>
#include <QSslCertificate>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "bench_support.h"
#include "core/gateway_protocol.h"
#include "credit_check.h"
#include "gui/main_window.h"
#include "support/gateway_process.h"

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

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const bool anchor = argc == 2 && std::strcmp(argv[1], "--anchor") == 0;
    testing::GatewayProcess gateway;
    if (!gateway.start({{QStringLiteral("demo"), QStringLiteral("demo"), 1000000}})) {
        std::fprintf(stderr, "stand-in: %s\n", qPrintable(gateway.errorString()));
        return 2;
    }
    const GatewayLocation location =
        bench::standInLocation(gateway.httpBase(), gateway.httpsBase());
    if (anchor) {
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
        })
                   ? 0
                   : 1;
    }
    bench::storeDemoAccount();
    MainWindow window(location);
    int status = 1;
    bench::afterFirstPaint(&window, [&] {
        status =
            timeRequests([&](QString* problem) { return bench::timeCreditCheck(window, problem); })
                ? 0
                : 1;
        QCoreApplication::quit();
    });
    window.show();
    QApplication::exec();
    return status;
}
