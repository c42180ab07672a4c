// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <utility>

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace pelicast {

// Every box the program shows the user goes through here, so tests can
// answer them: setNextAnswer() queues the answer the next box returns
// without showing it, and shownTexts() lists what the boxes said once a test
// called startRecording(). The program itself keeps no text it showed.
namespace MessageBox {

enum class Icon { None, Information, Warning, Question, Critical };
enum class Answer { Ok, Cancel, Yes, No };

// An OK box. An empty title stands for the program's name.
void tell(QWidget* parent, const QString& text, const QString& title = {}, Icon icon = Icon::None);
// A Yes/No box; Escape and the title bar's close answer No.
Answer ask(QWidget* parent, const QString& text, const QString& title = {},
           Answer defaultAnswer = Answer::Yes, Icon icon = Icon::None);
// A one-line text box; returns the text typed, or "" when the user cancels.
// With `suggestions`, a drop-down list offers them, and any other text may
// still be typed.
QString askText(QWidget* parent, const QString& prompt, const QString& title,
                const QString& proposed, const QStringList& suggestions = {});

// A list to choose one entry of: `choices` are (shown text, value) pairs, the
// one of value `current` chosen at the start, if any; returns the value of
// the entry chosen, or "" when the user cancels. Tests answer it with
// setNextText(value).
QString askChoice(QWidget* parent, const QString& prompt, const QString& title,
                  const QList<std::pair<QString, QString>>& choices, const QString& current = {});

// For tests.
void setNextAnswer(Answer answer);
void setNextText(const QString& text);
// Keeps the text of each box from now on, forgetting what was kept before.
void startRecording();
// The texts kept since startRecording(); a test that never called it stops.
QStringList shownTexts();
// Called with each box's text as the box is shown (benchmarks time replies so).
void setShownHook(std::function<void(const QString&)> hook);

}  // namespace MessageBox

}  // namespace pelicast
