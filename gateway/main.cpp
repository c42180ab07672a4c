// SPDX-License-Identifier: GPL-3.0-or-later
// pelicast-gateway: a small stand-in for the SMS gateway, for the demo and the
// integration tests. It listens on loopback unless told otherwise.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QStandardPaths>
#include <QTextStream>
#include <cstdlib>
#include <optional>

#include "accounts.h"
#include "gateway_service.h"
#include "http_front.h"
#include "outbox.h"

using namespace pelicast::gateway;

namespace {

struct Options {
    QHostAddress address;
    quint16 httpPort = 0;
    std::optional<quint16> httpsPort;
    QString certificate, key;
    QString accounts, outbox;
    int delayMs = 0;
};

[[noreturn]] void fail(const QString& message) {
    QTextStream(stderr) << "pelicast-gateway: " << message << Qt::endl;
    std::exit(2);
}

quint16 portOption(const QCommandLineParser& parser, const QString& name) {
    bool ok = false;
    const uint port = parser.value(name).toUInt(&ok);
    if (!ok || port > 65535) {
        fail(QStringLiteral("--%1 takes a port number from 0 to 65535.").arg(name));
    }
    return quint16(port);
}

Options parseOptions(const QCoreApplication& application) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A local stand-in for the Quillo SMS gateway. It serves comsend.asp, "
        "comcredits.asp and commultiaddc.asp under any folder, keeps the accounts in a "
        "JSON file (created with the account demo/demo and 1000 credits when missing) and "
        "appends every accepted message and contact list to an outbox file, one JSON "
        "object per line. On start it prints \"http=ADDRESS:PORT https=ADDRESS:PORT\" "
        "on standard output. It answers one request per connection and closes a connection "
        "that falls silent for 5 seconds or takes 30 in all; it refuses bodies over 256 KiB "
        "from their announced length, and keeps at most 64 connections, the oldest "
        "making room for a new one."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                            QStringLiteral("/pelicast-gateway");
    parser.addOptions({
        {QStringLiteral("address"),
         QStringLiteral("Address to listen on (default 127.0.0.1: loopback only)."),
         QStringLiteral("address"), QStringLiteral("127.0.0.1")},
        {QStringLiteral("http-port"),
         QStringLiteral("Port for plain HTTP; 0 takes any free port (default 18080)."),
         QStringLiteral("port"), QStringLiteral("18080")},
        {QStringLiteral("https-port"),
         QStringLiteral("Port for HTTPS, which needs --cert and --key; 0 takes any free port "
                        "(default 18443)."),
         QStringLiteral("port"), QStringLiteral("18443")},
        {QStringLiteral("cert"), QStringLiteral("Server certificate (PEM) for HTTPS."),
         QStringLiteral("file")},
        {QStringLiteral("key"), QStringLiteral("Private key (PEM, unencrypted) for HTTPS."),
         QStringLiteral("file")},
        {QStringLiteral("accounts"),
         QStringLiteral("Accounts file (default %1/accounts.json).").arg(dataDir),
         QStringLiteral("file"), dataDir + QStringLiteral("/accounts.json")},
        {QStringLiteral("outbox"),
         QStringLiteral("Outbox file (default outbox.jsonl beside the accounts file)."),
         QStringLiteral("file")},
        {QStringLiteral("delay"),
         QStringLiteral("Answers every request MS milliseconds (at most 60000) after it was "
                        "handled: a message is recorded and charged at once, its answer comes "
                        "late, as from a slow gateway (default 0)."),
         QStringLiteral("MS"), QStringLiteral("0")},
    });
    // A wrong command line ends with code 2 and the usage line, as in the other programs.
    const QString usage = parser.helpText().section(QLatin1Char('\n'), 0, 0);
    if (!parser.parse(application.arguments())) {
        fail(parser.errorText() + QLatin1Char('\n') + usage);
    }
    if (!parser.positionalArguments().isEmpty()) {
        fail(QStringLiteral("unexpected argument %1; see --help.\n%2")
                 .arg(parser.positionalArguments().first(), usage));
    }
    parser.process(application);  // --help and --version end here

