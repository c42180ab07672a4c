// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QAction;
class QLabel;
class QToolButton;

namespace pelicast {

class MessageTextEdit;

// The line under the message counter: how many SMS the message takes on the
// network and in which encoding ("2 SMS · GSM 7-bit"), updated on every
// change, and "Replace look-alikes" while characters that force Unicode have
// a GSM look-alike. It marks those characters in the editor as well.
class EncodingLine : public QWidget {
    Q_OBJECT
public:
    explicit EncodingLine(MessageTextEdit* editor, QWidget* parent = nullptr);

public Q_SLOTS:
    void showEncoding();
    // One undoable edit that replaces each look-alike the message limit has
    // room for and changes nothing else.
    void replaceLookAlikes();

private:
    MessageTextEdit* editor_;
    QLabel* info_;
    QAction* replace_;
    QToolButton* replaceButton_;
};

}  // namespace pelicast
