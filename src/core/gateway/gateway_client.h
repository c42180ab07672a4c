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

Q_SIGNALS:
    void busyChanged(bool busy);
    // The whole reply text, decoded by its charset.
    void replied(const QString& reply);
    // The whole text of the box that tells the user the request failed: that
    // it did not reach the gateway, or, once it was sent, that the gateway
    // may have acted on it; with the reason and advice.
    void failed(const QString& message);

private:
    void send(const QUrl& url, const QByteArray& body);
    void readReply();
    void finish(QNetworkReply* reply);
    void complete(const QByteArray& contentType);
    void fail(const QString& reason);
    void failWithStatus(int status, const QByteArray& contentType);
    QString uncertainOutcome() const;
    void end(const QString& message);
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

}  // namespace pelicast
