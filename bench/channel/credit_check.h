// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QString>
#include <QUrl>
#include <optional>

#include "core/gateway/gateway_location.h"

namespace pelicast {
class MainWindow;
}

// A credit check timed two ways against the gateway stand-in: through the
// program's main window from the click on `chkcr` to the reply shown, and as
// a plain QNetworkAccessManager POST of the same body.
namespace pelicast::bench {

// Starts the window's credit check (answering its question Yes and its reply
// box OK) and waits for the reply to be shown; the milliseconds since the
// click, or none after a failure or 10 s, with the reason in problem.
std::optional<double> timeCreditCheck(MainWindow& window, QString* problem);

class PlainPost {
public:
    PlainPost(const QUrl& address, const QSslConfiguration& tls);
    // Milliseconds from post() to the whole reply read; none on failure.
    std::optional<double> time(QString* problem);

private:
    QNetworkAccessManager manager_;
    QNetworkRequest request_;
};

// The body both send.
QByteArray creditCheckBody();

// A settings file for the account demo/demo over HTTPS without a proxy, in
// the temporary home the benchmark scripts give; before the window opens.
void storeDemoAccount();
GatewayLocation standInLocation(const QString& httpBase, const QString& httpsBase);

}  // namespace pelicast::bench
