#include "platform/qt_dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

namespace pelicast::platform {

namespace {

QMessageBox::Icon boxIcon(Dialogs::Icon icon) {
    switch (icon) {
        case Dialogs::Icon::Exclamation:
            return QMessageBox::Warning;
        case Dialogs::Icon::Information:
            return QMessageBox::Information;
        case Dialogs::Icon::Question:
            return QMessageBox::Question;
        case Dialogs::Icon::Critical:
            return QMessageBox::Critical;
        case Dialogs::Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QtDialogs::QtDialogs(QString applicationTitle) : applicationTitle_(std::move(applicationTitle)) {}

QString QtDialogs::titleOr(const QString& title) const {
    return title.isEmpty() ? applicationTitle_ : title;
}

Dialogs::Answer QtDialogs::MsgBox(QWidget* parent, const Message& message) {
    QMessageBox box(parent);
    box.setWindowTitle(titleOr(message.title));
    // Gateway replies are shown as they came, never rendered as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(message.text);
    box.setIcon(boxIcon(message.icon));
    if (message.buttons == Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        box.exec();
        return Answer::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(message.defaultButton == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString QtDialogs::InputBox(QWidget* parent, const QString& prompt, const QString& title,
                            const QString& proposed) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(titleOr(title));
    dialog.setLabelText(prompt);
    dialog.setTextValue(proposed);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.textValue();
}

}  // namespace pelicast::platform
