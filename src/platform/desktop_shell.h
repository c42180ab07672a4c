#pragma once

#include <QHash>
#include <QStringList>

#include "platform/shell.h"

namespace pelicast::platform {

// The shell of a freedesktop desktop: the web browser is the program that
// the desktop's default-application settings name for web pages.
class DesktopShell : public Shell {
public:
    // Looks up the desktop's default browser (as `xdg-settings` and
    // `xdg-mime` report it) and writes the path of its program. `file` must
    // exist.
    long FindExecutable(const QString& file, const QString& directory,
                        QString* executable) override;
    // Starts `file` detached. A program found by FindExecutable gets its
    // desktop entry's command line with `parameters` in the place of the
    // address; any other program gets `parameters` as its one argument.
    long ShellExecute(QWidget* owner, const QString& operation, const QString& file,
                      const QString& parameters, const QString& directory,
                      int showCommand) override;
    bool StartProgram(const QString& path) override;
    QString FindSystemInformationProgram() override;

private:
    // The command-line arguments of each browser found, by program path.
    QHash<QString, QStringList> commandLines_;
};

// The arguments of a desktop entry's Exec value, quoting and escapes undone.
QStringList SplitDesktopExec(const QString& exec);
// The arguments with the entry's field codes filled: the file and URL codes
// become `address` (appended at the end when there is none), the others go.
QStringList ExpandFieldCodes(const QStringList& arguments, const QString& address);

}  // namespace pelicast::platform
