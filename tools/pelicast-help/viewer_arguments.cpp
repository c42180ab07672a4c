#include "viewer_arguments.h"

#include <limits>

namespace pelicast::help {

namespace {

std::optional<quint32> ContextNumber(const QString& text) {
    bool ok = false;
    const qlonglong number = text.toLongLong(&ok);
    if (!ok || number < std::numeric_limits<qint32>::min() ||
        number > std::numeric_limits<quint32>::max())
        return std::nullopt;
    // Help contexts are DWORDs: -1 and 4294967295 name the same one.
    return static_cast<quint32>(number);
}

}  // namespace

QString ViewerUsage() {
    return QStringLiteral(
        "Usage: pelicast-help FILE.chm [--topic | --context N]\n"
        "Shows a compiled HTML help file.\n"
        "  --topic       open the default topic (the default)\n"
        "  --context N   open the topic mapped to help context number N;\n"
        "                an unknown number opens the default topic\n"
        "  --help        show this text\n");
}

ParsedArguments ParseViewerArguments(const QStringList& arguments) {
    ViewerRequest request;
    bool topic = false;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument.size() == 1) {
            if (!request.file.isEmpty())
                return ArgumentError{QStringLiteral("Only one help file can be shown.")};
            request.file = argument;
        } else if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            return UsageRequest{};
        } else if (argument == QLatin1String("--topic")) {
            topic = true;
        } else if (argument == QLatin1String("--context") ||
                   argument.startsWith(QLatin1String("--context="))) {
            QString value;
            if (argument.contains(QLatin1Char('=')))
                value = argument.section(QLatin1Char('='), 1);
            else if (i + 1 < arguments.size())
                value = arguments.at(++i);
            request.context = ContextNumber(value);
            if (!request.context)
                return ArgumentError{
                    QStringLiteral("\"%1\" is not a help context number.").arg(value)};
        } else {
            return ArgumentError{QStringLiteral("Unknown option \"%1\".").arg(argument)};
        }
    }
    if (topic && request.context)
        return ArgumentError{QStringLiteral("--topic and --context exclude each other.")};
    if (request.file.isEmpty())
        return ArgumentError{QStringLiteral("No help file was given.")};
    return request;
}

}  // namespace pelicast::help
