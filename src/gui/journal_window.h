// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QWidget;

namespace pelicast {

class Journal;

// Shows a window that lists from the journal: opens `journal` unless it is
// open, then `refresh`es and brings `window` to the front. When the journal
// cannot be opened, says why over the window's parent and returns false.
bool showJournalWindow(QWidget& window, Journal& journal, const std::function<void()>& refresh);

}  // namespace pelicast
