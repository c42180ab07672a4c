#include "app/transform.h"

namespace pelicast {

QString Transform(const QString& text, const QString& key) {
    if (key.isEmpty())
        return text;
    QString result(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t code = text.at(i).unicode() ^ key.at(i % key.size()).unicode();
        result[i] = QChar(code);
    }
    return result;
}

}  // namespace pelicast
