#include "support/web_browser.h"

#include <QDir>
#include <QTemporaryFile>

#include "platform/dialogs.h"
#include "platform/shell.h"

namespace pelicast {

namespace {

// Shell results above this are success.
constexpr long kShellErrorLimit = 32;
constexpr int kNormalWindow = 1;

void warn(platform::Dialogs& dialogs, QWidget* owner, const QString& text, const QString& title) {
    platform::Dialogs::Message message;
    message.text = text;
    message.title = title;
    message.icon = platform::Dialogs::Icon::Exclamation;
    dialogs.MsgBox(owner, message);
}

}  // namespace

void LaunchWebBrowser(platform::Shell& shell, platform::Dialogs& dialogs, QWidget* owner,
                      const QString& address) {
    // The association is looked up by a page file's type. The file gets a
    // fresh, private name, so no other user can plant a link in its place,
    // and it is removed on every way out of here.
    QTemporaryFile page(QDir::tempPath() + QStringLiteral("/pelicast-XXXXXX.htm"));
    QString browser;
    long found = 0;
    if (page.open() && page.write("<HTML> </HTML>\n") > 0 && page.flush())
        found = shell.FindExecutable(page.fileName(), QString(), &browser);
    if (found <= kShellErrorLimit) {
        warn(dialogs, owner, QStringLiteral("Could not find associated Browser"),
             QStringLiteral("Browser Not Found"));
        return;
    }

    if (shell.ShellExecute(owner, QStringLiteral("open"), browser, address, QString(),
                           kNormalWindow) <= kShellErrorLimit)
        warn(dialogs, owner, QStringLiteral("Web Page not Opened"), QStringLiteral("URL Failed"));
}

}  // namespace pelicast
