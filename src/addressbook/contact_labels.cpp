#include "addressbook/contact_labels.h"

#include <QStringTokenizer>
#include <algorithm>

namespace pelicast {

namespace {
const QString kGroupSuffix = QStringLiteral(" (group)");
const QString kCrLf = QStringLiteral("\r\n");

char32_t folded(char16_t c) {
    if (c < 0x80)
        return c >= u'A' && c <= u'Z' ? char32_t(c + (u'a' - u'A')) : char32_t(c);
    return QChar::toCaseFolded(char32_t(c));
}

// Compares letter by letter with case folded, without building folded copies:
// a large book's list sorts several times faster so.
bool LessIgnoringCase(QStringView a, QStringView b) {
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        if (x == y)
            continue;
        const char32_t fx = folded(x);
        const char32_t fy = folded(y);
        if (fx != fy)
            return fx < fy;
    }
    return a.size() < b.size();
}
}  // namespace

QString ContactLabel(const QString& surname, const QString& firstname, const QString& cellPhone) {
    return surname + QStringLiteral(", ") + firstname + QStringLiteral(" (") + cellPhone +
           QLatin1Char(')');
}

QString GroupLabel(const QString& name) {
    return name + kGroupSuffix;
}

qsizetype CountGroupName(const QString& groupText, const QString& name) {
    if (groupText.isEmpty())
        return 0;  // no names at all, not one empty name
    if (!groupText.contains(kCrLf))
        return groupText == name ? 1 : 0;
    qsizetype count = 0;
    for (const QStringView piece : QStringTokenizer(groupText, kCrLf))
        count += piece == name ? 1 : 0;
    return count;
}

QString GroupName(const QString& groupLabel) {
    return IsGroupLabel(groupLabel) ? groupLabel.chopped(kGroupSuffix.size()) : QString();
}

bool IsGroupLabel(const QString& text) {
    return text.endsWith(kGroupSuffix);
}

QStringList GroupNames(const QString& groups1, const QString& groups2) {
    const QString& text = groups1.isEmpty() ? groups2 : groups1;
    if (text.isEmpty())
        return {};
    if (!text.contains(kCrLf))
        return {text};
    return text.split(kCrLf);
}

void SortIgnoringCase(QStringList& entries) {
    std::stable_sort(entries.begin(), entries.end(),
                     [](const QString& a, const QString& b) { return LessIgnoringCase(a, b); });
}

}  // namespace pelicast
