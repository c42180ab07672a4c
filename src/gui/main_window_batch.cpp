// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's batches: a message with fields, or to a list file, goes
// through the preview, then is recorded whole and sent by a BatchRunner with
// its progress window; batches left unfinished are offered at start, and
// closing asks while one is being sent.
#include <QApplication>
#include <QCloseEvent>

#include "core/gateway/gateway_client.h"
#include "core/journal/batch_runner.h"
#include "core/journal/batch_store.h"
#include "core/journal/journal.h"
#include "core/journal/journal_recorder.h"
#include "core/journal/schedule_store.h"
#include "core/message/personal_text.h"
#include "core/message/printable_text.h"
#include "core/schedule/clock.h"
#include "core/schedule/scheduled_run.h"
#include "core/settings/preferences.h"
#include "gui/batch_preview_dialog.h"
#include "gui/batch_progress_dialog.h"
#include "gui/current_recipients.h"
#include "gui/desktop_notifier.h"
#include "gui/main_window.h"
#include "gui/message_box.h"
#include "gui/password_keeper.h"
#include "gui/send_checks.h"
#include "gui/unfinished_batches_dialog.h"
#include "ui_main_window.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

using Outcome = RequestRecord::Outcome;

// What the recipients of a batch came from, for the user: the list file, or
// the start of the recipients text.
constexpr qsizetype kShownSource = 60;

QString outcomeSummary(const BatchCounts& counts) {
    return MainWindow::tr("%1 accepted, %2 refused, %3 without a clear answer, %4 still queued.")
        .arg(counts.of(Outcome::Accepted))
        .arg(counts.of(Outcome::Refused))
        .arg(counts.uncertain() + counts.of(Outcome::Pending))
        .arg(counts.of(Outcome::Queued));
}

}  // namespace

// The runner first: ending, it writes through the batch store.
MainWindow::~MainWindow() {
    delete runner_;
}

// A message with a field of its recipients, or to the rows of a list file.
bool MainWindow::isBatch(const MessageDraft& draft) const {
    return !recipients_->fileName().isEmpty() ||
           PersonalText(draft.message, recipients_->fieldNames()).isPersonal();
}

bool MainWindow::isSendingBatch() const {
    return runner_ && runner_->isRunning();
}

bool MainWindow::openBatches(bool tell) {
    if (batches_)
        return true;
    auto journal = std::make_unique<Journal>();
    if (!journal->open()) {
        if (tell)
            MessageBox::tell(
                this,
                tr("Nothing was sent: a batch is recorded whole before it is sent, and "
                   "the journal cannot be used. %1")
                    .arg(journal->errorString()),
                {}, MessageBox::Icon::Warning);
        return false;
    }
    batchJournal_ = std::move(journal);
    batches_ = std::make_unique<BatchStore>(*batchJournal_);
    schedule_ = std::make_unique<ScheduleStore>(*batchJournal_);
    runner_ = new BatchRunner(*recorder_, *client_, *batches_, settings_, this);
    connect(runner_, &BatchRunner::progressChanged, this, [this](const BatchProgress& progress) {
        if (progress_)
            progress_->showProgress(progress);
        if (!progress.balance.isNull())
            showBalance(progress.balance);
    });
    connect(runner_, &BatchRunner::finished, this, &MainWindow::batchFinished);
    return true;
}

std::optional<MainWindow::PlannedBatch> MainWindow::previewBatch(const MessageDraft& draft) {
    // A list file's numbers stay the file's, not a recipients text to reuse.
    if (recipients_->fileName().isEmpty())
        settings_.rememberRecipients(draft.recipients);
    // The text and the originator are checked as for one message; the
    // recipients are the list's, each checked as the list was made.
    MessageDraft typed = draft;
    typed.recipients.clear();
    if (!sendChecks_->review(typed))
        return std::nullopt;
    const RecipientList recipients = currentRecipients();
    if (recipients.isEmpty()) {
        MessageBox::tell(this, tr("None of the recipients can get the message."));
        ui_->rcpt->setFocus();
        return std::nullopt;
    }
    const Preferences preferences = Preferences::load(settings_);
    BatchPreviewDialog preview(draft.message, recipients, draft.originator, costLimit(preferences),
                               this);
    if (preview.exec() != QDialog::Accepted || !openBatches())
        return std::nullopt;
    return plannedBatch(draft, preview.plan());
}

MainWindow::PlannedBatch MainWindow::plannedBatch(const MessageDraft& draft,
                                                  const BatchPlan& plan) const {
    QString source = recipients_->fileName();
    if (source.isEmpty())
        source = shortened(draft.recipients, kShownSource);
    return {{trimBlanks(draft.user), draft.message, source, Preferences::load(settings_).pause, {}},
            plan};
}

void MainWindow::sendBatch(const MessageDraft& draft) {
    if (isSendingBatch()) {
        if (recipients_->fileName().isEmpty())
            settings_.rememberRecipients(draft.recipients);
        MessageBox::tell(this, tr("A batch is being sent. Wait until it ends, or stop it."));
        return;
    }
    const std::optional<PlannedBatch> planned = previewBatch(draft);
    if (!planned)
        return;
    const Expected<qint64> id = batches_->create(planned->batch, planned->plan);
    if (!id) {
        MessageBox::tell(this,
                         tr("Nothing was sent: the batch cannot be recorded. %1").arg(id.error()),
                         {}, MessageBox::Icon::Warning);
        return;
    }
    lastSent_ = draft.message;
    runBatch(*id, draft.password);
}

