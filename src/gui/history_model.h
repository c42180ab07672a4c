// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSqlQueryModel>

namespace pelicast {

// The journal's rows for a view, fetched as they are shown: times in local
// time, kinds and outcomes in words (a batch's entry: how many requests have
// each), line breaks of texts as spaces.
class HistoryModel : public QSqlQueryModel {
    Q_OBJECT
public:
    using QSqlQueryModel::QSqlQueryModel;

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // A column's value as stored.
    QString storedText(int row, int column) const;
    // Whether `row` is a batch as one entry (JournalFilter::batchesWhole),
    // and how many requests it has.
    bool isBatch(int row) const;
    qint64 batchSize(int row) const;
};

}  // namespace pelicast
