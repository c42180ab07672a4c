// SPDX-License-Identifier: GPL-3.0-or-later
// The request channel's overhead over HTTPS once warm: a credit check from
// the click on `chkcr` to the reply shown, through the real main window and
// GatewayClient, against a plain QNetworkAccessManager POST of the same body
// to the same stand-in, interleaved in one run after 20 warm-ups each.
//   bench_channel [ITERATIONS] [MAX_RATIO]
// Exit status 0 when the median ratio is within MAX_RATIO, 1 when not, 2 when
// a request fails.
#include <QApplication>
#include <QSslConfiguration>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/gateway/gateway_protocol.h"
#include "credit_check.h"
#include "gui/main_window.h"
#include "support/gateway_process.h"

using namespace Qt::StringLiterals;

using namespace pelicast;

namespace {

constexpr int kWarmUp = 20;

double percentile(std::vector<double> values, double p) {
    std::sort(values.begin(), values.end());
    return values[std::size_t(p * double(values.size() - 1))];
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const int iterations = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 200;
    const double maxRatio = argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 1.2;

    testing::GatewayProcess gateway;
    if (!gateway.start({{u"demo"_s, u"demo"_s, 1000}})) {
        std::fprintf(stderr, "stand-in: %s\n", qPrintable(gateway.errorString()));
        return 2;
    }
    // Trusted the way the tests do, whatever CA this build names.
    QSslConfiguration::setDefaultConfiguration(testing::GatewayProcess::sslConfiguration());
    bench::storeDemoAccount();
    const GatewayLocation location =
        bench::standInLocation(gateway.httpBase(), gateway.httpsBase());
    MainWindow window(location);
    bench::PlainPost plain(
        location.pageUrl(location.httpsBase, QLatin1String(protocol::kCreditsPage)),
        testing::GatewayProcess::sslConfiguration());

    std::vector<double> channelMs;
    std::vector<double> plainMs;
    for (int i = 0; i < kWarmUp + iterations; ++i) {
        // Alternate which one goes first, so neither always follows the other.
        for (int k = 0; k < 2; ++k) {
            const bool channelTurn = (i + k) % 2 == 0;
            QString problem;
            const std::optional<double> ms =
                channelTurn ? bench::timeCreditCheck(window, &problem) : plain.time(&problem);
            if (!ms) {
                std::fprintf(stderr, "%s request failed: %s\n", channelTurn ? "channel" : "plain",
                             qPrintable(problem));
                return 2;
            }
            if (i >= kWarmUp)
                (channelTurn ? channelMs : plainMs).push_back(*ms);
        }
    }

    const double channel = median(channelMs);
    const double bare = median(plainMs);
    const double ratio = channel / bare;
    std::printf("iterations each:  %d (interleaved, after %d warm-up each)\n", iterations, kWarmUp);
    std::printf("credit check:     median %.3f ms (p10 %.3f, p90 %.3f)\n", channel,
                percentile(channelMs, 0.1), percentile(channelMs, 0.9));
    std::printf("bare POST:        median %.3f ms (p10 %.3f, p90 %.3f)\n", bare,
                percentile(plainMs, 0.1), percentile(plainMs, 0.9));
    std::printf("ratio:            %.3f (limit %.2f) %s\n", ratio, maxRatio,
                ratio <= maxRatio ? "PASS" : "FAIL");
    return ratio <= maxRatio ? 0 : 1;
}
