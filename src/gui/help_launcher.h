// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

namespace pelicast {

// Opens the help viewer, a window of its own that stays open when the
// program ends, at a topic: the page's file name without its folder, e.g.
// "options.htm"; empty for the start page. Tells the user when the viewer
// cannot be started.
void showHelp(QWidget* parent, const QString& topic = QString());
// Makes F1 (the platform's help key) in `window` open the help at `topic`.
void setHelpTopic(QWidget* window, const QString& topic);

}  // namespace pelicast
