// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <memory>
#include <optional>

namespace pelicast {

class RecipientList;
class RecipientTable;

// The mapping step of a list file: its first rows as they read, the
// encoding (changeable: the file is read again), the delimiter, whether the
// first row names the columns, the column of numbers, and how many
// recipients that gives and who is left out and why.
class RecipientFileDialog : public QDialog {
    Q_OBJECT
public:
    // For the file at `path`, read as `table`; numbers are read in `region`
    // ("" compares them as text).
    RecipientFileDialog(const QString& path, RecipientTable table, const QString& region,
                        QWidget* parent = nullptr);
    ~RecipientFileDialog() override;

    // The recipients as the file reads now.
    const RecipientList& recipients() const;

    // Reads the file at `path` and shows the step: the list the user
    // confirmed; nothing when the user cancels, or the file cannot be used
    // (the user was told why).
    static std::optional<RecipientList> choose(QWidget* parent, const QString& path,
                                               const QString& region);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

}  // namespace pelicast
