#include "addressbook/contact_labels.h"

namespace pelicast {

namespace {
const QString kGroupSuffix = QStringLiteral(" (group)");
const QString kCrLf = QStringLiteral("\r\n");
}  // namespace

QString ContactLabel(const QString& surname, const QString& firstname, const QString& cellPhone) {
    return surname + QStringLiteral(", ") + firstname + QStringLiteral(" (") + cellPhone +
           QLatin1Char(')');
}

QString GroupLabel(const QString& name) { return name + kGroupSuffix; }

bool IsGroupLabel(const QString& text) { return text.endsWith(kGroupSuffix); }

QStringList GroupNames(const QString& groups1, const QString& groups2) {
    const QString& text = groups1.isEmpty() ? groups2 : groups1;
    if (text.isEmpty())
        return {};
    if (!text.contains(kCrLf))
        return {text};
    return text.split(kCrLf);
}

}  // namespace pelicast
