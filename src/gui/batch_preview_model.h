// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>
#include <QCache>

#include "core/message/batch_plan.h"

namespace pelicast {

// The requests of a batch plan for a view, one row each: its recipients, its
// text as it goes, parts, alphabet (with the characters that make it
// Unicode), cost, and what is not as it should be. A row's request is made
// from the plan when the view asks for it, and the last few are kept, so a
// plan of 100,000 requests costs the view only the rows it shows.
class BatchPreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Recipients, Message, Parts, Alphabet, Cost, Notes, ColumnCount };
    // Marked rows, for the view and for tests: whether a row's request is
    // Unicode, over the limit or missing a value.
    static constexpr int kUnicodeRole = Qt::UserRole;
    static constexpr int kTooLongRole = Qt::UserRole + 1;
    static constexpr int kMissingRole = Qt::UserRole + 2;

    using QAbstractTableModel::QAbstractTableModel;

    // `plan` outlives its use here.
    void setPlan(const BatchPlan* plan);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // "ć, ’ (right single quotation mark)": the characters of `text` that
    // make it go as Unicode, each once, the invisible and the unusual ones
    // named.
    static QString unicodeMark(const QString& characters);

private:
    const PlannedRequest& request(int row) const;
    QVariant display(const PlannedRequest& request, int column) const;
    QString notes(const PlannedRequest& request) const;

    const BatchPlan* plan_ = nullptr;
    mutable QCache<int, PlannedRequest> made_{256};
};

}  // namespace pelicast
