// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QUrl;
class QWidget;

namespace pelicast {

// Opens `url` in the desktop's web browser without waiting for it; when that
// fails, says so in a box owned by `parent`. Nothing is retried.
void openWebPage(QWidget* parent, const QUrl& url);

}  // namespace pelicast
