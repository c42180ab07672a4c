// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <memory>

namespace pelicast {

// The recipient picker: contacts or groups of the address book, each with a
// check box, turned into recipients text. Created at the first opening and
// then only hidden and shown again, so its list, ticks and current entry stay
// as the user left them. It never touches the main window: it says what the
// user chose through signals.
class RecipientPicker : public QDialog {
    Q_OBJECT
public:
    explicit RecipientPicker(QWidget* parent = nullptr);
    ~RecipientPicker() override;

    // Loads the book at the first call, then shows the picker without
    // blocking and brings it to the front.
    void showPicker();
    // Builds the list again from the book, once it was shown.
    void reload();

Q_SIGNALS:
    // OK: the ticked entries replace the recipients.
    void recipientsChosen(const QString& recipients);
    // Add: the ticked entries go after the recipients, joined by ";".
    void recipientsAdded(const QString& recipients);
    // Work the main window's status line and busy pointer show; an empty
    // text means the picker is idle again.
    void statusChanged(const QString& text);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

}  // namespace pelicast
