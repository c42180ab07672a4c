#include "platform/text.h"

namespace pelicast {

QString sCount(const QString& haystack, const QString& needle) {
    if (needle.isEmpty())
        return QStringLiteral("0");
    qsizetype count = 0;
    qsizetype from = 0;
    while (from < haystack.size()) {
        const qsizetype at = haystack.indexOf(needle, from, Qt::CaseInsensitive);
        if (at < 0)
            break;
        ++count;
        from = at + 2;
    }
    return QString::number(count);
}

QString TrimBlanks(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

}  // namespace pelicast
