#pragma once

#include <QStringList>
#include <functional>
#include <optional>

#include "platform/help_service.h"

namespace pelicast::platform {

class Dialogs;

// Shows help in the program's own viewer, pelicast-help, started as a
// separate process: the help window has no owner and stays open after the
// program ends.
class HelpViewerService : public HelpService {
public:
    // Starts `program` with `arguments` without waiting; false when it cannot.
    using Launcher = std::function<bool(const QString& program, const QStringList& arguments)>;

    explicit HelpViewerService(Dialogs& dialogs, QString viewer = ViewerBesideProgram(),
                               Launcher launch = StartDetached);

    void HtmlHelp(QWidget* owner, const QString& file, unsigned command,
                  std::intptr_t data) override;

    // pelicast-help in the folder of the running program.
    static QString ViewerBesideProgram();
    // The viewer's command line for one request, or nothing for a command
    // the viewer does not know.
    static std::optional<QStringList> ViewerArguments(const QString& file, unsigned command,
                                                      std::intptr_t data);
    static bool StartDetached(const QString& program, const QStringList& arguments);

private:
    Dialogs& dialogs_;
    QString viewer_;
    Launcher launch_;
};

}  // namespace pelicast::platform
