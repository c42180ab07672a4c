// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/current_recipients.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "core/book/address_book.h"
#include "core/settings/preferences.h"
#include "gui/recipient_file_dialog.h"

using namespace Qt::StringLiterals;

namespace pelicast {

CurrentRecipients::CurrentRecipients(Settings& settings, QComboBox* field, QWidget* window)
    : QObject(window), settings_(settings), field_(field), window_(window) {
    connect(field_, &QComboBox::editTextChanged, this, &CurrentRecipients::fieldEdited);
}

QString CurrentRecipients::region() const {
    return Preferences::load(settings_).numberRegion();
}

RecipientList CurrentRecipients::recipients() const {
    const QString text = field_->currentText();
    if (file_ && text == fileText_)
        return *file_;
    AddressBook book;
    book.load();
    return file_ ? RecipientList::fromEditedText(text, *file_, book, region())
                 : RecipientList::fromText(text, book, region());
}

// Stops at the first: typing goes on at the end of a field the file filled.
bool CurrentRecipients::holdsFileElement(const QString& text) const {
    for (QStringView piece : QStringView(text).split(u';')) {
        if (fileElements_.contains(piece.trimmed().toString()))
            return true;
    }
    return false;
}

QStringList CurrentRecipients::fieldNames() const {
    if (file_)
        return file_->fieldNames();
    return field_->currentText().trimmed().isEmpty() ? QStringList()
                                                     : RecipientList::contactFields();
}

void CurrentRecipients::chooseFile() {
    const QString path =
        QFileDialog::getOpenFileName(window_, tr("Recipients from file"), QDir::homePath(),
                                     tr("Lists of recipients (*.csv *.tsv *.txt);;All files (*)"));
    if (!path.isEmpty())
        loadFile(path);
}

bool CurrentRecipients::loadFile(const QString& path) {
    std::optional<RecipientList> list = RecipientFileDialog::choose(window_, path, region());
    if (!list)
        return false;
    QStringList elements;
    elements.reserve(list->count());
    for (qsizetype i = 0; i < list->count(); ++i)
        elements.append(list->element(i));
    file_ = std::move(list);
    fileName_ = QFileInfo(path).fileName();
    fileText_ = elements.join(u';');
    fileElements_ = QSet<QString>(elements.cbegin(), elements.cend());
    field_->setEditText(fileText_);
    fieldEdited(fileText_);
    return true;
}

void CurrentRecipients::fieldEdited(const QString& text) {
    if (file_ && text != fileText_ && !holdsFileElement(text)) {
        file_.reset();
        fileName_.clear();
        fileText_.clear();
        fileElements_.clear();
    }
    const QStringList names = fieldNames();
    if (names == fieldNames_)
        return;
    fieldNames_ = names;
    Q_EMIT fieldNamesChanged(names);
}

}  // namespace pelicast
