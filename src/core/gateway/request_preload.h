// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace pelicast {

// Starts loading, on a worker thread, what the first request of a session
// needs and the window does not: the TLS backend with its OpenSSL libraries,
// and the journal's SQLite driver. Call it once the window first paints; a
// request made sooner waits only for what is still loading. Later calls do
// nothing.
void preloadRequestLibraries();

}  // namespace pelicast
