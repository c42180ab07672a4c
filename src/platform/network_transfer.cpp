#include "platform/network_transfer.h"

#include <QLocale>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QStringDecoder>

namespace pelicast::platform {

// The proxy every request of the manager goes through: the system's choice,
// or the one fixed when the request was started.
class NetworkTransfer::ProxyChoice : public QNetworkProxyFactory {
public:
    std::optional<QNetworkProxy> fixed;

    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override {
        if (fixed)
            return {*fixed};
        return systemProxyForQuery(query);
    }
};

namespace {

std::optional<QNetworkProxy> parseHostAndPort(const QString& entry) {
    const qsizetype colon = entry.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return std::nullopt;
    QString host = entry.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    bool isNumber = false;
    const int port = entry.mid(colon + 1).toInt(&isNumber);
    if (host.isEmpty() || !isNumber || port < 1 || port > 65535)
        return std::nullopt;
    return QNetworkProxy(QNetworkProxy::HttpProxy, host, static_cast<quint16>(port));
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

bool isProxyFailure(QNetworkReply::NetworkError error) {
    return error >= QNetworkReply::ProxyConnectionRefusedError &&
           error <= QNetworkReply::UnknownProxyError;
}

// A reply carries a response when a status line arrived and the connection did
// not break before the response was whole.
bool hasResponse(const QNetworkReply& reply) {
    const QNetworkReply::NetworkError error = reply.error();
    const bool transportFailure =
        (error > QNetworkReply::NoError && error <= QNetworkReply::UnknownNetworkError) ||
        isProxyFailure(error) || error == QNetworkReply::ProtocolFailure;
    return reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid() && !transportFailure;
}

QString seconds(std::chrono::milliseconds limit) {
    return QString::number(static_cast<double>(limit.count()) / 1000.0);
}

}  // namespace

std::optional<QNetworkProxy> NamedProxyFor(const QString& proxyText, const QString& scheme) {
    static const QRegularExpression kSpaces(QStringLiteral("\\s+"));
    const QStringList entries = proxyText.split(kSpaces, Qt::SkipEmptyParts);
    std::optional<QString> forEveryScheme;
    for (const QString& entry : entries) {
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        if (equals < 0) {
            if (!forEveryScheme)
                forEveryScheme = entry;
        } else if (entry.left(equals).compare(scheme, Qt::CaseInsensitive) == 0) {
            return parseHostAndPort(entry.mid(equals + 1));
        }
    }
    if (forEveryScheme)
        return parseHostAndPort(*forEveryScheme);
    return QNetworkProxy(QNetworkProxy::NoProxy);
}

QString DecodeReply(const QByteArray& body, const QByteArray& contentType) {
    const QByteArray charset = charsetOf(contentType);
    QStringDecoder decoder(charset.isEmpty() ? "UTF-8" : charset.constData());
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder.decode(body);
}

NetworkTransfer::NetworkTransfer(const QList<QSslCertificate>& extraCaCertificates,
                                 TransferLimits limits, QObject* parent)
    : TransferComponent(parent),
      proxyChoice_(new ProxyChoice),
      extraCaCertificates_(extraCaCertificates),
      limits_(limits) {
    manager_.setProxyFactory(proxyChoice_);
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

NetworkTransfer::~NetworkTransfer() {
    dropReply();
}

void NetworkTransfer::Execute(const QString& url, const QString& operation, const QString& body,
                              const QString& headers) {
    dropReply();
    ++serial_;
    executing_ = true;
    received_.clear();
    text_.clear();
    handedOut_ = 0;
    errorText_.clear();
    tlsErrors_.clear();

    const QUrl address(url.trimmed(), QUrl::StrictMode);
    const QString scheme = address.scheme().toLower();
    host_ = address.host();
    if (!address.isValid() || host_.isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        failLater(tr("\"%1\" is not a web address.").arg(url));
        return;
    }

    if (!chooseProxy(scheme)) {
        failLater(tr("The proxy setting \"%1\" names no usable proxy for %2.").arg(proxy_, scheme));
        return;
    }
    reply_ = send(address, operation, body, headers);
    watch(reply_);
}

bool NetworkTransfer::chooseProxy(const QString& scheme) {
    proxyChoice_->fixed.reset();
    if (accessType_ == icDirect)
        proxyChoice_->fixed = QNetworkProxy(QNetworkProxy::NoProxy);
    else if (accessType_ == icNamedProxy)
        proxyChoice_->fixed = NamedProxyFor(proxy_, scheme);
    return accessType_ != icNamedProxy || proxyChoice_->fixed.has_value();
}

void NetworkTransfer::watch(QNetworkReply* reply) {
    connect(reply, &QNetworkReply::readyRead, this, &NetworkTransfer::onReadyRead);
    connect(reply, &QNetworkReply::finished, this, &NetworkTransfer::onFinished);
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

const QSslConfiguration& NetworkTransfer::tls() {
    if (!tls_) {
        tls_ = QSslConfiguration::defaultConfiguration();
        // Setting any CA list switches off the on-demand loading of the system's,
        // so the system's are named explicitly beside the extra ones.
        if (!extraCaCertificates_.isEmpty())
            tls_->setCaCertificates(QSslConfiguration::systemCaCertificates() +
                                    extraCaCertificates_);
    }
    return *tls_;
}

QNetworkReply* NetworkTransfer::send(const QUrl& address, const QString& operation,
                                     const QString& body, const QString& headers) {
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    if (address.scheme() == QLatin1String("https"))
        request.setSslConfiguration(tls());
    static const QRegularExpression kLineBreak(QStringLiteral("\r?\n"));
    for (const QString& line : headers.split(kLineBreak, Qt::SkipEmptyParts)) {
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        if (colon > 0)
            request.setRawHeader(line.left(colon).trimmed().toUtf8(),
                                 line.mid(colon + 1).trimmed().toUtf8());
    }

    const QByteArray verb = operation.trimmed().toUtf8();
    const QByteArray data = body.toUtf8();
    if (verb.isEmpty() || verb == "GET")
        return manager_.get(request);
    if (verb == "POST")
        return manager_.post(request, data);
    return manager_.sendCustomRequest(request, verb, data);
}

QString NetworkTransfer::GetChunk(int size, int) {
    if (size <= 0)
        return {};
    const QString chunk = text_.mid(handedOut_, size);
    handedOut_ += chunk.size();
    return chunk;
}

void NetworkTransfer::onReadyRead() {
    received_ += reply_->readAll();
    if (received_.size() > limits_.maxReplyBytes)
        fail(tr("The reply from %1 is larger than %2 and was cut off.")
                 .arg(host_, QLocale::c().formattedDataSize(limits_.maxReplyBytes, 0)));
}

void NetworkTransfer::onFinished() {
    onReadyRead();
    if (!reply_)  // the last bytes went over the limit
        return;
    if (hasResponse(*reply_)) {
        complete();
        return;
    }
    const QNetworkReply::NetworkError error = reply_->error();
    const QString detail = reply_->errorString();
    if (error == QNetworkReply::SslHandshakeFailedError)
        fail(tr("No secure connection to %1 could be made: %2")
                 .arg(host_, tlsErrors_.isEmpty() ? detail : tlsErrors_.join(QLatin1Char(' '))));
    else if (isProxyFailure(error))
        fail(tr("The proxy did not pass the request to %1 on: %2").arg(host_, detail));
    else if (reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid())
        fail(tr("The reply from %1 broke off before it was complete: %2").arg(host_, detail));
    else
        fail(tr("The server %1 could not be reached: %2").arg(host_, detail));
}

void NetworkTransfer::complete() {
    const QByteArray contentType = reply_->rawHeader("Content-Type");
    dropReply();
    text_ = DecodeReply(received_, contentType);
    received_.clear();
    executing_ = false;
    Q_EMIT StateChanged(icResponseCompleted);
}

void NetworkTransfer::fail(const QString& reason) {
    dropReply();
    received_.clear();
    errorText_ = reason;
    executing_ = false;
    Q_EMIT StateChanged(icError);
}

void NetworkTransfer::failLater(const QString& reason) {
    QMetaObject::invokeMethod(
        this,
        [this, serial = serial_, reason] {
            if (serial == serial_ && executing_)
                fail(reason);
        },
        Qt::QueuedConnection);
}

void NetworkTransfer::dropReply() {
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

}  // namespace pelicast::platform
