// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

namespace pelicast {

// One of the program's own pictures (rendered to PNG at build time), drawn for
// the screen's pixel ratio: "new", "send", "gateway", "pelicast", ...
QPixmap picture(const char* name);
QIcon pictureIcon(const char* name);

}  // namespace pelicast
