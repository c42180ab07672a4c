// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/gateway_process.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSslCertificate>

using namespace Qt::StringLiterals;

namespace pelicast::testing {

constexpr int kStartTimeoutMs = 10000;

GatewayProcess::GatewayProcess() {
    // Its request log shows up in the test's output.
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
}

GatewayProcess::~GatewayProcess() {
    stop();
}

bool GatewayProcess::start(const QList<Account>& accounts, const QStringList& options) {
    error_ = dir_.isValid() ? QString() : u"no temporary folder: "_s + dir_.errorString();
    if (!error_.isEmpty() || (!accounts.isEmpty() && !writeAccounts(accounts)))
        return false;
    process_.start(
        QStringLiteral(PELICAST_TEST_GATEWAY),
        QStringList{u"--http-port"_s, QString::number(httpPort_), u"--https-port"_s,
                    QString::number(httpsPort_), u"--cert"_s, QStringLiteral(PELICAST_TEST_CERT),
                    u"--key"_s, QStringLiteral(PELICAST_TEST_KEY), u"--accounts"_s, accountsPath(),
                    u"--outbox"_s, outboxPath()} +
            options);
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

// The first line names the ports: "http=127.0.0.1:<port> https=127.0.0.1:<port>".
bool GatewayProcess::readPorts() {
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!process_.canReadLine() && process_.waitForReadyRead(int(deadline.remainingTime())))
        continue;
    const QString line = QString::fromUtf8(process_.readLine()).trimmed();
    const QStringList parts = line.split(u' ');
    if (parts.size() != 2 || !parts[0].startsWith(u"http=127.0.0.1:"_s) ||
        !parts[1].startsWith(u"https=127.0.0.1:"_s)) {
        error_ = u"the stand-in did not report its ports: "_s + line;
        return false;
    }
    httpPort_ = quint16(parts[0].section(u':', 1).toUInt());
    httpsPort_ = quint16(parts[1].section(u':', 1).toUInt());
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

QList<QJsonObject> GatewayProcess::outbox() const {
    QFile file(outboxPath());
    QList<QJsonObject> records;
    if (file.open(QIODevice::ReadOnly)) {
        while (!file.atEnd())
            records << QJsonDocument::fromJson(file.readLine()).object();
    }
    return records;
}

qint64 GatewayProcess::credits(const QString& user) const {
    QFile file(accountsPath());
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    for (const QJsonValue account :
         QJsonDocument::fromJson(file.readAll())[u"accounts"_s].toArray()) {
        if (account[u"user"_s].toString() == user)
            return account[u"credits"_s].toInteger(-1);
    }
    return -1;
}

bool GatewayProcess::writeAccounts(const QList<Account>& accounts) {
    QJsonArray list;
    for (const Account& account : accounts)
        list.append(QJsonObject{{u"user"_s, account.user},
                                {u"password"_s, account.password},
                                {u"credits"_s, account.credits}});
    QFile file(accountsPath());
    const QByteArray text = QJsonDocument(QJsonObject{{u"accounts"_s, list}}).toJson();
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size())
        return true;
    error_ = file.errorString();
    return false;
}

}  // namespace pelicast::testing
