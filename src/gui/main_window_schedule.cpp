// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's sending later: "Send later..." records a batch with its
// time, and the open window sends the scheduled batches when they are due,
// by the same rules as the systemd timer's pelicast-send --run-due, each
// begun first so that the two never both send it; late ones are asked about
// at start.
#include <QAction>
#include <QPushButton>

#include "core/journal/batch_store.h"
#include "core/journal/journal.h"
#include "core/journal/journal_recorder.h"
#include "core/journal/schedule_store.h"
#include "core/schedule/clock.h"
#include "core/schedule/due_timer.h"
#include "core/schedule/scheduled_run.h"
#include "core/settings/keyring.h"
#include "gui/late_batches_dialog.h"
#include "gui/main_window.h"
#include "gui/message_box.h"
#include "gui/scheduled_window.h"
#include "gui/send_checks.h"
#include "gui/send_later_dialog.h"
#include "ui_main_window.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// A batch made by pelicast-send --at is seen within this.
constexpr int kLookAgainMs = 60 * 1000;

}  // namespace

void MainWindow::setUpScheduling() {
    auto* later = new QPushButton(tr("Sen&d later..."), this);
    later->setObjectName(u"sendLater"_s);
    later->setAccessibleName(tr("Send later"));
    later->setToolTip(tr("Send the message at a time you choose"));
    later->setAutoDefault(false);
    ui_->sendLayout->insertWidget(ui_->sendLayout->indexOf(ui_->OKButton) + 1, later);
    setTabOrder(ui_->OKButton, later);
    setTabOrder(later, ui_->CancelButton);
    connect(later, &QPushButton::clicked, this, &MainWindow::sendLater);
    auto* scheduled = new QAction(tr("Sche&duled messages..."), this);
    scheduled->setObjectName(u"scheduledMessages"_s);
    ui_->Actions->insertAction(ui_->historymenu, scheduled);
    connect(scheduled, &QAction::triggered, this, &MainWindow::showScheduled);
    dueTimer_.setSingleShot(true);
    connect(&dueTimer_, &QTimer::timeout, this, &MainWindow::sendDueBatches);
}

void MainWindow::setClock(const Clock& clock) {
    clock_ = &clock;
}

