// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/gateway/gateway_client.h"

#include <QLocale>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslConfiguration>
#include <QStringDecoder>
#include <algorithm>
#include <cstring>
#include <utility>

#include "core/gateway/gateway_protocol.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// The extra authority, trusted besides the system's; empty in normal builds.
// Read once per process, at the first HTTPS request.
const QList<QSslCertificate>& extraAuthorities() {
    static const QList<QSslCertificate> authorities = [] {
        const QString path = QStringLiteral(PELICAST_EXTRA_CA);
        return path.isEmpty() ? QList<QSslCertificate>() : QSslCertificate::fromPath(path);
    }();
    return authorities;
}

// Adding any authority turns off looking up the system's on demand, and
// loading all of them takes far longer than a request. So a request first
// trusts the extra authority (and the default list), and only a handshake
// that this refuses is tried again with the system's authorities. Nothing of
// the request has gone out before the handshake succeeds.
QSslConfiguration tlsConfiguration(bool systemAuthoritiesOnly) {
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    if (!systemAuthoritiesOnly && !extraAuthorities().isEmpty())
        configuration.addCaCertificates(extraAuthorities());
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
// did not break before the response was whole.
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

// Server texts shown inside our own message are kept short.
QString excerpt(const QString& text, qsizetype length) {
    const QString trimmed = text.trimmed();
    return trimmed.size() <= length ? trimmed : trimmed.left(length) + u'\u2026';
}

const QString kParagraph = u"\r\n\r\n"_s;

// A request body that can be read only once. Qt sends a request again, once,
// when its connection closes before any answer came; the gateway may have
// acted on the first one, so a message could go out twice. Qt cannot rewind
// this body, so that second sending fails instead.
class OneShotBody : public QIODevice {
public:
    OneShotBody(QByteArray body, QObject* parent) : QIODevice(parent), body_(std::move(body)) {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override {
        return body_.size() - offset_ + QIODevice::bytesAvailable();
    }
    bool reset() override { return false; }

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 size = std::min(maxSize, body_.size() - offset_);
        std::memcpy(data, body_.constData() + offset_, size_t(size));
        offset_ += size;
        return size;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    const QByteArray body_;
    qint64 offset_ = 0;
};

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
    page_ = page;
    delivered_ = false;
    systemAuthoritiesOnly_ = false;
    received_.clear();
    tlsErrors_.clear();
    busy_ = true;

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
    // Announced once the request is handed over, so that what listeners do
    // (a busy pointer, a status line) waits behind it in the event loop.
    Q_EMIT busyChanged(true);
    return true;
}

void GatewayClient::connectAhead(const QString& page) {
    const QUrl url = location_.pageUrl(transportBase(), page);
    if (busy_ || !url.isValid() || url.host().isEmpty() || !connection_.hasUsableProxy())
        return;
    network_.setProxy(connection_.networkProxy(url));
    if (url.scheme() == "https"_L1)
        network_.connectToHostEncrypted(url.host(), quint16(url.port(443)),
                                        tlsConfiguration(false));
    else if (url.scheme() == "http"_L1)
        network_.connectToHost(url.host(), quint16(url.port(80)));
}

void GatewayClient::send(const QUrl& url, const QByteArray& body) {
    url_ = url;
    body_ = body;
    // Chosen per request: the system's proxy may differ by scheme and host.
    network_.setProxy(connection_.networkProxy(url));
    QNetworkRequest request(url);
    // Following a redirect could post a message twice.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArray(protocol::kFormContentType));
    if (url.scheme() == "https"_L1)
        request.setSslConfiguration(tlsConfiguration(systemAuthoritiesOnly_));

    request.setHeader(QNetworkRequest::ContentLengthHeader, body.size());
    // Streamed from the body itself, not from a copy Qt could rewind.
    request.setAttribute(QNetworkRequest::DoNotBufferUploadDataAttribute, true);
    auto* once = new OneShotBody(body, this);
    QNetworkReply* reply = network_.post(request, once);
    once->setParent(reply);
    reply_ = reply;
    connect(reply, &QNetworkReply::readyRead, this, &GatewayClient::readReply);
    connect(reply, &QNetworkReply::finished, this, [this, reply] { finish(reply); });
    // Collected for the message only: a TLS error is never ignored.
    connect(reply, &QNetworkReply::sslErrors, this, [this](const QList<QSslError>& errors) {
        for (const QSslError& error : errors)
            tlsErrors_.append(error.errorString());
    });
    // Once the whole request went out the gateway may act on it, whatever
    // comes back. Not every protocol tells requestSent: a whole upload counts.
    const auto delivered = [this] { delivered_ = true; };
    connect(reply, &QNetworkReply::requestSent, this, delivered);
    connect(reply, &QNetworkReply::metaDataChanged, this, delivered);
    connect(reply, &QNetworkReply::uploadProgress, this, [this](qint64 sent, qint64 total) {
        delivered_ = delivered_ || (total > 0 && sent == total);
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
        const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status >= 200 && status < 300)
            complete(reply_->rawHeader("Content-Type"));
        else
            failWithStatus(status, reply_->rawHeader("Content-Type"));
        return;
    }
    const QNetworkReply::NetworkError error = reply_->error();
    const QString detail = reply_->errorString();
    if (error == QNetworkReply::SslHandshakeFailedError && !delivered_ && !systemAuthoritiesOnly_ &&
        !extraAuthorities().isEmpty()) {
        // Refused with the extra authority: once more with the system's (and
        // the time limits anew), on a new connection, as a kept one keeps
        // the configuration it was made with.
        systemAuthoritiesOnly_ = true;
        dropReply();
        network_.clearConnectionCache();
        send(url_, body_);
        return;
    }
    tlsErrors_.removeDuplicates();
    if (error == QNetworkReply::SslHandshakeFailedError)
        fail(tr("No secure connection to %1 could be made: %2")
                 .arg(host_, tlsErrors_.isEmpty() ? detail : tlsErrors_.join(u' ')));
    else if (isProxyFailure(error))
        fail(tr("The proxy did not pass the request to %1 on: %2").arg(host_, detail));
    else if (delivered_)
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
    if (delivered_)
        end(noCompleteAnswer(page_) + kParagraph + reason, true);
    else
        end(tr("The request did not reach the gateway.") + kParagraph + reason + kParagraph +
                tr("Check your network connection and the Options, then try again."),
            false);
}

// A client error means the gateway turned the request down; a redirect or a
// server error may come after it acted (a redirect after a post is a common
// way to show a result page).
void GatewayClient::failWithStatus(int status, const QByteArray& contentType) {
    const QString phrase = reply_->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
    const QString statusLine = (QString::number(status) + u' ' + excerpt(phrase, 80)).trimmed();
    const QString text = excerpt(decodeReply(received_, contentType), 1000);
    const bool refused = status >= 400 && status < 500;
    const QString headline =
        refused ? tr("The gateway refused the request: HTTP %1.").arg(statusLine)
                : tr("The gateway answered HTTP %1 instead of a reply.").arg(statusLine) + u' ' +
                      uncertainOutcome(page_);
    end(text.isEmpty() ? headline : headline + kParagraph + text, !refused);
}

QString GatewayClient::noCompleteAnswer(const QString& page) {
    return tr("No complete answer came back.") + u' ' + uncertainOutcome(page);
}

QString GatewayClient::uncertainOutcome(const QString& page) {
    if (page == QLatin1String(protocol::kSendPage))
        return tr("The message may have been sent: check your balance before sending again.");
    if (page == QLatin1String(protocol::kUploadPage))
        return tr(
            "The contacts may have been received: check your groups at the gateway before "
            "uploading again.");
    return tr("Try again later.");
}

void GatewayClient::end(const QString& message, bool uncertain) {
    dropReply();
    received_.clear();
    setBusy(false);
    Q_EMIT failed(message, uncertain);
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

QString plausibleBalance(const QString& reply) {
    QString balance = balanceFromReply(reply);
    return balance.size() > kMaxBalanceLength ? QString() : balance;
}

ReplyVerdict verdictOf(const QString& reply) {
    for (const char* words : protocol::kRefusalWords) {
        if (reply.contains(QLatin1String(words), Qt::CaseInsensitive))
            return ReplyVerdict::Refused;
    }
    return reply.contains(QLatin1String(protocol::kCreditsMarker)) ? ReplyVerdict::Accepted
                                                                   : ReplyVerdict::Unclear;
}

QString unclearReplyNotice() {
    return GatewayClient::tr(
        "Unclear, check your balance: the gateway's answer says neither that it took the "
        "request nor that it refused it.");
}

}  // namespace pelicast
