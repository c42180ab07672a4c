#pragma once

#include <QString>

namespace pelicast {

// Repeating-key exclusive-or of character codes: position i of `text` is
// combined with key character ((i - 1) mod key length) + 1. Applying it twice
// with the same key gives the text back; the result has the text's length.
// Codes are UTF-16 code units, so Latin-1 text scrambles as in a single-byte
// character set and every other text still round-trips.
QString Transform(const QString& text, const QString& key);

}  // namespace pelicast
