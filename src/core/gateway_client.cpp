// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/gateway_client.h"

#include <QLocale>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QStringDecoder>

#include "core/gateway_protocol.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// Trusted besides the default configuration's authorities; empty in normal
// builds. Read once per process, at the first HTTPS request.
const QList<QSslCertificate>& extraAuthorities() {
    static const QList<QSslCertificate> authorities = [] {
        const QString path = QStringLiteral(PELICAST_EXTRA_CA);
        if (path.isEmpty())
            return QList<QSslCertificate>();
        // Any CA list given switches off loading the system's on demand, so
        // the system's are named beside the extra one.
        return QSslConfiguration::systemCaCertificates() + QSslCertificate::fromPath(path);
    }();
    return authorities;
}

QSslConfiguration tlsConfiguration() {
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    if (!extraAuthorities().isEmpty())
        configuration.setCaCertificates(configuration.caCertificates() + extraAuthorities());
    return configuration;
}

QByteArray charsetOf(const QByteArray& contentType) {
    for (const QByteArray& parameter : contentType.split(';')) {
        const QByteArray trimmed = parameter.trimmed();
        if (trimmed.toLower().startsWith("charset=")) {
            QByteArray name = trimmed.mid(8).trimmed();
            if (name.size() >= 2 && name.startsWith('"') && name.endsWith('"'))
                name = name.mid(1, name.size() - 2);
            return name;
        }
    }
    return {};
}

// The reply in the character set its content type names; UTF-8 when it names
// none or one that is not known.
QString decodeReply(const QByteArray& body, const QByteArray& contentType) {
    const QByteArray charset = charsetOf(contentType);
    QStringDecoder decoder(charset.isEmpty() ? "UTF-8" : charset.constData());
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder.decode(body);
}

bool isProxyFailure(QNetworkReply::NetworkError error) {
    return error >= QNetworkReply::ProxyConnectionRefusedError &&
           error <= QNetworkReply::UnknownProxyError;
}

// A reply carries a response when a status line arrived and the connection
// did not break before the response was whole. Any status counts: the
// gateway's verdict is its text.
bool hasResponse(const QNetworkReply& reply) {
    const QNetworkReply::NetworkError error = reply.error();
    const bool transportFailure =
        (error > QNetworkReply::NoError && error <= QNetworkReply::UnknownNetworkError) ||
        isProxyFailure(error) || error == QNetworkReply::ProtocolFailure;
    return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid() && !transportFailure;
}

QString seconds(std::chrono::milliseconds limit) {
    return QString::number(double(limit.count()) / 1000.0);
}

}  // namespace

GatewayClient::GatewayClient(GatewayLocation location, QObject* parent)
    : QObject(parent), location_(std::move(location)) {
    idleTimer_.setSingleShot(true);
    totalTimer_.setSingleShot(true);
    connect(&idleTimer_, &QTimer::timeout, this, [this] {
        fail(tr("The server %1 sent nothing for %2 seconds.").arg(host_, seconds(limits_.idle)));
    });
    connect(&totalTimer_, &QTimer::timeout, this, [this] {
        fail(tr("The reply from %1 did not arrive within %2 seconds.")
                 .arg(host_, seconds(limits_.total)));
    });
}

GatewayClient::~GatewayClient() {
    dropReply();
}

void GatewayClient::setConnection(const ConnectionSettings& connection) {
    connection_ = connection;
}

QString GatewayClient::transportBase() const {
    return location_.base(connection_.https);
}

bool GatewayClient::isBusy() const {
    return busy_;
}

bool GatewayClient::post(const QString& page, const FormFields& fields) {
    if (busy_)
        return false;
    ++serial_;
    received_.clear();
    tlsErrors_.clear();
    setBusy(true);

    const QString base = transportBase();
    const QUrl url = location_.pageUrl(base, page);
    const QString scheme = url.scheme();
    host_ = url.host();
    if (!url.isValid() || host_.isEmpty() || (scheme != "http"_L1 && scheme != "https"_L1)) {
        failLater(tr("\"%1\" is not a web address.").arg(base + location_.domain + u'/' + page));
    } else if (!connection_.hasUsableProxy()) {
        failLater(tr("The proxy setting \"%1\" names no usable proxy for %2.")
                      .arg(connection_.proxyServer + u':' + connection_.proxyPort, scheme));
    } else {
        send(url, encodeForm(fields));
    }
    return true;
}

