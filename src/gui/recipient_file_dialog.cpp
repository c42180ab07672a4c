// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/recipient_file_dialog.h"

#include <QAbstractTableModel>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStringDecoder>
#include <QStringListModel>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/book/recipient_list.h"
#include "core/book/recipient_table.h"
#include "core/book/table_text.h"
#include "gui/message_box.h"
#include "gui/window_geometry.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// The table's cells as they read, never as markup; a model over the table,
// so a list of 100,000 rows costs the view only the rows it shows.
class TableModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setTable(const RecipientTable* table, int numberColumn) {
        beginResetModel();
        table_ = table;
        names_ = table->columnNames();
        numberColumn_ = numberColumn;
        endResetModel();
    }
    void setNumberColumn(int column) {
        numberColumn_ = column;
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !table_ ? 0 : int(table_->rowCount());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() || !table_ ? 0 : table_->columnCount();
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !checkIndex(index, CheckIndexOption::IndexIsValid))
            return {};
        return table_->cell(index.row(), index.column());
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Vertical)
            return role == Qt::DisplayRole ? QVariant(qlonglong(table_->sheetRow(section)))
                                           : QVariant();
        if (role == Qt::DisplayRole)
            return names_.value(section);
        if (role == Qt::FontRole && section == numberColumn_) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return {};
    }

private:
    const RecipientTable* table_ = nullptr;
    QStringList names_;
    int numberColumn_ = -1;
};

// The encodings a list file is likely in: the one found, Unicode, and the
// 8-bit code pages spreadsheets save in.
QStringList likelyEncodings(const QString& found) {
    QStringList names{found,
                      u"UTF-8"_s,
                      u"UTF-16LE"_s,
                      u"UTF-16BE"_s,
                      legacyEncoding(),
                      u"windows-1252"_s,
                      u"windows-1250"_s,
                      u"windows-1251"_s,
                      u"windows-1253"_s,
                      u"windows-1254"_s,
                      u"windows-1257"_s,
                      u"ISO-8859-1"_s,
                      u"ISO-8859-15"_s,
                      u"KOI8-R"_s};
    names.removeDuplicates();
    names.removeIf(
        [](const QString& name) { return !QStringDecoder(name.toLatin1().constData()).isValid(); });
    return names;
}

QString delimiterName(QChar delimiter) {
    switch (delimiter.unicode()) {
        case u',':
            return RecipientFileDialog::tr("comma");
        case u';':
            return RecipientFileDialog::tr("semicolon");
        case u'\t':
            return RecipientFileDialog::tr("tab");
        case u'|':
            return RecipientFileDialog::tr("vertical bar");
    }
    return QString(delimiter);
}

}  // namespace

struct RecipientFileDialog::Private {
    RecipientFileDialog* q;
    QString path;
    QString region;
    RecipientTable table;
    RecipientList list;
    TableModel* model;
    QComboBox* encoding;
    QLabel* delimiter;
    QCheckBox* header;
    QComboBox* numberColumn;
    QTableView* rows;
    QLabel* counts;
    QToolButton* showLeftOut;
    QStringListModel* leftOutModel;
    QListView* leftOut;
    QPushButton* ok;

    Private(RecipientFileDialog* dialog, QString path, RecipientTable table, QString region)
        : q(dialog), path(std::move(path)), region(std::move(region)), table(std::move(table)) {}

    template <class Widget>
    Widget* make(const char* name, const QString& accessibleName = {}) {
        auto* widget = new Widget(q);
        widget->setObjectName(QLatin1String(name));
        if (!accessibleName.isEmpty())
            widget->setAccessibleName(accessibleName);
        return widget;
    }

    void build();
    void showTable();
    void reread(const QString& name);
    void count();
};

