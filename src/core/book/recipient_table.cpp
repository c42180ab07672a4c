// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/book/recipient_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>
#include <algorithm>
#include <array>
#include <cstring>

#include "core/book/table_text.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// This file's texts, under one context for the translators.
struct RecipientTableText {
    Q_DECLARE_TR_FUNCTIONS(RecipientTable)
};

constexpr std::array<char, 4> kDelimiters = {',', '\t', ';', '|'};
// The first lines tell the delimiter and the header, the first rows the
// number column: a list is made by one hand, or one program.
constexpr qsizetype kSampleBytes = 64 * 1024;
constexpr int kSampleRecords = 50;
constexpr qsizetype kSampleRows = 1000;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

QByteArrayView trimmed(QByteArrayView cell) {
    while (!cell.isEmpty() && (cell.front() == ' ' || cell.front() == '\t'))
        cell = cell.sliced(1);
    while (!cell.isEmpty() && (cell.back() == ' ' || cell.back() == '\t'))
        cell.chop(1);
    return cell;
}

// "15.01.2024", "2024-01-15", "1/15/24": three groups of digits with one
// separator between them.
bool looksLikeDate(QByteArrayView cell) {
    int groups = 1, length = 0, digits = 0;
    std::array<int, 3> lengths{};
    char separator = 0;
    for (char c : cell) {
        if (isDigit(c)) {
            ++length;
            ++digits;
            continue;
        }
        if ((separator && c != separator) || !std::strchr("-./", c) || length == 0 || groups == 3)
            return false;
        separator = c;
        lengths[size_t(groups - 1)] = length;
        length = 0;
        ++groups;
    }
    lengths[2] = length;
    return groups == 3 && digits <= 8 && lengths[0] <= 4 && lengths[1] >= 1 && lengths[1] <= 2 &&
           lengths[2] >= 1 && lengths[2] <= 4;
}

enum class Shape { Empty, Phone, Numeric, Text };

// A phone number is a leading "+" at most, digits and the blanks, dashes,
// dots, slashes and brackets numbers are written with, 7 to 17 digits (15
// and an international prefix), and no date.
Shape shapeOf(QByteArrayView cell) {
    cell = trimmed(cell);
    if (cell.isEmpty())
        return Shape::Empty;
    int digits = 0;
    bool phone = true, numeric = true;
    for (qsizetype i = 0; i < cell.size(); ++i) {
        const char c = cell[i];
        if (isDigit(c)) {
            ++digits;
            continue;
        }
        phone = phone && ((c == '+' && i == 0) || std::strchr(" -./()", c));
        numeric = numeric && std::strchr("+-.,' ", c);
    }
    if (digits == 0)
        return Shape::Text;
    if (phone && digits >= 7 && digits <= 17 && !looksLikeDate(cell))
        return Shape::Phone;
    return numeric || phone ? Shape::Numeric : Shape::Text;
}

// The number of cells of each of the first records that end in `sample`,
// blank lines left out, with `delimiter` between cells; a quote opens a
// quoted cell only at the start of one, as split() reads them.
std::vector<int> cellCounts(QByteArrayView sample, bool whole, char delimiter) {
    std::vector<int> counts;
    int cells = 1;
    bool quoted = false, blank = true, cellStart = true;
    for (qsizetype i = 0; i < sample.size() && int(counts.size()) < kSampleRecords; ++i) {
        const char c = sample[i];
        if (quoted) {
            if (c == '"' && i + 1 < sample.size() && sample[i + 1] == '"')
                ++i;
            else
                quoted = c != '"';
        } else if (c == delimiter) {
            ++cells;
            cellStart = true;
        } else if (c == '\n' || c == '\r') {
            if (!blank || cells > 1)
                counts.push_back(cells);
            cells = 1;
            blank = cellStart = true;
        } else if (c != ' ' && (c != '\t' || delimiter == '\t')) {
            quoted = c == '"' && cellStart;
            blank = cellStart = false;
        }
    }
    if (whole && !quoted && (!blank || cells > 1) && int(counts.size()) < kSampleRecords)
        counts.push_back(cells);
    return counts;
}

