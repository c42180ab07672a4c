// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QUrl;
class QWidget;

namespace pelicast {

// Opens `url` in the desktop's web browser without waiting for it. When no
// program is there for web links (no xdg-open, or xdg-mime names none for
// the scheme), or the browser cannot be started, says so in a box owned by
// `parent`. Nothing is retried.
void openWebPage(QWidget* parent, const QUrl& url);

}  // namespace pelicast
