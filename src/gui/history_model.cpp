// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/history_model.h"

#include <QDateTime>
#include <QLocale>

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

// "Accepted: 80 · Refused by the gateway: 2": a batch's requests by outcome.
QString batchOutcomesText(const QString& stored) {
    QStringList parts;
    for (const auto& [outcome, count] : batchOutcomes(stored))
        parts.append(HistoryModel::tr("%1: %2").arg(outcomeLabel(outcomeName(outcome))).arg(count));
    return parts.join(u" · "_s);
}

// A time format with seconds after its minutes ("h:mm AP" → "h:mm:ss AP").
QString withSeconds(QString format) {
    const qsizetype minutes = format.indexOf(u"mm"_s);
    if (minutes >= 0)
        format.insert(minutes + 2, format.mid(minutes - 1, 1) + u"ss"_s);
    return format;
}

// In the locale's short form, as the date filters show it, to the second.
QString localTime(const QString& stored) {
    const QDateTime time = QDateTime::fromString(stored, Qt::ISODateWithMs).toLocalTime();
    const QLocale locale;
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (!format.contains(u's'))
        format = withSeconds(format);
    return locale.toString(time.date(), QLocale::ShortFormat) + u' ' +
           locale.toString(time.time(), format);
}

}  // namespace

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::ToolTipRole && index.column() == Journal::Time)
        return storedText(index.row(), index.column());
    if (role == Qt::TextAlignmentRole && index.column() >= Journal::RecipientCount &&
        index.column() <= Journal::Charged)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return QSqlQueryModel::data(index, role);
    const QString stored = storedText(index.row(), index.column());
    switch (index.column()) {
        case Journal::Time:
            return localTime(stored);
        case Journal::Encoding:
            // As the main window names it.
            return stored == encodingName(SmsEncoding::Ucs2) ? tr("Unicode") : stored;
        case Journal::Kind:
            return isBatch(index.row()) ? tr("Batch") : kindLabel(stored);
        case Journal::Outcome:
            return isBatch(index.row()) ? batchOutcomesText(stored) : outcomeLabel(stored);
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
    static const char* const titles[] = {QT_TR_NOOP("Id"),
                                         QT_TR_NOOP("Time"),
                                         QT_TR_NOOP("Kind"),
                                         QT_TR_NOOP("Account"),
                                         QT_TR_NOOP("Originator"),
                                         QT_TR_NOOP("Recipients"),
                                         QT_TR_NOOP("Message"),
                                         QT_TR_NOOP("Count"),
                                         QT_TR_NOOP("Parts"),
                                         QT_TR_NOOP("Encoding"),
                                         QT_TR_NOOP("Cost quoted"),
                                         QT_TR_NOOP("Cost charged"),
                                         QT_TR_NOOP("Outcome"),
                                         QT_TR_NOOP("Reason"),
                                         QT_TR_NOOP("Reply"),
                                         QT_TR_NOOP("Balance before"),
                                         QT_TR_NOOP("Balance after"),
                                         QT_TR_NOOP("Batch")};
    static_assert(std::size(titles) == Journal::ColumnCount);
    return section >= 0 && section < Journal::ColumnCount ? tr(titles[section]) : QVariant();
}

QString HistoryModel::storedText(int row, int column) const {
    return QSqlQueryModel::data(index(row, column)).toString();
}

// A request of a batch shown as a request has an outcome of its own.
bool HistoryModel::isBatch(int row) const {
    return !storedText(row, Journal::Batch).isEmpty() &&
           storedText(row, Journal::Outcome).contains(u':');
}

qint64 HistoryModel::batchSize(int row) const {
    qint64 size = 0;
    for (const auto& [outcome, count] : batchOutcomes(storedText(row, Journal::Outcome)))
        size += count;
    return size;
}

}  // namespace pelicast