// The delimiter that splits the first records into the same number of
// cells, more than one, most often; then the one that makes more cells.
char detectDelimiter(QByteArrayView text) {
    const QByteArrayView sample = text.first(std::min(text.size(), kSampleBytes));
    char best = ',';
    double bestShare = 0;
    int bestCells = 1;
    for (char delimiter : kDelimiters) {
        const std::vector<int> counts = cellCounts(sample, sample.size() == text.size(), delimiter);
        if (counts.empty())
            continue;
        std::vector<int> sorted = counts;
        std::sort(sorted.begin(), sorted.end());
        int mode = 1, modeRuns = 0;
        for (size_t i = 0; i < sorted.size();) {
            const size_t next =
                size_t(std::upper_bound(sorted.begin(), sorted.end(), sorted[i]) - sorted.begin());
            if (int(next - i) > modeRuns || (int(next - i) == modeRuns && sorted[i] > mode)) {
                modeRuns = int(next - i);
                mode = sorted[i];
            }
            i = next;
        }
        const double share = double(modeRuns) / double(counts.size());
        if (mode > 1 && (share > bestShare || (share == bestShare && mode > bestCells))) {
            best = delimiter;
            bestShare = share;
            bestCells = mode;
        }
    }
    return best;
}

}  // namespace

Expected<RecipientTable> RecipientTable::read(const QString& path, const QString& encoding) {
    Expected<QByteArray> data = readListFile(path, kRecipientFileLimit);
    if (!data)
        return Unexpected(data.error());
    Expected<RecipientTable> table = parse(std::move(*data), encoding);
    if (!table)
        return Unexpected(u"%1: %2"_s.arg(QDir::toNativeSeparators(path), table.error()));
    return table;
}

Expected<RecipientTable> RecipientTable::parse(QByteArray data, const QString& encoding) {
    Expected<TableText> text = decodeTableText(std::move(data), encoding);
    if (!text)
        return Unexpected(text.error());
    RecipientTable table;
    table.cells_ = std::move(text->utf8);
    table.encoding_ = text->encoding;
    table.delimiter_ = detectDelimiter(table.cells_);
    if (Expected<void> split = table.split(); !split)
        return Unexpected(split.error());
    table.detectHeader();
    table.guessNumberColumn();
    return table;
}

// Splits the text into cells in place: a cell is never longer than the text
// it was read from, so each is written over what was read.
Expected<void> RecipientTable::split() {
    char* const text = cells_.data();
    const qsizetype size = cells_.size();
    const char delimiter = delimiter_;
    const auto isBlank = [delimiter](char c) {
        return c == ' ' || (c == '\t' && delimiter != '\t');
    };
    // Room for every line as a record, each with as many cells as the first
    // holds: grown by doubling, the index would take up to twice that.
    const char lineEnd = std::memchr(text, '\n', size_t(size)) ? '\n' : '\r';
    qsizetype lines = 1, firstLineCells = 1;
    for (const char* at = text;
         (at = static_cast<const char*>(std::memchr(at, lineEnd, size_t(text + size - at)))) !=
         nullptr;
         ++at)
        ++lines;
    for (qsizetype i = 0; i < size && text[i] != lineEnd; ++i)
        firstLineCells += text[i] == delimiter;
    firstCells_.reserve(size_t(lines + 1));
    cellEnds_.reserve(size_t(lines * firstLineCells));
    qsizetype in = 0, out = 0;
    while (in < size) {
        firstCells_.push_back(quint32(cellEnds_.size()));
        for (;;) {
            while (in < size && isBlank(text[in]))
                ++in;
            const qsizetype start = out;
            qsizetype end = out;  // of the cell, blanks after it left out
            if (in < size && text[in] == '"') {
                for (++in;;) {
                    const auto* quote =
                        static_cast<const char*>(std::memchr(text + in, '"', size_t(size - in)));
                    if (!quote)
                        return Unexpected(
                            RecipientTableText::tr("Row %1: a quoted cell is not closed.")
                                .arg(firstCells_.size()));
                    const qsizetype at = quote - text;
                    std::memmove(text + out, text + in, size_t(at - in));
                    out += at - in;
                    in = at + 1;
                    if (in < size && text[in] == '"') {
                        text[out++] = '"';
                        ++in;
                        continue;
                    }
                    break;
                }
                end = out;
            }
            // Unquoted, or what follows a closing quote, taken as written.
            while (in < size) {
                const char c = text[in];
                if (c == delimiter || c == '\n' || c == '\r')
                    break;
                text[out++] = c;
                ++in;
                if (!isBlank(c))
                    end = out;
            }
            out = std::max(start, end);
            cellEnds_.push_back(quint32(out));
            if (in >= size)
                break;
            const char c = text[in++];
            if (c == delimiter)
                continue;
            if (c == '\r' && in < size && text[in] == '\n')
                ++in;
            break;
        }
    }
    firstCells_.push_back(quint32(cellEnds_.size()));
    cells_.truncate(out);
    // Blank lines above the list are no part of it; their count keeps the
    // rows' numbers.
    while (firstCells_.size() > 1 && isBlankRecord(0)) {
        firstCells_.erase(firstCells_.begin());
        ++leadingBlankLines_;
    }
    for (size_t r = 0; r + 1 < firstCells_.size(); ++r)
        columns_ = std::max(columns_, int(firstCells_[r + 1] - firstCells_[r]));
    return {};
}

