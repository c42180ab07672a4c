// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QNetworkAccessManager>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <chrono>

#include "core/gateway/connection_settings.h"
#include "core/gateway/form_fields.h"
#include "core/gateway/gateway_location.h"

class QNetworkReply;

namespace pelicast {

// Posts one form-encoded request at a time to a gateway page over
// QNetworkAccessManager. No redirect is followed, TLS errors are never
// ignored, and a request ends after 30 s of silence, 120 s in all or 1 MiB
// of reply. Only a 2xx answer is a reply; any other status is a failure.
class GatewayClient : public QObject {
    Q_OBJECT
public:
    // How long a request may take and how much it may bring back.
    struct Limits {
        std::chrono::milliseconds idle{30'000};    // no byte either way this long
        std::chrono::milliseconds total{120'000};  // the whole exchange
        qint64 maxReplyBytes = 1024 * 1024;
    };

    explicit GatewayClient(GatewayLocation location, QObject* parent = nullptr);
    ~GatewayClient() override;

    // For tests; the defaults above are the program's.
    void setLimits(const Limits& limits) { limits_ = limits; }

    const GatewayLocation& location() const { return location_; }

    // Applies stored connection choices: transport base and proxy.
    void setConnection(const ConnectionSettings& connection);
    // The transport base pages are addressed with ("https://secure." ...).
    QString transportBase() const;

    bool isBusy() const;

    // Starts the request and returns at once; false (and nothing sent) when
    // one is already out. The outcome arrives as replied() or failed(), each
    // after busyChanged(false), so a slot may post the next request.
    bool post(const QString& page, const FormFields& fields);
    // Opens the connection a request to `page` takes (the TLS handshake
    // included) and sends nothing, so that a post() soon after, once its
    // row is recorded, goes out at once. Nothing when it cannot be made.
    void connectAhead(const QString& page);

    // What the user is told of a request to `page` that went out and got no
    // complete answer: the gateway may have acted on it; the second is the
    // advice alone.
    static QString noCompleteAnswer(const QString& page);
    static QString uncertainOutcome(const QString& page);

Q_SIGNALS:
    void busyChanged(bool busy);
    // The whole reply text, decoded by its charset.
    void replied(const QString& reply);
    // The whole text of the box that tells the user the request failed: that
    // it did not reach the gateway, or, once it was sent, that the gateway
    // may have acted on it (`uncertain`); with the reason and advice.
    void failed(const QString& message, bool uncertain);

private:
    void send(const QUrl& url, const QByteArray& body);
    void readReply();
    void finish(QNetworkReply* reply);
    void complete(const QByteArray& contentType);
    void fail(const QString& reason);
    void failWithStatus(int status, const QByteArray& contentType);
    void end(const QString& message, bool uncertain);
    void failLater(const QString& reason);
    void dropReply();
    void setBusy(bool busy);

    GatewayLocation location_;
    ConnectionSettings connection_;
    Limits limits_;
    QNetworkAccessManager network_;
    QPointer<QNetworkReply> reply_;
    QTimer idleTimer_;
    QTimer totalTimer_;
    bool busy_ = false;
    quint64 serial_ = 0;  // tells a stale queued failure from the current request
    QString host_;
    QString page_;
    bool delivered_ = false;              // the whole request went out: the gateway may act on it
    bool systemAuthoritiesOnly_ = false;  // the extra authority was tried and refused
    QUrl url_;                            // kept for that second try
    QByteArray body_;
    QStringList tlsErrors_;
    QByteArray received_;
};

// The text after "Credits Left:" (spelled exactly so) in a reply, up to a
// second marker or the end, or a null string when the reply states no
// balance. A marker with nothing behind it gives an empty, non-null text.
QString balanceFromReply(const QString& reply);

// A balance longer than this is no balance a gateway states: it stays in the
// reply (and History), but is neither shown as the balance nor stored.
inline constexpr qsizetype kMaxBalanceLength = 32;
// balanceFromReply(), or a null string when that is longer than the above.
QString plausibleBalance(const QString& reply);

// What a 2xx reply says of its request, by the one rule the window, the
// journal and pelicast-send share: refused when it holds one of the refusal
// words (protocol::kRefusalWords), with a balance or without; accepted when it
// states a balance and holds none of them; unclear otherwise (empty, or a
// text the program does not know), and the user checks the balance.
enum class ReplyVerdict { Accepted, Refused, Unclear };
ReplyVerdict verdictOf(const QString& reply);
// The words an unclear reply is shown with.
QString unclearReplyNotice();

}  // namespace pelicast
