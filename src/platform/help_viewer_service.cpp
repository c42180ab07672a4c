#include "platform/help_viewer_service.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include "platform/dialogs.h"

namespace pelicast::platform {

namespace {

// "file>window" names a window definition of the help file. The viewer has
// one window of its own, so only the file is passed on; a file whose own name
// holds ">" is taken whole.
QString HelpFilePart(const QString& fileSpecification) {
    const qsizetype separator = fileSpecification.lastIndexOf(QLatin1Char('>'));
    if (separator < 0 || QFileInfo::exists(fileSpecification))
        return fileSpecification;
    return fileSpecification.left(separator);
}

}  // namespace

HelpViewerService::HelpViewerService(Dialogs& dialogs, QString viewer, Launcher launch)
    : dialogs_(dialogs), viewer_(std::move(viewer)), launch_(std::move(launch)) {}

QString HelpViewerService::ViewerBesideProgram() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("pelicast-help"));
}

std::optional<QStringList> HelpViewerService::ViewerArguments(const QString& file, unsigned command,
                                                              std::intptr_t data) {
    // The viewer runs on after this program; it gets the file by its full path.
    QStringList arguments{QFileInfo(HelpFilePart(file)).absoluteFilePath()};
    if (command == HH_DISPLAY_TOPIC)
        arguments << QStringLiteral("--topic");
    else if (command == HH_HELP_CONTEXT)
        arguments << QStringLiteral("--context")
                  << QString::number(static_cast<std::int32_t>(data));
    else
        return std::nullopt;
    return arguments;
}

bool HelpViewerService::StartDetached(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

void HelpViewerService::HtmlHelp(QWidget* owner, const QString& file, unsigned command,
                                 std::intptr_t data) {
    const std::optional<QStringList> arguments = ViewerArguments(file, command, data);
    if (!arguments)
        return;
    // The viewer reports a missing or damaged help file itself; only a viewer
    // that does not start at all is told here, or help would silently fail.
    if (!launch_(viewer_, *arguments))
        dialogs_.MsgBox(owner, {QStringLiteral("Help cannot be shown: the help viewer \"%1\" "
                                               "could not be started.")
                                    .arg(QDir::toNativeSeparators(viewer_)),
                                Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation});
}

}  // namespace pelicast::platform