void MainWindow::runBatch(qint64 id, const QString& password) {
    if (!runner_->start(id, password)) {
        MessageBox::tell(this, runner_->errorString(), {}, MessageBox::Icon::Warning);
        return;
    }
    if (!progress_) {
        progress_ = new BatchProgressDialog(this);
        connect(progress_, &BatchProgressDialog::stopRequested, runner_, &BatchRunner::stop);
    }
    progress_->start(runner_->progress().total);
    progress_->showProgress(runner_->progress());
    setRequestStatus(tr("Sending a batch..."));
}

void MainWindow::batchFinished(BatchRunner::Status status, const QString& reason) {
    setRequestStatus({});
    const BatchCounts& counts = runner_->progress().counts;
    QString summary;
    // A scheduled batch that stops for the quiet hours or the network waits
    // (ScheduledRun hears this signal after the window).
    const bool paused = scheduledRun_ && scheduledRun_->pausedUntil().isValid();
    if (paused || (scheduledRun_ && status == BatchRunner::Status::NetworkFailed))
        summary =
            paused ? tr("Paused for the quiet hours: the rest goes at %1.")
                         .arg(shownTime(scheduledRun_->pausedUntil(), clock_->zone()))
                   : tr("The batch stopped: %1 The rest is tried again in a minute.").arg(reason);
    else
        switch (status) {
            case BatchRunner::Status::Done:
                summary = tr("The batch was sent.");
                break;
            case BatchRunner::Status::Stopped:
                summary =
                    tr("Stopped. What is still queued is sent with Continue in Actions > "
                       "Unfinished batches.");
                break;
            case BatchRunner::Status::NetworkFailed:
            case BatchRunner::Status::JournalFailed:
                summary = tr("The batch stopped: %1 What is still queued is sent with Continue in "
                             "Actions > Unfinished batches.")
                              .arg(reason);
                break;
        }
    summary += u' ' + outcomeSummary(counts);
    if (progress_)
        progress_->showFinished(summary);
    notifier_->notifyUnlessActive(tr("Pelicast: a batch ended"), summary);
    // Its guard still hears this signal. The next scheduled batch may go at
    // once, unless the network just failed: then in a minute.
    if (scheduledRun_)
        scheduledRun_.release()->deleteLater();
    armDueTimer(status != BatchRunner::Status::NetworkFailed);
}

void MainWindow::showUnfinishedBatches(bool quietWhenNone) {
    if (isSendingBatch() || !openBatches(!quietWhenNone))
        return;
    const Expected<QList<BatchInfo>> unfinished = batches_->unfinished();
    if (!unfinished) {
        MessageBox::tell(this, unfinished.error(), {}, MessageBox::Icon::Warning);
        return;
    }
    if (unfinished->isEmpty()) {
        if (!quietWhenNone)
            MessageBox::tell(this, tr("Every batch is finished."));
        return;
    }
    UnfinishedBatchesDialog dialog(*unfinished, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const qint64 id = dialog.chosenBatch();
    using Action = UnfinishedBatchesDialog::Action;
    if (dialog.chosenAction() == Action::Close) {
        if (const Expected<qint64> closed = batches_->close(id); !closed)
            MessageBox::tell(this, closed.error(), {}, MessageBox::Icon::Warning);
        return;
    }
    // A batch goes with its own account, and the password typed for it.
    const auto batch = std::find_if(unfinished->cbegin(), unfinished->cend(),
                                    [id](const BatchInfo& info) { return info.id == id; });
    passwords_->finishLookUp();
    if (trimBlanks(ui_->Uname->text()) != batch->account || ui_->Pass->text().isEmpty()) {
        MessageBox::tell(this, tr("This batch is sent from the account %1. Type that user name "
                                  "and its password in the main window, then choose it again.")
                                   .arg(batch->account));
        ui_->Uname->setFocus();
        return;
    }
    if (dialog.chosenAction() != Action::Continue) {
        const Expected<qint64> again = batches_->sendAgain(
            id, dialog.chosenAction() == Action::SendAgainRefused ? SendAgain::Refused
                                                                  : SendAgain::Unknown);
        if (!again) {
            MessageBox::tell(this, again.error(), {}, MessageBox::Icon::Warning);
            return;
        }
    }
    runBatch(id, ui_->Pass->text());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    const bool batch = isSendingBatch();
    const bool busy = recorder_->isBusy();
    if (batch &&
        MessageBox::ask(this,
                        tr("A batch is being sent. If you quit now, a request on its way is "
                           "recorded as without a complete answer, and the rest stay queued: "
                           "the next start offers to continue them.\n\nQuit all the same?"),
                        {}, MessageBox::Answer::No,
                        MessageBox::Icon::Warning) != MessageBox::Answer::Yes) {
        event->ignore();
        return;
    }
    if (!batch && busy &&
        MessageBox::ask(this,
                        tr("A request is still out. If you quit now, its answer is not "
                           "waited for. %1\n\nQuit all the same?")
                            .arg(GatewayClient::uncertainOutcome(recorder_->page())),
                        {}, MessageBox::Answer::No,
                        MessageBox::Icon::Warning) != MessageBox::Answer::Yes) {
        event->ignore();
        return;
    }
    if (!ui_->sms->text().isEmpty() && ui_->sms->text() != lastSent_ &&
        MessageBox::ask(this, tr("Discard the unsent message?"), {}, MessageBox::Answer::No,
                        MessageBox::Icon::Question) != MessageBox::Answer::Yes) {
        event->ignore();
        return;
    }
    event->accept();
    // Every other window goes too; a request still out is recorded as
    // without a complete answer.
    const QString why = tr("Pelicast was closed before the answer came.");
    if (batch)
        runner_->abandon(why);
    else if (busy)
        recorder_->abandon(why);
    QCoreApplication::quit();
}

}  // namespace pelicast
