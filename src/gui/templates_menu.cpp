// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/templates_menu.h"

#include "core/journal/template_store.h"
#include "gui/message_box.h"
#include "gui/message_text_edit.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

QList<std::pair<QString, QString>> choicesOf(const QStringList& names) {
    QList<std::pair<QString, QString>> choices;
    for (const QString& name : names)
        choices.append({name, name});
    return choices;
}

}  // namespace

TemplatesMenu::TemplatesMenu(MessageTextEdit* message, QWidget* parent, const QString& journalPath)
    : QMenu(tr("&Templates"), parent), message_(message), journal_(journalPath) {
    setObjectName(u"templates"_s);
    // Filled as it opens: the journal is not opened while the window starts.
    connect(this, &QMenu::aboutToShow, this, &TemplatesMenu::rebuild);
}

void TemplatesMenu::rebuild() {
    clear();
    QList<MessageTemplate> templates;
    if (journal_.isOpen() || journal_.open()) {
        if (Expected<QList<MessageTemplate>> listed = TemplateStore(journal_).list())
            templates = std::move(*listed);
    }
    for (const MessageTemplate& saved : std::as_const(templates)) {
        // A name may hold "&", which a menu would take for a mnemonic.
        QAction* action = addAction(QString(saved.name).replace(u'&', u"&&"_s));
        action->setToolTip(saved.text);
        connect(action, &QAction::triggered, this,
                [this, text = saved.text] { insertTemplate(text); });
    }
    if (templates.isEmpty())
        addAction(tr("No templates yet"))->setEnabled(false);
    addSeparator();
    QAction* save =
        addAction(tr("&Save message as template..."), this, &TemplatesMenu::saveMessage);
    save->setObjectName(u"saveTemplate"_s);
    save->setEnabled(!message_->text().isEmpty());
    QAction* rename = addAction(tr("&Rename template..."), this, &TemplatesMenu::renameTemplate);
    rename->setObjectName(u"renameTemplate"_s);
    QAction* remove = addAction(tr("&Delete template..."), this, &TemplatesMenu::deleteTemplate);
    remove->setObjectName(u"deleteTemplate"_s);
    rename->setEnabled(!templates.isEmpty());
    remove->setEnabled(!templates.isEmpty());
}

void TemplatesMenu::insertTemplate(const QString& text) {
    if (!message_->insertWhole(text))
        MessageBox::tell(window(), tr("The message has no room left for this template."));
    message_->setFocus();
}

std::optional<QStringList> TemplatesMenu::names() {
    if (!journal_.isOpen() && !journal_.open()) {
        tellFailure(journal_.errorString());
        return std::nullopt;
    }
    Expected<QList<MessageTemplate>> listed = TemplateStore(journal_).list();
    if (!listed) {
        tellFailure(listed.error());
        return std::nullopt;
    }
    QStringList names;
    for (const MessageTemplate& saved : std::as_const(*listed))
        names.append(saved.name);
    return names;
}

bool TemplatesMenu::tellFailure(const QString& reason) {
    MessageBox::tell(window(), tr("The templates cannot be changed: %1").arg(reason), {},
                     MessageBox::Icon::Warning);
    return false;
}

void TemplatesMenu::saveMessage() {
    const QString text = message_->text();
    const std::optional<QStringList> known = names();
    if (text.isEmpty() || !known)
        return;
    const QString name = MessageBox::askText(window(), tr("Save the message as the template:"),
                                             tr("Save as template"), {}, *known)
                             .trimmed();
    if (name.isEmpty())
        return;
    const bool replaces = known->contains(name, Qt::CaseInsensitive);
    if (replaces &&
        MessageBox::ask(window(), tr("A template named \"%1\" exists. Replace its text?").arg(name),
                        tr("Save as template"), MessageBox::Answer::No) != MessageBox::Answer::Yes)
        return;
    if (const Expected<void> saved = TemplateStore(journal_).save(name, text); !saved)
        tellFailure(saved.error());
}

void TemplatesMenu::renameTemplate() {
    const std::optional<QStringList> known = names();
    if (!known || known->isEmpty())
        return;
    const QString from = MessageBox::askChoice(
        window(), tr("Which template?"), tr("Rename template"), choicesOf(*known), known->first());
    if (from.isEmpty())
        return;
    const QString to = MessageBox::askText(window(), tr("New name of \"%1\":").arg(from),
                                           tr("Rename template"), from)
                           .trimmed();
    if (to.isEmpty() || to == from)
        return;
    if (const Expected<void> renamed = TemplateStore(journal_).rename(from, to); !renamed)
        tellFailure(renamed.error());
}

void TemplatesMenu::deleteTemplate() {
    const std::optional<QStringList> known = names();
    if (!known || known->isEmpty())
        return;
    const QString name = MessageBox::askChoice(
        window(), tr("Which template?"), tr("Delete template"), choicesOf(*known), known->first());
    if (name.isEmpty() ||
        MessageBox::ask(window(), tr("Delete the template \"%1\"?").arg(name),
                        tr("Delete template"), MessageBox::Answer::No) != MessageBox::Answer::Yes)
        return;
    if (const Expected<void> removed = TemplateStore(journal_).remove(name); !removed)
        tellFailure(removed.error());
}

}  // namespace pelicast
