// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/history_model.h"

#include <QDateTime>

#include "core/journal/journal.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

QString kindLabel(const QString& stored) {
    switch (kindOfName(stored)) {
        case RequestRecord::Kind::CreditCheck:
            return HistoryModel::tr("Credit check");
        case RequestRecord::Kind::Upload:
            return HistoryModel::tr("Contact list upload");
        case RequestRecord::Kind::Send:
            break;
    }
    return HistoryModel::tr("Message");
}

QString outcomeLabel(const QString& stored) {
    switch (outcomeOfName(stored)) {
        case RequestRecord::Outcome::Replied:
            return HistoryModel::tr("Replied");
        case RequestRecord::Outcome::Failed:
            return HistoryModel::tr("Failed");
        case RequestRecord::Outcome::Refused:
            return HistoryModel::tr("Refused by you");
        case RequestRecord::Outcome::Pending:
            break;
    }
    return HistoryModel::tr("No answer");
}

}  // namespace

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole)
        return QSqlQueryModel::data(index, role);
    const QString stored = storedText(index.row(), index.column());
    switch (index.column()) {
        case Journal::Time:
            return QDateTime::fromString(stored, Qt::ISODateWithMs)
                .toLocalTime()
                .toString(u"yyyy-MM-dd HH:mm:ss"_s);
        case Journal::Kind:
            return kindLabel(stored);
        case Journal::Outcome:
            return outcomeLabel(stored);
        case Journal::Message:
        case Journal::Recipients:
        case Journal::Reply:
            return QString(stored).replace(u"\r\n"_s, u" "_s).replace(u'\n', u' ');
        case Journal::BalanceBefore:
        case Journal::BalanceAfter:
            return stored.trimmed();
        default:
            return stored;
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QSqlQueryModel::headerData(section, orientation, role);
    static const QString titles[] = {
        tr("Id"),         tr("Time"),       tr("Kind"),           tr("Account"),
        tr("Originator"), tr("Recipients"), tr("Message"),        tr("Count"),
        tr("Parts"),      tr("Encoding"),   tr("Cost"),           tr("Outcome"),
        tr("Reason"),     tr("Reply"),      tr("Balance before"), tr("Balance after")};
    static_assert(std::size(titles) == Journal::ColumnCount);
    return section >= 0 && section < Journal::ColumnCount ? titles[section] : QVariant();
}

QString HistoryModel::storedText(int row, int column) const {
    return QSqlQueryModel::data(index(row, column)).toString();
}

}  // namespace pelicast
