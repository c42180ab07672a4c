// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/journal_window.h"

#include <QWidget>

#include "core/journal/journal.h"
#include "gui/message_box.h"

namespace pelicast {

bool showJournalWindow(QWidget& window, Journal& journal, const std::function<void()>& refresh) {
    if (!journal.open()) {
        MessageBox::tell(window.parentWidget(), journal.errorString(), {},
                         MessageBox::Icon::Warning);
        return false;
    }
    refresh();
    window.show();
    window.raise();
    window.activateWindow();
    return true;
}

}  // namespace pelicast
