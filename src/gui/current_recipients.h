// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSet>
#include <QStringList>
#include <optional>

#include "core/book/recipient_list.h"

class QComboBox;
class QWidget;

namespace pelicast {

class Settings;

// Whom the main window's message goes to, with the values of their fields:
// the recipients field `rcpt`, or the list file loaded into it. A file's
// numbers are written into the field, so that a message without fields goes
// as any other; the file stays the source while the field holds one of its
// numbers as the file wrote it (not once the field is emptied, or replaced
// from the picker or History). Edited meanwhile, the field's elements that
// are numbers of the file keep their rows' values, others have none.
class CurrentRecipients : public QObject {
    Q_OBJECT
public:
    CurrentRecipients(Settings& settings, QComboBox* field, QWidget* window);

    // Every recipient once, with its values: the file's rows, or the
    // elements of the field with their contacts' first, last and name (an
    // address book that cannot be read gives none).
    RecipientList recipients() const;
    // The fields a message may hold for them: the file's columns, the
    // contacts' fields, or none while the field is empty.
    QStringList fieldNames() const;
    // The name of the list file in use, "" for none.
    const QString& fileName() const { return fileName_; }
    // The region numbers are read in (Preferences::numberRegion()).
    QString region() const;

    // Asks for a list file, then loadFile().
    void chooseFile();
    // The mapping step for the file at `path`; on OK its recipients fill
    // the field. False when the user cancels or the file cannot be used.
    bool loadFile(const QString& path);

Q_SIGNALS:
    void fieldNamesChanged(const QStringList& names);

private:
    void fieldEdited(const QString& text);
    bool holdsFileElement(const QString& text) const;

    Settings& settings_;
    QComboBox* field_;
    QWidget* window_;
    std::optional<RecipientList> file_;
    QString fileName_;
    QString fileText_;  // the field's text as the file wrote it
    QSet<QString> fileElements_;
    QStringList fieldNames_;
};

}  // namespace pelicast
