#pragma once

#include <QList>
#include <QQueue>

#include "platform/dialogs.h"

namespace pelicast::fakes {

// Answers boxes from a script and records every box shown. An unscripted
// Yes/No box answers No, an unscripted input box "" (Cancel).
class ScriptedDialogs : public platform::Dialogs {
public:
    struct Input {
        QString prompt, title, proposed;
    };

    Answer MsgBox(QWidget*, const Message& message) override {
        shown.append(message);
        if (message.buttons == Buttons::Ok)
            return Answer::Ok;
        return answers.isEmpty() ? Answer::No : answers.dequeue();
    }
    QString InputBox(QWidget*, const QString& prompt, const QString& title,
                     const QString& proposed) override {
        inputs.append({prompt, title, proposed});
        return typed.isEmpty() ? QString() : typed.dequeue();
    }

    QString lastText() const { return shown.isEmpty() ? QString() : shown.last().text; }

    QQueue<Answer> answers;  // for Yes/No boxes, in order
    QQueue<QString> typed;   // for input boxes, in order
    QList<Message> shown;
    QList<Input> inputs;
};

}  // namespace pelicast::fakes
