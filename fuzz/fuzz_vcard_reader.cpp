// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes through everything that reads, edits and writes a
// vCard file (vcard_checks.cpp) and stops at the first broken rule.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "vcard_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString broken = pelicast::vcard::brokenInvariant(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "invariant broken at %s\n", qPrintable(broken));
        std::abort();
    }
    return 0;
}
