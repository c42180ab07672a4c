// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace pelicast::installation {

// Where the parts of Pelicast lie relative to each other, as the build installs
// them: programs in bin/, the help viewer in libexec/pelicast/, modules in
// pelicast/ of the library folder, data in share/pelicast/ (the folders the
// build was configured with). The build tree has the same layout, so a
// program finds its parts from its own folder both there and wherever a
// packager put the whole tree.

// The desktop file's name without ".desktop", also the icon's and the
// AppStream component's name.
QString desktopId();

// The top of the tree holding a program that lies in `programFolder`: the
// folder above bin/ or libexec/pelicast/, or above `programFolder` itself when
// the program lies elsewhere.
QString root(const QString& programFolder);

// The help viewer and the help collection of the running program's tree.
QString helpViewer();
QString helpCollection();
// The module of the phone-number rules (phone_numbers.h).
QString phoneNumbersModule();

}  // namespace pelicast::installation
