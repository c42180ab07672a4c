#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace pelicast::help {

// What the command line asks for:
//   pelicast-help FILE.chm [--topic | --context N]
// --topic (the default) opens the help file's default topic; --context N the
// topic mapped to context number N (a 32-bit number, signed or unsigned).
struct ViewerRequest {
    QString file;
    std::optional<quint32> context;
};

struct UsageRequest {};  // --help

struct ArgumentError {
    QString message;
};

using ParsedArguments = std::variant<ViewerRequest, UsageRequest, ArgumentError>;

// `arguments` starts with the program's name, as QCoreApplication gives it.
ParsedArguments ParseViewerArguments(const QStringList& arguments);

QString ViewerUsage();

}  // namespace pelicast::help
