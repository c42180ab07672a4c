// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/message_box.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QQueue>
#include <QScreen>
#include <QVBoxLayout>
#include <optional>

namespace pelicast::MessageBox {

namespace {

struct Scripted {
    QQueue<Answer> answers;
    QQueue<QString> texts;
    std::optional<QStringList> shown;  // only once recording started
    std::function<void(const QString&)> onShown;
};

Scripted& scripted() {
    static Scripted s;
    return s;
}

void record(const QString& text) {
    if (scripted().shown)
        scripted().shown->append(text);
    if (scripted().onShown)
        scripted().onShown(text);
}

QString titleOr(const QString& title) {
    return title.isEmpty() ? QApplication::applicationDisplayName() : title;
}

QMessageBox::Icon qtIcon(Icon icon) {
    switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::Critical:
            return QMessageBox::Critical;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// Beyond this a QMessageBox grows past the screen: the text goes into a
// scrolling box instead.
constexpr int kLongLines = 25;
constexpr int kLongCharacters = 2000;

bool isLong(const QString& text) {
    return text.size() > kLongCharacters || text.count(u'\n') > kLongLines;
}

void showScrolling(QWidget* parent, const QString& text, const QString& title) {
    QDialog box(parent);
    box.setWindowTitle(title);
    auto* view = new QPlainTextEdit(text, &box);
    view->setReadOnly(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &box);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(view);
    layout->addWidget(buttons);
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        box.resize(screen->availableSize() * 2 / 3);
    buttons->button(QDialogButtonBox::Ok)->setFocus();
    box.exec();
}

}  // namespace

void tell(QWidget* parent, const QString& text, const QString& title, Icon icon) {
    record(text);
    if (!scripted().answers.isEmpty()) {
        scripted().answers.dequeue();
        return;
    }
    if (isLong(text)) {
        showScrolling(parent, text, titleOr(title));
        return;
    }
    QMessageBox box(qtIcon(icon), titleOr(title), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

Answer ask(QWidget* parent, const QString& text, const QString& title, Answer defaultAnswer,
           Icon icon) {
    record(text);
    if (!scripted().answers.isEmpty())
        return scripted().answers.dequeue();
    QMessageBox box(qtIcon(icon), titleOr(title), text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(defaultAnswer == Answer::No ? QMessageBox::No : QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

QString askText(QWidget* parent, const QString& prompt, const QString& title,
                const QString& proposed, const QStringList& suggestions) {
    record(prompt);
    if (!scripted().texts.isEmpty())
        return scripted().texts.dequeue();
    bool ok = false;
    const QString text =
        suggestions.isEmpty()
            ? QInputDialog::getText(parent, titleOr(title), prompt, QLineEdit::Normal, proposed,
                                    &ok)
            : QInputDialog::getItem(parent, titleOr(title), prompt,
                                    QStringList{proposed} + suggestions, 0, true, &ok);
    return ok ? text : QString();
}

QString askChoice(QWidget* parent, const QString& prompt, const QString& title,
                  const QList<std::pair<QString, QString>>& choices, const QString& current) {
    record(prompt);
    if (!scripted().texts.isEmpty())
        return scripted().texts.dequeue();
    QStringList shown;
    QString currentText;
    for (const auto& [text, value] : choices) {
        shown.append(text);
        if (value == current)
            currentText = text;
    }
    QInputDialog box(parent);
    box.setWindowTitle(titleOr(title));
    box.setLabelText(prompt);
    box.setOption(QInputDialog::UseListViewForComboBoxItems);
    box.setComboBoxItems(shown);
    // Without a current entry, Return does nothing until the user picks one.
    if (!currentText.isEmpty())
        box.setTextValue(currentText);
    if (box.exec() != QDialog::Accepted)
        return {};
    const qsizetype chosen = shown.indexOf(box.textValue());
    return chosen < 0 ? QString() : choices.at(chosen).second;
}

void setNextAnswer(Answer answer) {
    scripted().answers.enqueue(answer);
}

void setNextText(const QString& text) {
    scripted().texts.enqueue(text);
}

void setShownHook(std::function<void(const QString&)> hook) {
    scripted().onShown = std::move(hook);
}

void startRecording() {
    scripted().shown.emplace();
}

QStringList shownTexts() {
    if (!scripted().shown)
        qFatal("MessageBox::shownTexts() without startRecording()");
    return *scripted().shown;
}

}  // namespace pelicast::MessageBox
