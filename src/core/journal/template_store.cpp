// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/journal/template_store.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>

#include "core/journal/journal.h"
#include "core/journal/journal_sql.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// This file's texts, under one context for the translators.
struct TemplateStoreText {
    Q_DECLARE_TR_FUNCTIONS(TemplateStore)
};

Unexpected<QString> failure(const Journal& journal, const QSqlQuery& query) {
    return Unexpected(TemplateStoreText::tr("The journal %1 cannot be used: %2")
                          .arg(journal.path(), query.lastError().text()));
}

// A name the menu can show on one line.
Expected<QString> checkedName(const QString& name) {
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return Unexpected(TemplateStoreText::tr("A template needs a name."));
    if (trimmed.size() > TemplateStore::kMaxNameLength)
        return Unexpected(TemplateStoreText::tr("A template's name has at most %1 characters.")
                              .arg(TemplateStore::kMaxNameLength));
    for (const QChar ch : trimmed) {
        if (ch.category() == QChar::Other_Control)
            return Unexpected(TemplateStoreText::tr("A template's name is one line of text."));
    }
    return trimmed;
}

}  // namespace

TemplateStore::TemplateStore(Journal& journal) : journal_(journal) {}

Expected<QList<MessageTemplate>> TemplateStore::list() const {
    QSqlQuery query(journal_.database());
    if (!query.exec(u"SELECT name, text, updated FROM templates ORDER BY name"_s))
        return failure(journal_, query);
    QList<MessageTemplate> templates;
    while (query.next())
        templates.append(
            {query.value(0).toString(), query.value(1).toString(),
             QDateTime::fromString(query.value(2).toString(), Qt::ISODateWithMs).toUTC()});
    return templates;
}

Expected<std::optional<QString>> TemplateStore::text(const QString& name) const {
    QSqlQuery query(journal_.database());
    query.prepare(u"SELECT text FROM templates WHERE name = ?"_s);
    query.addBindValue(name.trimmed());
    if (!query.exec())
        return failure(journal_, query);
    return query.next() ? std::optional(query.value(0).toString()) : std::nullopt;
}

Expected<void> TemplateStore::save(const QString& name, const QString& text) {
    const Expected<QString> checked = checkedName(name);
    if (!checked)
        return Unexpected(checked.error());
    if (text.trimmed().isEmpty())
        return Unexpected(TemplateStoreText::tr("A template needs a text."));
    if (text.size() > kMaxTextLength)
        return Unexpected(
            TemplateStoreText::tr("A template has at most %1 characters.").arg(kMaxTextLength));
    QSqlQuery query(journal_.database());
    query.prepare(
        u"INSERT INTO templates (name, text, updated) VALUES (?, ?, ?) ON CONFLICT (name)"
        " DO UPDATE SET name = excluded.name, text = excluded.text, updated = excluded.updated"_s);
    query.addBindValue(*checked);
    query.addBindValue(text);
    query.addBindValue(journal_sql::utcText(QDateTime::currentDateTimeUtc()));
    if (!query.exec())
        return failure(journal_, query);
    return {};
}

Expected<void> TemplateStore::rename(const QString& from, const QString& to) {
    const Expected<QString> checked = checkedName(to);
    if (!checked)
        return Unexpected(checked.error());
    QSqlQuery query(journal_.database());
    // The same template in other letter case is no other.
    query.prepare(u"SELECT 1 FROM templates WHERE name = ? AND name <> ?"_s);
    query.addBindValue(*checked);
    query.addBindValue(from.trimmed());
    if (!query.exec())
        return failure(journal_, query);
    if (query.next())
        return Unexpected(
            TemplateStoreText::tr("A template named “%1” exists already.").arg(*checked));
    query.prepare(u"UPDATE templates SET name = ?, updated = ? WHERE name = ?"_s);
    query.addBindValue(*checked);
    query.addBindValue(journal_sql::utcText(QDateTime::currentDateTimeUtc()));
    query.addBindValue(from.trimmed());
    if (!query.exec())
        return failure(journal_, query);
    if (query.numRowsAffected() == 0)
        return Unexpected(
            TemplateStoreText::tr("There is no template named “%1”.").arg(from.trimmed()));
    return {};
}

Expected<void> TemplateStore::remove(const QString& name) {
    QSqlQuery query(journal_.database());
    query.prepare(u"DELETE FROM templates WHERE name = ?"_s);
    query.addBindValue(name.trimmed());
    if (!query.exec())
        return failure(journal_, query);
    return {};
}

}  // namespace pelicast
