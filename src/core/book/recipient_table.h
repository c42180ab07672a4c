// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

#include "common/expected.h"

namespace pelicast {

// The largest list file read: far above any list sent to from a desktop,
// well below what would strain the memory of one.
inline constexpr qint64 kRecipientFileLimit = 64 * 1024 * 1024;

// A list of people as a spreadsheet saves it, CSV or TSV (RFC 4180): quoted
// cells may hold delimiters, line breaks and doubled quotes; lines end in
// CR LF, LF or CR. The delimiter (",", ";", tab or "|"), whether the first
// row names the columns, the encoding and the column of phone numbers are
// found from the file; the user confirms them.
//
// Cells are kept as UTF-8 in one block with an index, a few bytes a cell
// beside the text, so a large list costs little more than its file.
// Blanks around a cell that is not quoted are not part of it. Blank rows
// stay, so rows keep the numbers a spreadsheet shows them with.
class RecipientTable {
public:
    // The table of the file at `path`, read in `encoding` (a name
    // QStringDecoder knows) or, left empty, the one detected: UTF-8 with or
    // without byte-order mark, UTF-16 with one, else the 8-bit encoding a
    // spreadsheet of the system's language saves in (legacyEncoding() in
    // table_text.h).
    static Expected<RecipientTable> read(const QString& path, const QString& encoding = {});
    // The same from the bytes of a file.
    static Expected<RecipientTable> parse(QByteArray data, const QString& encoding = {});

    // The encoding the text was read in, as QStringDecoder names it: "UTF-8",
    // "UTF-16LE", "UTF-16BE", "windows-1252", ...
    const QString& encoding() const { return encoding_; }
    QChar delimiter() const { return QLatin1Char(delimiter_); }

    // Whether the first row names the columns: detected, or as set.
    bool hasHeader() const { return header_; }
    void setHasHeader(bool header);

    int columnCount() const { return columns_; }
    // From the first row when it names them, else (and for a column it
    // leaves unnamed) "Column 1", "Column 2", ...
    QStringList columnNames() const;
    // The first column named `name` without regard to case, -1 for none.
    int columnOf(QStringView name) const;
    // The column whose cells are mostly phone numbers, -1 when none is.
    int numberColumn() const { return numberColumn_; }

    // Rows below the header, blank ones included.
    qsizetype rowCount() const;
    // "" past the end of a short row.
    QString cell(qsizetype row, int column) const;
    bool isBlank(qsizetype row) const;
    // The number a spreadsheet shows the row with (the file's first row
    // is 1).
    qsizetype sheetRow(qsizetype row) const;

private:
    qsizetype record(qsizetype row) const { return row + (header_ ? 1 : 0); }
    QByteArrayView cellBytes(qsizetype record, int column) const;
    bool isBlankRecord(qsizetype record) const;
    Expected<void> split();
    void detectHeader();
    void guessNumberColumn();

    QByteArray cells_;                 // the cells' UTF-8, one after another
    std::vector<quint32> cellEnds_;    // where each cell ends in cells_
    std::vector<quint32> firstCells_;  // each record's first cell, then the end
    QString encoding_;
    char delimiter_ = ',';
    bool header_ = false;
    int columns_ = 0;
    int numberColumn_ = -1;
    qsizetype leadingBlankLines_ = 0;
};

}  // namespace pelicast