void RecipientFileDialog::Private::build() {
    q->setWindowTitle(tr("Recipients from %1").arg(QFileInfo(path).fileName()));
    auto* intro = new QLabel(
        tr("Check that the rows read right and which column holds the mobile numbers."), q);
    intro->setWordWrap(true);
    encoding = make<QComboBox>("encoding");
    encoding->addItems(likelyEncodings(table.encoding()));
    delimiter = make<QLabel>("delimiter");
    header = make<QCheckBox>("firstRowNames");
    header->setText(tr("&First row names the columns"));
    numberColumn = make<QComboBox>("numberColumn");
    numberColumn->setPlaceholderText(tr("Choose the column of numbers"));
    model = new TableModel(q);
    rows = make<QTableView>("rows", tr("Rows of the file"));
    rows->setModel(model);
    rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    rows->setSelectionMode(QAbstractItemView::NoSelection);
    rows->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    rows->horizontalHeader()->setResizeContentsPrecision(100);
    counts = make<QLabel>("counts");
    counts->setTextFormat(Qt::PlainText);
    showLeftOut = make<QToolButton>("showLeftOut");
    showLeftOut->setCheckable(true);
    showLeftOut->setArrowType(Qt::RightArrow);
    showLeftOut->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    showLeftOut->setAutoRaise(true);
    leftOutModel = new QStringListModel(q);
    leftOut = make<QListView>("leftOut", tr("Left out"));
    leftOut->setModel(leftOutModel);
    leftOut->setEditTriggers(QAbstractItemView::NoEditTriggers);
    leftOut->setUniformItemSizes(true);
    leftOut->hide();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, q);
    ok = buttons->button(QDialogButtonBox::Ok);
    ok->setDefault(true);

    auto* form = new QFormLayout;
    form->addRow(tr("&Encoding:"), encoding);
    form->addRow(tr("Delimiter:"), delimiter);
    form->addRow(QString(), header);
    form->addRow(tr("&Number column:"), numberColumn);
    auto* layout = new QVBoxLayout(q);
    layout->addWidget(intro);
    layout->addLayout(form);
    layout->addWidget(rows, 3);
    auto* countLine = new QHBoxLayout;
    countLine->addWidget(counts, 1);
    countLine->addWidget(showLeftOut);
    layout->addLayout(countLine);
    layout->addWidget(leftOut, 1);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, q, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, q, &QDialog::reject);
    connect(encoding, &QComboBox::activated, q, [this] { reread(encoding->currentText()); });
    connect(header, &QCheckBox::toggled, q, [this](bool on) {
        table.setHasHeader(on);
        showTable();
    });
    connect(numberColumn, &QComboBox::activated, q, [this](int column) {
        model->setNumberColumn(column);
        count();
    });
    connect(showLeftOut, &QToolButton::toggled, q, [this](bool on) {
        leftOut->setVisible(on);
        showLeftOut->setArrowType(on ? Qt::DownArrow : Qt::RightArrow);
    });
    const QFontMetrics metrics = q->fontMetrics();
    WindowGeometry::keep(q, keys::windows::kRecipientFile,
                         {metrics.averageCharWidth() * 90, metrics.lineSpacing() * 32});
}

// The table as it reads now: its rows, columns and the column of numbers.
void RecipientFileDialog::Private::showTable() {
    const QSignalBlocker blocker(header);
    header->setChecked(table.hasHeader());
    encoding->setCurrentText(table.encoding());
    delimiter->setText(delimiterName(table.delimiter()));
    const int column =
        numberColumn->currentIndex() >= 0 ? numberColumn->currentIndex() : table.numberColumn();
    numberColumn->clear();
    numberColumn->addItems(table.columnNames());
    numberColumn->setCurrentIndex(column < table.columnCount() ? column : -1);
    model->setTable(&table, numberColumn->currentIndex());
    rows->resizeColumnsToContents();
    count();
}

void RecipientFileDialog::Private::reread(const QString& name) {
    Expected<RecipientTable> read = RecipientTable::read(path, name);
    if (!read) {
        MessageBox::tell(q, read.error(), tr("Recipients from file"), MessageBox::Icon::Warning);
        encoding->setCurrentText(table.encoding());
        return;
    }
    // Another reading may find other columns: the guess is made again.
    numberColumn->setCurrentIndex(-1);
    table = std::move(*read);
    showTable();
}

void RecipientFileDialog::Private::count() {
    const int column = numberColumn->currentIndex();
    list = column < 0 ? RecipientList() : RecipientList::fromTable(table, column, region);
    const qsizetype left = list.leftOut().size();
    counts->setText(column < 0 ? tr("Which column holds the numbers?")
                               : tr("Recipients: %1. Left out: %2.").arg(list.count()).arg(left));
    QStringList reasons;
    reasons.reserve(left);
    for (const LeftOutRecipient& leftOutRow : list.leftOut())
        reasons.append(leftOutRow.text());
    leftOutModel->setStringList(reasons);
    showLeftOut->setText(tr("&Left out (%1)").arg(left));
    showLeftOut->setEnabled(left > 0);
    if (left == 0)
        showLeftOut->setChecked(false);
    ok->setEnabled(list.count() > 0);
}

RecipientFileDialog::RecipientFileDialog(const QString& path, RecipientTable table,
                                         const QString& region, QWidget* parent)
    : QDialog(parent), d(std::make_unique<Private>(this, path, std::move(table), region)) {
    setObjectName(u"recipientFileDialog"_s);
    d->build();
    d->showTable();
}

RecipientFileDialog::~RecipientFileDialog() = default;

const RecipientList& RecipientFileDialog::recipients() const {
    return d->list;
}

std::optional<RecipientList> RecipientFileDialog::choose(QWidget* parent, const QString& path,
                                                         const QString& region) {
    Expected<RecipientTable> table = RecipientTable::read(path);
    if (!table) {
        MessageBox::tell(parent, table.error(), tr("Recipients from file"),
                         MessageBox::Icon::Warning);
        return std::nullopt;
    }
    RecipientFileDialog dialog(path, std::move(*table), region, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.recipients();
}

}  // namespace pelicast
