// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace pelicast {

struct MessageDraft;
struct SendEstimate;
class Settings;

// The questions a send asks between the field checks and "Send SMS ?", as
// Options set them: recipients that are not possible numbers or name one
// number twice, an originator networks may not carry, and a cost above the
// user's threshold. Whatever the answer, the window's fields stay as typed.
class SendChecks {
public:
    SendChecks(const Settings& settings, QWidget* window, QWidget* originatorField,
               QWidget* recipientsField);

    // The draft to send: the one given, or without repeated recipients when
    // the user wants each number once. Nothing when the user must look at a
    // field first; that field then has the focus.
    std::optional<MessageDraft> review(const MessageDraft& draft);
    // Asks a second time when the cost is above the threshold; false when
    // the user declines.
    bool confirmCost(const SendEstimate& estimate);

private:
    std::optional<QString> reviewRecipients(const QString& recipients);
    bool acceptOriginator(const QString& originator);

    const Settings& settings_;
    QWidget* window_;
    QWidget* originatorField_;
    QWidget* recipientsField_;
    // Warned about once; the next send with the same originator goes on.
    QString warnedOriginator_;
};

}  // namespace pelicast