    Options options;
    if (!options.address.setAddress(parser.value(QStringLiteral("address")))) {
        fail(QStringLiteral("--address takes an IP address."));
    }
    options.httpPort = portOption(parser, QStringLiteral("http-port"));
    options.certificate = parser.value(QStringLiteral("cert"));
    options.key = parser.value(QStringLiteral("key"));
    if (options.certificate.isEmpty() != options.key.isEmpty()) {
        fail(QStringLiteral("HTTPS needs both --cert and --key."));
    }
    if (!options.certificate.isEmpty()) {
        options.httpsPort = portOption(parser, QStringLiteral("https-port"));
    }
    bool number = false;
    options.delayMs = parser.value(QStringLiteral("delay")).toInt(&number);
    if (!number || options.delayMs < 0 || options.delayMs > 60000) {
        fail(QStringLiteral("--delay takes milliseconds from 0 to 60000."));
    }
    options.accounts = parser.value(QStringLiteral("accounts"));
    options.outbox =
        parser.isSet(QStringLiteral("outbox"))
            ? parser.value(QStringLiteral("outbox"))
            : QFileInfo(options.accounts).absoluteDir().filePath(QStringLiteral("outbox.jsonl"));
    return options;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    }
    return file.readAll();
}

void setUpTls(HttpFront& front, const Options& options) {
    const auto certificates = QSslCertificate::fromData(readAll(options.certificate));
    if (certificates.isEmpty()) {
        fail(QStringLiteral("%1 holds no PEM certificate.").arg(options.certificate));
    }
    const QByteArray keyData = readAll(options.key);
    for (const QSsl::KeyAlgorithm algorithm : {QSsl::Ec, QSsl::Rsa}) {
        const QSslKey key(keyData, algorithm, QSsl::Pem, QSsl::PrivateKey);
        if (!key.isNull()) {
            QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
            configuration.setLocalCertificate(certificates.first());
            configuration.setPrivateKey(key);
            configuration.setPeerVerifyMode(QSslSocket::VerifyNone);
            front.useTls(configuration);
            return;
        }
    }
    fail(QStringLiteral("%1 holds no unencrypted PEM private key.").arg(options.key));
}

QString endpoint(const QHostAddress& address, quint16 port) {
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                             ? QStringLiteral("[%1]").arg(address.toString())
                             : address.toString();
    return QStringLiteral("%1:%2").arg(host).arg(port);
}

quint16 listenOn(HttpFront& front, const Options& options, quint16 port, const char* scheme) {
    if (!front.listen(options.address, port)) {
        fail(QStringLiteral("cannot listen for %1 on %2: %3")
                 .arg(QLatin1String(scheme), endpoint(options.address, port), front.errorString()));
    }
    return front.serverPort();
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("pelicast-gateway"));
    QCoreApplication::setApplicationVersion(QStringLiteral(PELICAST_VERSION));
    const Options options = parseOptions(application);

    AccountStore accounts(options.accounts);
    if (!accounts.load()) {
        fail(accounts.errorString());
    }
    const Outbox outbox(options.outbox);
    GatewayService service(accounts, outbox);

    HttpFront http(service, QStringLiteral("http"));
    http.setReplyDelay(options.delayMs);
    QString ready = QStringLiteral("http=") +
                    endpoint(options.address, listenOn(http, options, options.httpPort, "http"));
    HttpFront https(service, QStringLiteral("https"));
    if (options.httpsPort) {
        setUpTls(https, options);
        https.setReplyDelay(options.delayMs);
        ready += QStringLiteral(" https=") +
                 endpoint(options.address, listenOn(https, options, *options.httpsPort, "https"));
    }
    QTextStream(stderr) << "pelicast-gateway: accounts " << accounts.path() << ", outbox "
                        << outbox.path() << Qt::endl;
    // The one line on standard output: a starting script or test waits for it.
    QTextStream(stdout) << ready << Qt::endl;
    return application.exec();
}
