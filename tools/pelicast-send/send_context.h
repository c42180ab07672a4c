// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCommandLineParser>
#include <QJsonValue>
#include <QString>
#include <QTextStream>
#include <optional>

#include "core/gateway/gateway_location.h"
#include "core/settings/settings.h"

namespace pelicast {

// pelicast-send's exit statuses, as --help tells them.
enum ExitStatus {
    kAccepted = 0,
    kRefused = 1,
    kBadUsage = 2,
    kNetworkFailure = 3,
    kUnreadableData = 4,
    kOutputLost = 5,
};

// What every part of pelicast-send shares: the command line, the settings,
// where it writes, and how it tells the outcome (text, or one JSON value
// with --json) and its warnings and errors (standard error, each line after
// the program's name).
class SendContext {
public:
    SendContext(const GatewayLocation& location, QTextStream& out, QTextStream& err)
        : location(location), out(out), err(err) {}

    GatewayLocation location;  // --gateway, or as built
    QTextStream& out;
    QTextStream& err;
    QCommandLineParser parser;
    Settings settings;
    bool json = false;
    int status = kAccepted;
    // --max-cost and --region, checked.
    std::optional<qint64> maxCost;
    std::optional<QString> region;

    bool isSet(const QString& option) const { return parser.isSet(option); }
    QString value(const QString& option) const { return parser.value(option); }

    // `result` with --json, else `text` (when there is one), made printable.
    void print(const QJsonValue& result, const QString& text);
    void warn(const QString& text);
    // Every line says whose it is; an indented one belongs to a list above.
    void say(QStringView prefix, const QString& text);
    // Ends with `status`: the message on standard error (then the usage
    // line, when asked), and as {"outcome": "error"} with --json. False, so
    // that a step can `return stop(...)`.
    bool stop(int status, const QString& message, bool withUsage = false);
    // The same, for a step that returns the exit status.
    int fail(int exitStatus, const QString& message) {
        stop(exitStatus, message);
        return status;
    }
};

// A balance the gateway stated as a script reads it: a number, or null
// where none was stated or it is no number (the reply holds it as it came).
QJsonValue balanceValue(const QString& balance);

}  // namespace pelicast
