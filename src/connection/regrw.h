#pragma once

#include <QByteArray>
#include <QString>

#include "platform/registry.h"

namespace pelicast::regrw {

// Reads one registry value into `output` as text: strings and binary values
// as they stand (a closing NUL cut off), 32-bit numbers as decimal text.
// Returns false and leaves `output` as it was when the key or value cannot be
// read or the value is longer than 1024 bytes.
bool GetRegValue(platform::Registry& registry, platform::RegHandle root, const QString& keyPath,
                 const QString& valueName, QString& output);

// The bytes of a 1024-byte query buffer cut to `dataSize`: one character less
// when the last one within that size is NUL.
QByteArray CutAtSize(const char* buffer, std::uint32_t dataSize);

}  // namespace pelicast::regrw
