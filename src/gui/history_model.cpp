// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/history_model.h"

#include <QDateTime>

#include "core/journal/journal.h"
#include "gui/long_text.h"

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
    using Outcome = RequestRecord::Outcome;
    switch (outcomeOfName(stored)) {
        case Outcome::Queued:
            return HistoryModel::tr("Queued");
        case Outcome::Pending:
            return HistoryModel::tr("Sending");
        case Outcome::Accepted:
            return HistoryModel::tr("Accepted");
        case Outcome::Refused:
            return HistoryModel::tr("Refused by the gateway");
        case Outcome::Unclear:
            return HistoryModel::tr("Unclear, check your balance");
        case Outcome::Failed:
            return HistoryModel::tr("Failed, not sent");
        case Outcome::Declined:
            return HistoryModel::tr("Declined by you");
        case Outcome::Unknown:
            break;
    }
    return HistoryModel::tr("No complete answer");
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
            return cellText(stored).replace(u"\r\n"_s, u" "_s).replace(u'\n', u' ');
        case Journal::BalanceBefore:
        case Journal::BalanceAfter:
            return cellText(stored.trimmed());
        default:
            return cellText(stored);
    }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QSqlQueryModel::headerData(section, orientation, role);
    // Translated when shown, so that they follow the language installed.
    static const char* const titles[] = {
        QT_TR_NOOP("Id"),           QT_TR_NOOP("Time"),       QT_TR_NOOP("Kind"),
        QT_TR_NOOP("Account"),      QT_TR_NOOP("Originator"), QT_TR_NOOP("Recipients"),
        QT_TR_NOOP("Message"),      QT_TR_NOOP("Count"),      QT_TR_NOOP("Parts"),
        QT_TR_NOOP("Encoding"),     QT_TR_NOOP("Cost"),       QT_TR_NOOP("Outcome"),
        QT_TR_NOOP("Reason"),       QT_TR_NOOP("Reply"),      QT_TR_NOOP("Balance before"),
        QT_TR_NOOP("Balance after")};
    static_assert(std::size(titles) == Journal::ColumnCount);
    return section >= 0 && section < Journal::ColumnCount ? tr(titles[section]) : QVariant();
}

QString HistoryModel::storedText(int row, int column) const {
    return QSqlQueryModel::data(index(row, column)).toString();
}

}  // namespace pelicast
