// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

namespace pelicast::vcard {

// Feeds `data` through everything that reads, edits and writes a vCard file,
// and checks what must hold whatever the input. Returns the first broken
// rule ("vcard_checks.cpp:LINE: condition"), or an empty string. Shared by
// the fuzz target and the test that replays the inputs it found.
QString brokenInvariant(QByteArrayView data);

}  // namespace pelicast::vcard
