#pragma once

#include <QString>

class QWidget;

namespace pelicast::platform {
class Dialogs;
class Shell;
}  // namespace pelicast::platform

namespace pelicast {

// Opens `address` in the program the desktop opens web pages with and returns
// without waiting for it. A missing browser or a failed start is told to the
// user in a box owned by `owner`; nothing is retried.
void LaunchWebBrowser(platform::Shell& shell, platform::Dialogs& dialogs, QWidget* owner,
                      const QString& address);

}  // namespace pelicast
