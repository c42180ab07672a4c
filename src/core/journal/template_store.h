// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

#include "common/expected.h"

namespace pelicast {

class Journal;

// A message saved under a name, fields and all.
struct MessageTemplate {
    QString name;
    QString text;
    QDateTime updated;  // UTC
};

// The named messages, kept in the journal so that the window and
// pelicast-send share them. Names are unique without regard to the case of
// ASCII letters.
class TemplateStore {
public:
    static constexpr qsizetype kMaxNameLength = 100;
    // A message with fields may grow when filled in; this bounds what is typed.
    static constexpr qsizetype kMaxTextLength = 4096;

    // `journal` is open, and outlives this.
    explicit TemplateStore(Journal& journal);

    // By name.
    Expected<QList<MessageTemplate>> list() const;
    // The text saved as `name`; none when there is no such template.
    Expected<std::optional<QString>> text(const QString& name) const;
    // Saves `text` as `name` (trimmed), replacing the template of that name.
    Expected<void> save(const QString& name, const QString& text);
    // Refused when `to` names another template.
    Expected<void> rename(const QString& from, const QString& to);
    // Succeeds when there is no such template.
    Expected<void> remove(const QString& name);

private:
    Journal& journal_;
};

}  // namespace pelicast
