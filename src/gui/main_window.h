// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QSet>
#include <QTimer>
#include <memory>
#include <optional>

#include "core/book/recipient_list.h"
#include "core/gateway/form_fields.h"
#include "core/gateway/gateway_location.h"
#include "core/journal/batch_runner.h"
#include "core/message/batch_plan.h"
#include "core/settings/settings.h"

class QUrl;

namespace pelicast {

class AboutDialog;
class BatchProgressDialog;
class BatchStore;
class Clock;
class CurrentRecipients;
class DesktopNotifier;
class GatewayClient;
class HistoryWindow;
class Journal;
class JournalRecorder;
class Keyring;
struct MessageDraft;
class OptionsDialog;
class PasswordKeeper;
class RecipientPicker;
class ScheduledRun;
class ScheduledWindow;
class ScheduleStore;
class SendChecks;

namespace Ui {
class MainWindow;
}

// The main window: account, originator, recipients and message, the three
// gateway requests, and the doors to every other window. The gateway's
// replies and failures are shown here; one request is out at a time.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(GatewayLocation location, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Everyone the message goes to, each once, with the values of the
    // fields a message may hold (CurrentRecipients::recipients()).
    RecipientList currentRecipients() const;
    // The clock scheduled batches are sent by; the system's unless set
    // (tests, pictures). `clock` outlives the window.
    void setClock(const Clock& clock);

public Q_SLOTS:
    void sendMessage();
    void checkCredits();
    void uploadContacts();
    void newMessage();
    void showOptions();
    void showAbout();
    void showHelpTopics();
    void showHistory();
    void pickRecipients();
    void openWebPage(const QUrl& url);
    // The batches not sent to the end, to continue, send again or close;
    // says so when there are none, unless `quietWhenNone` (at start).
    void showUnfinishedBatches(bool quietWhenNone = false);
    // Checks the message as Send does, asks for a time and records it as a
    // scheduled batch.
    void sendLater();
    void showScheduled();
    // Sends the scheduled batches whose time has come, one at a time, and
    // looks again when the next one is due, or in a minute.
    void sendDueBatches();
    // The scheduled batches too late to go without the user's word: send
    // now, cancel, or ask again at the next start.
    void askAboutLateBatches();

Q_SIGNALS:
    // Once, when the first frame is out: what waits for it may start.
    void firstFrameShown();

protected:
    // Cancel, Exit and the title bar all end here: the program ends, unless
    // the user keeps an unsent message.
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void setUpPictures();
    void setUpRecipientTools();
    void connectActions();
    void connectWebLinks();
    void restoreFields();
    void applyConnection();
    void updateCounter();

    bool refuseWhileBusy();
    bool isMissing(const QString& text, const QString& message, QWidget* field);
    bool isAccountMissing();
    bool post(const char* page, const FormFields& fields, const QString& status);
    void showReply(const QString& reply);
    void showFailure(const QString& reason);
    void setRequestStatus(const QString& text);
    void showStatus();
    QString idleStatus() const;
    void tellSettingsFailure(QWidget* over, const QString& reason);
    void showBalance(const QString& balance);
    // The fields as Send takes them, stored; none when one is missing.
    std::optional<MessageDraft> takeDraft();

    // Batches (main_window_batch.cpp).
    bool isBatch(const MessageDraft& draft) const;
    bool isSendingBatch() const;
    // The journal the batches are made and read in; `tell` says why not.
    bool openBatches(bool tell = true);
    // A batch to be made, as the user accepted it in the preview.
    struct PlannedBatch {
        NewBatch batch;
        BatchPlan plan;
    };
    std::optional<PlannedBatch> previewBatch(const MessageDraft& draft);
    PlannedBatch plannedBatch(const MessageDraft& draft, const BatchPlan& plan) const;
    void sendBatch(const MessageDraft& draft);
    void runBatch(qint64 id, const QString& password);
    void batchFinished(BatchRunner::Status status, const QString& reason);

    // Sending later (main_window_schedule.cpp).
    void setUpScheduling();
    // At start, after the unfinished batches: asks about the late ones, then
    // sends what is due.
    void startSendingDue();
    std::optional<PlannedBatch> planMessage(const MessageDraft& draft);
    void tellScheduled(qint64 id, const PlannedBatch& planned, bool remembered);
    // For the next due batch, at most a minute away; `soon`: at once.
    void armDueTimer(bool soon = false);
    // The password for `account` now: the window's, the remembered or the
    // keyring's; "" when none is; none while the keyring is asked.
    std::optional<QString> duePassword(const QString& account);
    void tellNoPassword(const BatchInfo& batch);

    std::unique_ptr<Ui::MainWindow> ui_;
    Settings settings_;
    GatewayClient* client_;
    JournalRecorder* recorder_;
    PasswordKeeper* passwords_;
    std::unique_ptr<SendChecks> sendChecks_;
    CurrentRecipients* recipients_;
    QPointer<RecipientPicker> picker_;
    QPointer<OptionsDialog> options_;
    QPointer<AboutDialog> about_;
    QPointer<HistoryWindow> history_;
    // Opened at the first batch, on the window's thread: the recorder's
    // journal lives on its own.
    std::unique_ptr<Journal> batchJournal_;
    std::unique_ptr<BatchStore> batches_;
    BatchRunner* runner_ = nullptr;
    QPointer<BatchProgressDialog> progress_;
    DesktopNotifier* notifier_;
    const Clock* clock_;
    std::unique_ptr<ScheduleStore> schedule_;
    std::unique_ptr<ScheduledRun> scheduledRun_;
    QPointer<ScheduledWindow> scheduled_;
    QTimer dueTimer_;
    Keyring* dueKeyring_ = nullptr;
    // Read from the keyring for the accounts of scheduled batches ("" for
    // none), and the batches the user was told have no password.
    QHash<QString, std::optional<QString>> duePasswords_;
    QSet<qint64> toldNoPassword_;
    // The status line shows the request's work first, else the picker's.
    QString requestStatus_;
    QString pickerStatus_;
    // The text of the last message sent, which closing need not ask about.
    QString lastSent_;
    bool painted_ = false;
    bool settingsFailureTold_ = false;
    QTimer busyPointerDelay_;
};

}  // namespace pelicast
