// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMenu>

#include "core/journal/journal.h"

namespace pelicast {

class MessageTextEdit;

// The Templates menu: the messages saved under a name, each put into the
// message at the cursor when chosen, fields and all; saving the message as
// a template, renaming and deleting them. They are kept in the journal, where
// pelicast-send --template finds them too. The list is read each time the
// menu opens, so a template another program saved is there.
class TemplatesMenu : public QMenu {
    Q_OBJECT
public:
    // `journalPath` empty: the user's own journal.
    explicit TemplatesMenu(MessageTextEdit* message, QWidget* parent = nullptr,
                           const QString& journalPath = QString());

    void saveMessage();
    void renameTemplate();
    void deleteTemplate();

private:
    void rebuild();
    void insertTemplate(const QString& text);
    // The names, or nothing when the journal cannot be read (the user was
    // told why).
    std::optional<QStringList> names();
    bool tellFailure(const QString& reason);

    MessageTextEdit* message_;
    Journal journal_;
};

}  // namespace pelicast