QByteArrayView RecipientTable::cellBytes(qsizetype record, int column) const {
    const size_t k = firstCells_[size_t(record)] + size_t(column);
    if (column < 0 || k >= firstCells_[size_t(record) + 1])
        return {};
    const quint32 start = k == 0 ? 0 : cellEnds_[k - 1];
    return QByteArrayView(cells_.constData() + start, cellEnds_[k] - start);
}

bool RecipientTable::isBlankRecord(qsizetype record) const {
    const size_t first = firstCells_[size_t(record)], last = firstCells_[size_t(record) + 1];
    return last == first || (cellEnds_[last - 1] == (first == 0 ? 0 : cellEnds_[first - 1]));
}

// The first row names the columns when it holds no number, its names are
// unique, and one of them stands above a column of numbers.
void RecipientTable::detectHeader() {
    header_ = false;
    const qsizetype records = qsizetype(firstCells_.size()) - 1;
    if (records < 2)
        return;
    QSet<QString> names;
    std::vector<Shape> top(size_t(columns_), Shape::Empty);
    for (int c = 0; c < columns_; ++c) {
        top[size_t(c)] = shapeOf(cellBytes(0, c));
        if (top[size_t(c)] == Shape::Phone || top[size_t(c)] == Shape::Numeric)
            return;
        if (top[size_t(c)] == Shape::Empty)
            continue;
        const QString name = QString::fromUtf8(cellBytes(0, c)).toCaseFolded();
        if (names.contains(name))
            return;
        names.insert(name);
    }
    std::vector<qsizetype> filled(top.size()), numbers(top.size());
    for (qsizetype r = 1, seen = 0; r < records && seen < kSampleRows; ++r) {
        if (isBlankRecord(r))
            continue;
        ++seen;
        for (int c = 0; c < columns_; ++c) {
            const Shape shape = shapeOf(cellBytes(r, c));
            filled[size_t(c)] += shape != Shape::Empty;
            numbers[size_t(c)] += shape == Shape::Phone || shape == Shape::Numeric;
        }
    }
    for (int c = 0; c < columns_; ++c) {
        if (top[size_t(c)] == Shape::Text && filled[size_t(c)] > 0 &&
            2 * numbers[size_t(c)] >= filled[size_t(c)]) {
            header_ = true;
            return;
        }
    }
}

// The column with the most phone numbers, when they fill half its rows.
void RecipientTable::guessNumberColumn() {
    numberColumn_ = -1;
    std::vector<qsizetype> phones(static_cast<size_t>(columns_));
    qsizetype seen = 0;
    for (qsizetype r = 0; r < rowCount() && seen < kSampleRows; ++r) {
        if (isBlank(r))
            continue;
        ++seen;
        for (int c = 0; c < columns_; ++c)
            phones[size_t(c)] += shapeOf(cellBytes(record(r), c)) == Shape::Phone;
    }
    qsizetype most = 0;
    for (int c = 0; c < columns_; ++c) {
        if (phones[size_t(c)] > most && 2 * phones[size_t(c)] >= seen) {
            most = phones[size_t(c)];
            numberColumn_ = c;
        }
    }
}

void RecipientTable::setHasHeader(bool header) {
    header_ = header && firstCells_.size() > 1;
    guessNumberColumn();
}

QStringList RecipientTable::columnNames() const {
    QStringList names;
    for (int c = 0; c < columns_; ++c) {
        const QString name = header_ ? QString::fromUtf8(cellBytes(0, c)) : QString();
        names.append(name.isEmpty() ? RecipientTableText::tr("Column %1").arg(c + 1) : name);
    }
    return names;
}

int RecipientTable::columnOf(QStringView name) const {
    const QStringList names = columnNames();
    for (int c = 0; c < names.size(); ++c) {
        if (names.at(c).compare(name, Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

qsizetype RecipientTable::rowCount() const {
    return std::max<qsizetype>(0, qsizetype(firstCells_.size()) - 1 - (header_ ? 1 : 0));
}

QString RecipientTable::cell(qsizetype row, int column) const {
    return QString::fromUtf8(cellBytes(record(row), column));
}

bool RecipientTable::isBlank(qsizetype row) const {
    return isBlankRecord(record(row));
}

qsizetype RecipientTable::sheetRow(qsizetype row) const {
    return leadingBlankLines_ + record(row) + 1;
}

}  // namespace pelicast
