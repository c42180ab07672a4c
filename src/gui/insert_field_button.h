// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QToolButton>

namespace pelicast {

class MessageTextEdit;

// "Insert field": a menu of the fields the recipients have; the one chosen
// goes into the message at the cursor as "{name}". Disabled, with a
// tooltip that tells why, while there are none.
class InsertFieldButton : public QToolButton {
    Q_OBJECT
public:
    explicit InsertFieldButton(MessageTextEdit* message, QWidget* parent = nullptr);

    void setFields(const QStringList& names);

private:
    void insertField(const QString& name);

    MessageTextEdit* message_;
};

}  // namespace pelicast
