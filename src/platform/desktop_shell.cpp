#include "platform/desktop_shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextStream>
#include <utility>

namespace pelicast::platform {

namespace {

constexpr long kSuccess = 42;
constexpr long kFileNotFound = 2;  // the shell's code for a missing file or program
constexpr long kNoAssociation = 31;
// The desktop queries are local and quick; one that hangs must not hang us.
constexpr int kQueryTimeoutMs = 3000;

// The first line a desktop query prints, or "" when it cannot be run.
QString query(const QString& program, const QStringList& arguments) {
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty())
        return {};
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(path, arguments, QIODevice::ReadOnly);
    if (!process.waitForFinished(kQueryTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return {};
    return QString::fromLocal8Bit(process.readAllStandardOutput()).section('\n', 0, 0).trimmed();
}

// Desktop entries that may name the web browser, the most specific first.
QStringList browserEntries() {
    const QString xdgMime = QStringLiteral("xdg-mime");
    const QStringList answers{
        query(QStringLiteral("xdg-settings"), {"get", "default-web-browser"}),
        query(xdgMime, {"query", "default", "x-scheme-handler/https"}),
        query(xdgMime, {"query", "default", "text/html"}),
    };
    QStringList entries;
    for (const QString& answer : answers) {
        // xdg-mime may list several entries separated by ";".
        for (const QString& entry : answer.split(';', Qt::SkipEmptyParts)) {
            if (entry.endsWith(QLatin1String(".desktop")) && !entries.contains(entry))
                entries.append(entry);
        }
    }
    return entries;
}

// The general escapes of a desktop-entry value.
QString unescapeValue(const QString& value) {
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        const qsizetype escape = QStringView(u"sntr\\").indexOf(next);
        if (escape >= 0) {
            out += QStringView(u" \n\t\r\\")[escape];
        } else {
            out += '\\';
            out += next;
        }
    }
    return out;
}

// The Exec value of the [Desktop Entry] group, or "".
QString execValue(const QString& desktopFile) {
    QFile file(desktopFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QTextStream in(&file);
    bool inEntry = false;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.startsWith('[')) {
            inEntry = line == QLatin1String("[Desktop Entry]");
        } else if (inEntry && line.startsWith(QLatin1String("Exec"))) {
            const QString key = line.section('=', 0, 0).trimmed();
            if (key == QLatin1String("Exec"))
                return unescapeValue(line.section('=', 1).trimmed());
        }
    }
    return {};
}

// A program named on a command line, as a path that can be started.
QString resolveProgram(const QString& program) {
    if (program.contains('/')) {
        const QFileInfo info(program);
        return info.isFile() && info.isExecutable() ? info.absoluteFilePath() : QString();
    }
    return QStandardPaths::findExecutable(program);
}

}  // namespace

QStringList SplitDesktopExec(const QString& exec) {
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == '\\' && i + 1 < exec.size())
                current += exec[++i];
            else if (c == '"')
                quoted = false;
            else
                current += c;
        } else if (c == '"') {
            quoted = inArgument = true;
        } else if (c == ' ' || c == '\t') {
            if (inArgument)
                arguments.append(std::exchange(current, {}));
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments.append(current);
    return arguments;
}

QStringList ExpandFieldCodes(const QStringList& arguments, const QString& address) {
    static const QString addressCodes = QStringLiteral("uUfF");
    QStringList out;
    bool placed = false;
    for (const QString& argument : arguments) {
        QString expanded;
        bool hadCode = false;
        for (qsizetype i = 0; i < argument.size(); ++i) {
            if (argument[i] != '%' || i + 1 == argument.size()) {
                expanded += argument[i];
                continue;
            }
            const QChar code = argument[++i];
            if (code == '%') {
                expanded += '%';
                continue;
            }
            hadCode = true;
            if (addressCodes.contains(code)) {
                expanded += address;
                placed = true;
            }
        }
        // A code standing alone that expands to nothing is no argument.
        if (!(hadCode && expanded.isEmpty()))
            out.append(expanded);
    }
    if (!placed && !address.isEmpty())
        out.append(address);
    return out;
}

long DesktopShell::FindExecutable(const QString& file, const QString& directory,
                                  QString* executable) {
    const QString target = directory.isEmpty() ? file : QDir(directory).filePath(file);
    if (!QFileInfo::exists(target))
        return kFileNotFound;
    for (const QString& entry : browserEntries()) {
        const QString desktopFile =
            QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entry);
        if (desktopFile.isEmpty())
            continue;
        const QStringList command = SplitDesktopExec(execValue(desktopFile));
        if (command.isEmpty())
            continue;
        const QString program = resolveProgram(command.first());
        if (program.isEmpty())
            continue;
        commandLines_.insert(program, command.mid(1));
        *executable = program;
        return kSuccess;
    }
    return kNoAssociation;
}

long DesktopShell::ShellExecute(QWidget*, const QString&, const QString& file,
                                const QString& parameters, const QString& directory, int) {
    const auto known = commandLines_.constFind(file);
    const QStringList arguments = known != commandLines_.cend()
                                      ? ExpandFieldCodes(*known, parameters)
                                  : parameters.isEmpty() ? QStringList()
                                                         : QStringList{parameters};
    return QProcess::startDetached(file, arguments, directory) ? kSuccess : kFileNotFound;
}

bool DesktopShell::StartProgram(const QString& path) {
    return QProcess::startDetached(path, {});
}

QString DesktopShell::FindSystemInformationProgram() {
    static const char* const programs[] = {"kinfocenter",          "hardinfo",
                                           "gnome-system-monitor", "mate-system-monitor",
                                           "xfce4-taskmanager",    "lxtask"};
    for (const char* program : programs) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(program));
        if (!path.isEmpty())
            return path;
    }
    return {};
}

}  // namespace pelicast::platform
