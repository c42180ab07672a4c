// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include "common/expected.h"

namespace pelicast::gateway {

// A decoded application/x-www-form-urlencoded body: "&"-separated
// name=value pairs, "+" for a space, "%XX" for a byte, the bytes read as UTF-8.
class Form {
public:
    // The form, or the reason when a percent escape is broken, the text is
    // not UTF-8 or a field comes twice (which is how an unescaped value would
    // smuggle in a field of its own).
    static Expected<Form> decode(const QByteArray& body);

    bool has(const char* name) const { return fields_.contains(QLatin1String(name)); }
    QString value(const char* name) const { return fields_.value(QLatin1String(name)); }
    // The names out of `names` that the form lacks.
    template <typename Names>
    QStringList missing(const Names& names) const {
        QStringList absent;
        for (const char* name : names) {
            if (!has(name)) {
                absent << QLatin1String(name);
            }
        }
        return absent;
    }

private:
    QHash<QString, QString> fields_;
};

// One value of the form with its "----" separators read back as ";".
QString joinedBySemicolons(const QString& value);
// The same split into its pieces, dropping empty and blank ones.
QStringList separatedItems(const QString& value);
// A list whose every line is preceded by CR LF, as its lines; "" is no line.
QStringList crlfLines(const QString& value);

}  // namespace pelicast::gateway
