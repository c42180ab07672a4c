// SPDX-License-Identifier: GPL-3.0-or-later
// pelicast-gateway: a small stand-in for the SMS gateway, for the demo and the
// integration tests. It listens on loopback unless told otherwise.

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
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
#include "common/bounded_read.h"
#include "common/command_output.h"
#include "gateway_service.h"
#include "http_front.h"
#include "outbox.h"

using namespace Qt::StringLiterals;

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
        fail(u"--%1 takes a port number from 0 to 65535."_s.arg(name));
    }
    return quint16(port);
}

Options parseOptions(const QCoreApplication& application) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        u"A local stand-in for the Quillo SMS gateway. It serves comsend.asp, "
        "comcredits.asp and commultiaddc.asp under any folder, keeps the accounts in a "
        "JSON file (created with the account demo/demo and 1000 credits when missing) and "
        "appends every accepted message and contact list to an outbox file, one JSON "
        "object per line. On start it prints \"http=ADDRESS:PORT https=ADDRESS:PORT\" "
        "on standard output. It answers one request per connection and closes a connection "
        "that falls silent for 5 seconds or takes 30 in all; it refuses bodies over 256 KiB "
        "from their announced length, and keeps at most 64 connections, the oldest "
        "making room for a new one. It runs until a signal ends it.\n\n"
        "Exit status: 2 when it cannot start (a wrong command line, an accounts, "
        "certificate or key file that cannot be read, or a port in use)."_s);
    parser.addHelpOption();
    parser.addVersionOption();
    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                            u"/pelicast-gateway"_s;
    parser.addOptions({
        {u"address"_s, u"Address to listen on (default 127.0.0.1: loopback only)."_s, u"address"_s,
         u"127.0.0.1"_s},
        {u"http-port"_s, u"Port for plain HTTP; 0 takes any free port (default 18080)."_s,
         u"port"_s, u"18080"_s},
        {u"https-port"_s,
         u"Port for HTTPS, which needs --cert and --key; 0 takes any free port "
         "(default 18443)."_s,
         u"port"_s, u"18443"_s},
        {u"cert"_s, u"Server certificate (PEM) for HTTPS."_s, u"file"_s},
        {u"key"_s, u"Private key (PEM, unencrypted) for HTTPS."_s, u"file"_s},
        {u"accounts"_s, u"Accounts file (default %1/accounts.json)."_s.arg(dataDir), u"file"_s,
         dataDir + u"/accounts.json"_s},
        {u"outbox"_s, u"Outbox file (default outbox.jsonl beside the accounts file)."_s, u"file"_s},
        {u"delay"_s,
         u"Answers every request MS milliseconds (at most 60000) after it was "
         "handled: a message is recorded and charged at once, its answer comes "
         "late, as from a slow gateway (default 0)."_s,
         u"MS"_s, u"0"_s},
    });
    // A wrong command line ends with code 2 and the usage line, as in the other programs.
    const QString usage = parser.helpText().section(QLatin1Char('\n'), 0, 0);
    if (!parser.parse(application.arguments())) {
        fail(parser.errorText() + QLatin1Char('\n') + usage);
    }
    if (!parser.positionalArguments().isEmpty()) {
        fail(u"unexpected argument %1; see --help.\n%2"_s.arg(parser.positionalArguments().first(),
                                                              usage));
    }
    parser.process(application);  // --help and --version end here

    Options options;
    if (!options.address.setAddress(parser.value(u"address"_s))) {
        fail(u"--address takes an IP address."_s);
    }
    options.httpPort = portOption(parser, u"http-port"_s);
    options.certificate = parser.value(u"cert"_s);
    options.key = parser.value(u"key"_s);
    if (options.certificate.isEmpty() != options.key.isEmpty()) {
        fail(u"HTTPS needs both --cert and --key."_s);
    }
    if (!options.certificate.isEmpty()) {
        options.httpsPort = portOption(parser, u"https-port"_s);
    }
    bool number = false;
    options.delayMs = parser.value(u"delay"_s).toInt(&number);
    if (!number || options.delayMs < 0 || options.delayMs > 60000) {
        fail(u"--delay takes milliseconds from 0 to 60000."_s);
    }
    options.accounts = parser.value(u"accounts"_s);
    options.outbox = parser.isSet(u"outbox"_s)
                         ? parser.value(u"outbox"_s)
                         : QFileInfo(options.accounts).absoluteDir().filePath(u"outbox.jsonl"_s);
    return options;
}

// A PEM certificate chain or key is a few KiB.
QByteArray readPem(const QString& path) {
    const pelicast::Expected<QByteArray> text = pelicast::readRegularFile(path, 1 << 20);
    if (!text) {
        fail(u"cannot read %1: %2"_s.arg(path, text.error()));
    }
    return *text;
}

void setUpTls(HttpFront& front, const Options& options) {
    const auto certificates = QSslCertificate::fromData(readPem(options.certificate));
    if (certificates.isEmpty()) {
        fail(u"%1 holds no PEM certificate."_s.arg(options.certificate));
    }
    const QByteArray keyData = readPem(options.key);
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
    fail(u"%1 holds no unencrypted PEM private key."_s.arg(options.key));
}

QString endpoint(const QHostAddress& address, quint16 port) {
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                             ? u"[%1]"_s.arg(address.toString())
                             : address.toString();
    return u"%1:%2"_s.arg(host).arg(port);
}

quint16 listenOn(HttpFront& front, const Options& options, quint16 port, const char* scheme) {
    if (!front.listen(options.address, port)) {
        fail(u"cannot listen for %1 on %2: %3"_s.arg(
            QLatin1String(scheme), endpoint(options.address, port), front.errorString()));
    }
    return front.serverPort();
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(u"pelicast-gateway"_s);
    QCoreApplication::setApplicationVersion(QStringLiteral(PELICAST_VERSION));
    const Options options = parseOptions(application);

    AccountStore accounts(options.accounts);
    if (!accounts.load()) {
        fail(accounts.errorString());
    }
    const Outbox outbox(options.outbox);
    GatewayService service(accounts, outbox);

    HttpFront http(service, u"http"_s);
    http.setReplyDelay(options.delayMs);
    QString ready =
        u"http="_s + endpoint(options.address, listenOn(http, options, options.httpPort, "http"));
    HttpFront https(service, u"https"_s);
    if (options.httpsPort) {
        setUpTls(https, options);
        https.setReplyDelay(options.delayMs);
        ready += u" https="_s +
                 endpoint(options.address, listenOn(https, options, *options.httpsPort, "https"));
    }
    QTextStream(stderr) << "pelicast-gateway: accounts " << accounts.path() << ", outbox "
                        << outbox.path() << Qt::endl;
    // The one line on standard output: a starting script or test waits for it.
    QTextStream out(stdout);
    out << ready << '\n';
    if (const pelicast::Expected<void> written = pelicast::flushOutput(out); !written) {
        fail(u"cannot write to standard output: %1"_s.arg(written.error()));
    }
    return application.exec();
}