void MainWindow::sendLater() {
    const std::optional<MessageDraft> draft = takeDraft();
    if (!draft)
        return;
    std::optional<PlannedBatch> planned =
        isBatch(*draft) ? previewBatch(*draft) : planMessage(*draft);
    if (!planned || !openBatches())
        return;
    SendLaterDialog dialog(*clock_, SchedulePreferences::load(settings_), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    planned->batch.due = dialog.chosenTime();
    const Expected<qint64> id = batches_->create(planned->batch, planned->plan);
    if (!id) {
        MessageBox::tell(
            this, tr("Nothing was scheduled: the batch cannot be recorded. %1").arg(id.error()), {},
            MessageBox::Icon::Warning);
        return;
    }
    lastSent_ = draft->message;
    if (scheduled_)
        scheduled_->refresh();
    armDueTimer();
    tellScheduled(*id, *planned, ui_->remember->isChecked());
}

// A message without fields goes as Send sends it: one request to everyone.
std::optional<MainWindow::PlannedBatch> MainWindow::planMessage(const MessageDraft& draft) {
    settings_.rememberRecipients(draft.recipients);
    const std::optional<DraftReview> review = sendChecks_->review(draft);
    if (!review ||
        MessageBox::ask(this, review->estimate.confirmation(), tr("Send SMS later?")) !=
            MessageBox::Answer::Yes ||
        !sendChecks_->confirmCost(*review))
        return std::nullopt;
    return plannedBatch(
        draft, BatchPlan(review->draft.message, currentRecipients(), review->draft.originator));
}

// Told once systemd answered about its timer, which the window never waits for.
void MainWindow::tellScheduled(qint64 id, const PlannedBatch& planned, bool remembered) {
    const QDateTime& due = planned.batch.due;
    QString text = tr("Batch %1 is scheduled for %2: %3.")
                       .arg(id)
                       .arg(shownTime(due, clock_->zone()), planned.plan.totals().text());
    const QString quiet =
        quietHoursEffect(due, SchedulePreferences::load(settings_).quietHours, clock_->zone());
    if (!quiet.isEmpty())
        text += u'\n' + quiet;
    if (!remembered)
        text += u"\n\n"_s +
                tr("Remember Password is off, so the timer has no password: these messages go "
                   "only while Pelicast is open with the password typed. To let them go while "
                   "it is closed, tick Remember Password before you schedule.");
    setRequestStatus(tr("Scheduling..."));
    auto* timer = new DueTimer(this);
    connect(timer, &DueTimer::finished, this,
            [this, timer, text](const DueTimer::Outcome& outcome) {
                timer->deleteLater();
                setRequestStatus({});
                MessageBox::tell(this, text + u"\n\n"_s + DueTimer::describe(outcome));
            });
    timer->enable();
}

void MainWindow::showScheduled() {
    if (!scheduled_) {
        scheduled_ = new ScheduledWindow(*clock_, settings_, this);
        connect(scheduled_, &ScheduledWindow::changed, this, [this] { armDueTimer(); });
    }
    scheduled_->showScheduled();
}

void MainWindow::startSendingDue() {
    askAboutLateBatches();
    sendDueBatches();
}

void MainWindow::askAboutLateBatches() {
    if (!openBatches(false))
        return;
    const SchedulePreferences preferences = SchedulePreferences::load(settings_);
    const Expected<QList<DueBatch>> due = dueBatches(*schedule_, *batches_, *clock_, preferences);
    QList<BatchInfo> late;
    for (const DueBatch& batch : due ? *due : QList<DueBatch>())
        if (batch.state.kind == DueState::Kind::Late)
            late.append(batch.batch);
    if (late.isEmpty())
        return;
    LateBatchesDialog dialog(late, *clock_, preferences.lateHours, this);
    dialog.exec();
    for (auto choice = dialog.choices().cbegin(); choice != dialog.choices().cend(); ++choice) {
        // Sent now: due now, it goes by the rules of any due batch.
        const Expected<void> done = choice.value() == LateBatchesDialog::Choice::SendNow
                                        ? schedule_->reschedule(choice.key(), clock_->now())
                                        : schedule_->cancel(choice.key());
        if (!done)
            MessageBox::tell(this, done.error(), {}, MessageBox::Icon::Warning);
    }
    if (scheduled_)
        scheduled_->refresh();
}

void MainWindow::sendDueBatches() {
    dueTimer_.stop();
    // One at a time: the batch being sent, or a request out, goes first.
    if (!openBatches(false))
        return;
    if (isSendingBatch() || recorder_->isBusy())
        return armDueTimer();
    const SchedulePreferences preferences = SchedulePreferences::load(settings_);
    const Expected<QList<DueBatch>> due = dueBatches(*schedule_, *batches_, *clock_, preferences);
    for (const DueBatch& batch : due ? *due : QList<DueBatch>()) {
        // Late ones wait for the user's word, quiet ones for the hours' end.
        if (batch.state.kind != DueState::Kind::Due)
            continue;
        const std::optional<QString> password = duePassword(batch.batch.account);
        if (!password)
            continue;
        if (password->isEmpty()) {
            tellNoPassword(batch.batch);
            continue;
        }
        const Expected<bool> ours = schedule_->begin(batch.batch.id);
        if (!ours || !*ours)
            continue;  // pelicast-send took it first
        scheduledRun_ = std::make_unique<ScheduledRun>(*runner_, *schedule_, *clock_, preferences);
        runBatch(batch.batch.id, *password);
        if (scheduled_)
            scheduled_->refresh();
        if (isSendingBatch())
            return;  // batchFinished() looks again
        scheduledRun_.reset();
    }
    armDueTimer();
}

void MainWindow::armDueTimer(bool soon) {
    if (!schedule_)
        return;
    int wait = soon ? 0 : kLookAgainMs;
    if (const Expected<QDateTime> next = schedule_->nextDue(); !soon && next && next->isValid())
        if (const qint64 left = clock_->now().msecsTo(*next); left > 0)
            wait = int(std::min<qint64>(left, kLookAgainMs));
    dueTimer_.start(wait);
}

std::optional<QString> MainWindow::duePassword(const QString& account) {
    if (trimBlanks(ui_->Uname->text()) == account && !ui_->Pass->text().isEmpty())
        return ui_->Pass->text();
    if (const QString remembered = settings_.rememberedPassword(account); !remembered.isEmpty())
        return remembered;
    if (const auto kept = duePasswords_.constFind(account); kept != duePasswords_.cend())
        return *kept;
    if (!dueKeyring_) {
        dueKeyring_ = new Keyring(this);
        const auto take = [this](Keyring::Task, const QString& user, const QString& password) {
            duePasswords_.insert(user, password.isNull() ? u""_s : password);
            armDueTimer(true);
        };
        connect(dueKeyring_, &Keyring::done, this, take);
        connect(dueKeyring_, &Keyring::failed, this,
                [take](Keyring::Task task, const QString& user, const QString&) {
                    take(task, user, {});
                });
    }
    duePasswords_.insert(account, std::nullopt);
    dueKeyring_->read(account);
    return std::nullopt;
}

// Once a batch; the next look after the password is typed sends it.
void MainWindow::tellNoPassword(const BatchInfo& batch) {
    if (toldNoPassword_.contains(batch.id))
        return;
    toldNoPassword_.insert(batch.id);
    const QString text =
        tr("Batch %1 of %2 was due at %3, but no password for the account is available: none is "
           "remembered, and the keyring gives none. It stays scheduled; type the account's user "
           "name and password in the main window, and it goes within a minute.")
            .arg(batch.id)
            .arg(batch.account, shownTime(batch.due, clock_->zone()));
    QTimer::singleShot(0, this, [this, text] { MessageBox::tell(this, text); });
}

}  // namespace pelicast
