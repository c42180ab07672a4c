#pragma once

#include <QString>

namespace pelicast {

// Number of occurrences of `needle` in `haystack`, letters compared without
// regard to case, as decimal text. After each occurrence the search resumes two
// characters further on, whatever the needle's length: two adjacent ";" count
// once, two adjacent CR LF twice. Callers compare the text with "0".
QString sCount(const QString& haystack, const QString& needle);

// `text` without leading and trailing blanks (U+0020 only; tabs and line
// breaks at the ends stay).
QString TrimBlanks(const QString& text);

}  // namespace pelicast
