// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/web_page.h"

#include <QDesktopServices>
#include <QUrl>

#include "gui/message_box.h"

using namespace Qt::StringLiterals;

namespace pelicast {

void openWebPage(QWidget* parent, const QUrl& url) {
    if (!QDesktopServices::openUrl(url))
        MessageBox::tell(parent, u"Web Page not Opened"_s, u"URL Failed"_s,
                         MessageBox::Icon::Warning);
}

}  // namespace pelicast
