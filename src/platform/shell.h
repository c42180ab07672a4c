#pragma once

#include <QString>

class QWidget;

namespace pelicast::platform {

// Finding and starting other programs. Result codes follow the shell's rule:
// more than 32 is success, 32 or less an error.
class Shell {
public:
    virtual ~Shell() = default;

    // The program the desktop opens `file` (a web page) with; the path is
    // written to `executable`.
    virtual long FindExecutable(const QString& file, const QString& directory,
                                QString* executable) = 0;
    // Starts `file` with `parameters` on its command line without waiting.
    virtual long ShellExecute(QWidget* owner, const QString& operation, const QString& file,
                              const QString& parameters, const QString& directory,
                              int showCommand) = 0;
    // Starts the program at `path` without waiting; false when it cannot start.
    virtual bool StartProgram(const QString& path) = 0;
    // The desktop's system-information program, or "" when there is none.
    virtual QString FindSystemInformationProgram() = 0;
};

}  // namespace pelicast::platform
