#pragma once

#include <QString>
#include <utility>

class QWidget;

namespace pelicast::platform {

// Message boxes and the text-input box. Everything the program asks or tells
// the user in a box goes through here, so tests can answer it.
class Dialogs {
public:
    enum class Buttons { Ok, YesNo };
    enum class Icon { None, Exclamation, Information, Question, Critical };
    enum class Answer { Ok, Cancel, Yes, No };

    struct Message {
        // An OK box with no icon and the application title unless told otherwise.
        Message(QString text = {}, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                QString title = {}, Answer defaultButton = Answer::Ok)
            : text(std::move(text)),
              buttons(buttons),
              icon(icon),
              title(std::move(title)),
              defaultButton(defaultButton) {}

        QString text;
        Buttons buttons;
        Icon icon;
        QString title;  // empty: the application title
        Answer defaultButton;
    };

    virtual ~Dialogs() = default;

    // Shows the box modally (the event loop keeps running) and returns the
    // button pressed. Closing a Yes/No box from its title bar answers No.
    virtual Answer MsgBox(QWidget* parent, const Message& message) = 0;
    // Returns the text typed, or "" when the user cancels.
    virtual QString InputBox(QWidget* parent, const QString& prompt, const QString& title,
                             const QString& proposed) = 0;
};

}  // namespace pelicast::platform
