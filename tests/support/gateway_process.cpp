// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/gateway_process.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSslCertificate>

namespace pelicast::testing {

namespace {

constexpr int kStartTimeoutMs = 10000;

QString loopbackBase(const char* scheme, quint16 port) {
    return QStringLiteral("%1://127.0.0.1:%2/").arg(QLatin1String(scheme)).arg(port);
}

}  // namespace

GatewayProcess::GatewayProcess() {
    // Its request log shows up in the test's output.
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

GatewayProcess::~GatewayProcess() {
    stop();
}

bool GatewayProcess::start(const QList<Account>& accounts) {
    error_.clear();
    if (!dir_.isValid()) {
        error_ = QStringLiteral("no temporary folder: ") + dir_.errorString();
        return false;
    }
    if (!accounts.isEmpty() && !writeAccounts(accounts))
        return false;
    process_.start(
        QStringLiteral(PELICAST_TEST_GATEWAY),
        {QStringLiteral("--http-port"), QString::number(httpPort_), QStringLiteral("--https-port"),
         QString::number(httpsPort_), QStringLiteral("--cert"), QStringLiteral(PELICAST_TEST_CERT),
         QStringLiteral("--key"), QStringLiteral(PELICAST_TEST_KEY), QStringLiteral("--accounts"),
         accountsPath(), QStringLiteral("--outbox"), outboxPath()});
    if (!process_.waitForStarted(kStartTimeoutMs)) {
        error_ = process_.errorString();
        return false;
    }
    if (!readPorts()) {
        stop();
        return false;
    }
    return true;
}

bool GatewayProcess::readPorts() {
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!process_.canReadLine()) {
        if (deadline.hasExpired() || !process_.waitForReadyRead(int(deadline.remainingTime()))) {
            error_ = QStringLiteral("the stand-in did not report its ports");
            return false;
        }
    }
    const QString line = QString::fromUtf8(process_.readLine()).trimmed();
    static const QRegularExpression ready(
        QStringLiteral("^http=127\\.0\\.0\\.1:(\\d+) https=127\\.0\\.0\\.1:(\\d+)$"));
    const QRegularExpressionMatch match = ready.match(line);
    if (!match.hasMatch()) {
        error_ = QStringLiteral("unexpected first line from the stand-in: ") + line;
        return false;
    }
    httpPort_ = quint16(match.captured(1).toUInt());
    httpsPort_ = quint16(match.captured(2).toUInt());
    return true;
}

void GatewayProcess::stop() {
    if (!isRunning())
        return;
    process_.terminate();
    if (!process_.waitForFinished(kStartTimeoutMs)) {
        process_.kill();
        process_.waitForFinished(kStartTimeoutMs);
    }
}

QString GatewayProcess::httpBase() const {
    return loopbackBase("http", httpPort_);
}

QString GatewayProcess::httpsBase() const {
    return loopbackBase("https", httpsPort_);
}

QString GatewayProcess::caPath() {
    return QStringLiteral(PELICAST_TEST_CA);
}

QSslConfiguration GatewayProcess::sslConfiguration() {
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    // Any CA list given switches off the on-demand loading of the system's.
    configuration.setCaCertificates(QSslConfiguration::systemCaCertificates() +
                                    QSslCertificate::fromPath(caPath()));
    return configuration;
}

QString GatewayProcess::accountsPath() const {
    return dir_.filePath(QStringLiteral("accounts.json"));
}

QString GatewayProcess::outboxPath() const {
    return dir_.filePath(QStringLiteral("outbox.jsonl"));
}

QList<QJsonObject> GatewayProcess::outbox() const {
    QFile file(outboxPath());
    QList<QJsonObject> records;
    if (!file.open(QIODevice::ReadOnly))
        return records;
    while (!file.atEnd())
        records << QJsonDocument::fromJson(file.readLine()).object();
    return records;
}

qint64 GatewayProcess::credits(const QString& user) const {
    QFile file(accountsPath());
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    for (const QJsonValue& account : document.object().value(QLatin1String("accounts")).toArray()) {
        if (account[QLatin1String("user")].toString() == user)
            return account[QLatin1String("credits")].toInteger(-1);
    }
    return -1;
}

bool GatewayProcess::writeAccounts(const QList<Account>& accounts) {
    QJsonArray list;
    for (const Account& account : accounts) {
        list.append(QJsonObject{{QLatin1String("user"), account.user},
                                {QLatin1String("password"), account.password},
                                {QLatin1String("credits"), account.credits}});
    }
    const QByteArray text = QJsonDocument(QJsonObject{{QLatin1String("accounts"), list}}).toJson();
    QSaveFile file(accountsPath());
    if (file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit())
        return true;
    error_ = file.errorString();
    return false;
}

}  // namespace pelicast::testing