void GatewayClient::send(const QUrl& url, const QByteArray& body) {
    // Chosen per request: the system's proxy may differ by scheme and host.
    network_.setProxy(connection_.networkProxy(url));
    QNetworkRequest request(url);
    // Following a redirect could post a message twice.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray(protocol::kFormContentType));
    if (url.scheme() == "https"_L1)
        request.setSslConfiguration(tlsConfiguration());

    QNetworkReply* reply = network_.post(request, body);
    reply_ = reply;
    connect(reply, &QNetworkReply::readyRead, this, &GatewayClient::readReply);
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finish(reply); });
    // Collected for the message only: a TLS error is never ignored.
    connect(reply, &QNetworkReply::sslErrors, this, [this](const QList<QSslError>& errors) {
        for (const QSslError& error : errors)
            tlsErrors_.append(error.errorString());
    });
    const auto restartIdle = [this] { idleTimer_.start(limits_.idle); };
    connect(reply, &QNetworkReply::metaDataChanged, this, restartIdle);
    connect(reply, &QNetworkReply::uploadProgress, this, restartIdle);
    connect(reply, &QNetworkReply::downloadProgress, this, restartIdle);
    idleTimer_.start(limits_.idle);
    totalTimer_.start(limits_.total);
}

void GatewayClient::readReply() {
    if (!reply_)
        return;
    received_ += reply_->readAll();
    if (received_.size() > limits_.maxReplyBytes)
        fail(tr("The reply from %1 is larger than %2 and was cut off.")
                 .arg(host_, QLocale::c().formattedDataSize(limits_.maxReplyBytes, 0)));
}

void GatewayClient::finish(QNetworkReply* reply) {
    if (reply != reply_)
        return;
    readReply();
    if (!reply_)  // the last bytes went over the limit
        return;
    if (hasResponse(*reply_)) {
        complete(reply_->rawHeader("Content-Type"));
        return;
    }
    const QNetworkReply::NetworkError error = reply_->error();
    const QString detail = reply_->errorString();
    if (error == QNetworkReply::SslHandshakeFailedError)
        fail(tr("No secure connection to %1 could be made: %2")
                 .arg(host_, tlsErrors_.isEmpty() ? detail : tlsErrors_.join(u' ')));
    else if (isProxyFailure(error))
        fail(tr("The proxy did not pass the request to %1 on: %2").arg(host_, detail));
    else if (reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
        fail(tr("The reply from %1 broke off before it was complete: %2").arg(host_, detail));
    else
        fail(tr("The server %1 could not be reached: %2").arg(host_, detail));
}

void GatewayClient::complete(const QByteArray& contentType) {
    dropReply();
    const QString text = decodeReply(received_, contentType);
    received_.clear();
    setBusy(false);
    Q_EMIT replied(text);
}

void GatewayClient::fail(const QString& reason) {
    dropReply();
    received_.clear();
    setBusy(false);
    Q_EMIT failed(tr("The request did not reach the gateway.\r\n\r\n") + reason +
                  tr("\r\n\r\nCheck your network connection and the Options, then try again."));
}

void GatewayClient::failLater(const QString& reason) {
    // The outcome never arrives inside post(): callers set up their state
    // after it returns.
    QMetaObject::invokeMethod(
        this,
        [this, serial = serial_, reason] {
            if (serial == serial_ && busy_)
                fail(reason);
        },
        Qt::QueuedConnection);
}

void GatewayClient::dropReply() {
    idleTimer_.stop();
    totalTimer_.stop();
    if (!reply_)
        return;
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void GatewayClient::setBusy(bool busy) {
    if (busy_ == busy)
        return;
    busy_ = busy;
    Q_EMIT busyChanged(busy);
}

QString balanceFromReply(const QString& reply) {
    const QLatin1String marker(protocol::kCreditsMarker);
    const qsizetype first = reply.indexOf(marker);
    if (first < 0)
        return QString();
    const qsizetype from = first + marker.size();
    const qsizetype second = reply.indexOf(marker, from);
    const QString balance = reply.mid(from, second < 0 ? -1 : second - from);
    return balance.isNull() ? u""_s : balance;
}

}  // namespace pelicast
