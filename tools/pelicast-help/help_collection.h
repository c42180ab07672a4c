// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

#include "common/expected.h"

class QHelpEngine;

namespace pelicast::help {

// The help collection of the running program's tree, share/pelicast/pelicast.qhc
// (core/settings/installation.h), in the build tree as when installed.
QString installedCollection();

// Opens `collection` through a private copy in the user's cache folder: the
// help engine writes to its collection (settings, the search index beside
// it), and the installed one is read-only. The reason when the collection
// cannot be read.
Expected<std::unique_ptr<QHelpEngine>> openCollection(const QString& collection);

}  // namespace pelicast::help
