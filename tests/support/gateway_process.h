// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QList>
#include <QProcess>
#include <QSslConfiguration>
#include <QString>
#include <QTemporaryDir>

namespace pelicast::testing {

// The real gateway stand-in (pelicast-gateway) as a child process, listening
// on free loopback ports for HTTP and HTTPS, with its accounts and outbox in
// a temporary folder of its own. Stopped when destroyed.
class GatewayProcess {
public:
    struct Account {
        QString user;
        QString password;
        qint64 credits = 0;
    };

    GatewayProcess();
    ~GatewayProcess();

    // Starts the stand-in and waits until it listens. `accounts` replace the
    // accounts file; with none, the file is kept (the stand-in creates it with
    // demo/demo and 1000 credits when missing). A restart after stop() listens
    // on the same ports again, so addresses taken earlier stay valid.
    // `options` are added to the command line (--delay MS).
    bool start(const QList<Account>& accounts = {}, const QStringList& options = {});
    // Ends it (SIGTERM) and waits; requests then fail with "connection refused".
    void stop();
    bool isRunning() const { return process_.state() != QProcess::NotRunning; }
    QString errorString() const { return error_; }

    // Transport bases in the program's form: a page's address is base +
    // domain + "/" + page, for instance httpBase() + "quillo/comsend.asp".
    QString httpBase() const { return QStringLiteral("http://127.0.0.1:%1/").arg(httpPort_); }
    QString httpsBase() const { return QStringLiteral("https://127.0.0.1:%1/").arg(httpsPort_); }

    // The CA that signed the stand-in's certificate, and a TLS configuration
    // trusting it besides the system's CAs.
    static QString caPath();
    static QSslConfiguration sslConfiguration();

    QString folder() const { return dir_.path(); }
    QString accountsPath() const { return dir_.filePath(QStringLiteral("accounts.json")); }
    QString outboxPath() const { return dir_.filePath(QStringLiteral("outbox.jsonl")); }
    // Every outbox record so far, oldest first.
    QList<QJsonObject> outbox() const;
    // The balance the accounts file holds for `user`; -1 when the file is
    // unreadable or has no such account.
    qint64 credits(const QString& user) const;

private:
    bool writeAccounts(const QList<Account>& accounts);
    bool readPorts();

    QTemporaryDir dir_;
    QProcess process_;
    quint16 httpPort_ = 0;
    quint16 httpsPort_ = 0;
    QString error_;
};

}  // namespace pelicast::testing
