#pragma once

#include <QByteArray>
#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QSslConfiguration>
#include <QTimer>
#include <chrono>
#include <optional>

#include "platform/transfer_component.h"

class QNetworkReply;

namespace pelicast::platform {

// How long a request may take and how much it may bring back.
struct TransferLimits {
    // No byte in either direction for this long fails the request.
    std::chrono::milliseconds idle{30'000};
    // The whole reply must have arrived within this time.
    std::chrono::milliseconds total{120'000};
    // A larger reply is cut off and fails the request.
    qint64 maxReplyBytes = 1024 * 1024;
};

// The transfer component on QNetworkAccessManager. Any HTTP response, whatever
// its status code, completes the request (state 12) with its body as the reply
// text; no response at all fails it (state 11) with a reason in ErrorText().
// Redirects are handed back as they are: following one could post a message
// twice. Certificate errors always fail the request.
//
// Access type 0 (the initial one) uses the system's proxy configuration, 1 no
// proxy, and 2 the HTTP proxy that the proxy text names for the request's
// scheme. Property writes take effect with the next Execute.
class NetworkTransfer : public TransferComponent {
    Q_OBJECT

public:
    // `extraCaCertificates` are trusted besides the system's certificate
    // authorities.
    explicit NetworkTransfer(const QList<QSslCertificate>& extraCaCertificates = {},
                             TransferLimits limits = {}, QObject* parent = nullptr);
    ~NetworkTransfer() override;

    void Execute(const QString& url, const QString& operation, const QString& body,
                 const QString& headers) override;
    QString GetChunk(int size, int dataType) override;
    bool StillExecuting() const override { return executing_; }
    QString ErrorText() const override { return errorText_; }

    int AccessType() const override { return accessType_; }
    void SetAccessType(int accessType) override { accessType_ = accessType; }
    QString Proxy() const override { return proxy_; }
    void SetProxy(const QString& proxy) override { proxy_ = proxy; }

private:
    class ProxyChoice;

    // Fixes the proxy of the next request; false when the proxy text names
    // no usable one for `scheme`.
    bool chooseProxy(const QString& scheme);
    QNetworkReply* send(const QUrl& address, const QString& operation, const QString& body,
                        const QString& headers);
    void watch(QNetworkReply* reply);
    void onReadyRead();
    void onFinished();
    void complete();
    void fail(const QString& reason);
    void failLater(const QString& reason);
    void dropReply();

    QNetworkAccessManager manager_;
    ProxyChoice* proxyChoice_;  // owned by manager_
    // Built at the first HTTPS request: loading the TLS library and the system's
    // certificates costs start-up time a plain-HTTP user never needs.
    const QSslConfiguration& tls();
    QList<QSslCertificate> extraCaCertificates_;
    std::optional<QSslConfiguration> tls_;
    TransferLimits limits_;
    QTimer idleTimer_;
    QTimer totalTimer_;

    int accessType_ = icUseDefault;
    QString proxy_;

    QNetworkReply* reply_ = nullptr;
    quint64 serial_ = 0;  // tells a stale queued failure from the current request
    bool executing_ = false;
    QString host_;
    QStringList tlsErrors_;
    QByteArray received_;
    QString text_;
    qsizetype handedOut_ = 0;
    QString errorText_;
};

// The proxy that an access-type-2 proxy text names for a request of `scheme`:
// either one "host:port" for every scheme, or space-separated
// "scheme=host:port" entries. A scheme without an entry goes direct
// (QNetworkProxy::NoProxy). No value when the entry that applies is not a
// usable "host:port".
std::optional<QNetworkProxy> NamedProxyFor(const QString& proxyText, const QString& scheme);

// The text of `body` in the character set that `contentType` names, UTF-8
// when it names none or one that is not known.
QString DecodeReply(const QByteArray& body, const QByteArray& contentType);

}  // namespace pelicast::platform
