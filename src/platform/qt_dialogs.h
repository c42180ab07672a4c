#pragma once

#include "platform/dialogs.h"

namespace pelicast::platform {

// Message boxes on QMessageBox and the input box on QInputDialog, shown with
// exec() so the event loop keeps running while they are up.
class QtDialogs : public Dialogs {
public:
    // `applicationTitle` stands on every box that has no title of its own.
    explicit QtDialogs(QString applicationTitle);

    Answer MsgBox(QWidget* parent, const Message& message) override;
    QString InputBox(QWidget* parent, const QString& prompt, const QString& title,
                     const QString& proposed) override;

private:
    QString titleOr(const QString& title) const;

    QString applicationTitle_;
};

}  // namespace pelicast::platform
