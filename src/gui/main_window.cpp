// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/main_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <limits>
#include <type_traits>
#include <utility>

#include "core/gateway/connection_settings.h"
#include "core/gateway/gateway_client.h"
#include "core/gateway/gateway_protocol.h"
#include "core/gateway/request_preload.h"
#include "core/journal/batch_store.h"
#include "core/journal/journal.h"
#include "core/journal/journal_recorder.h"
#include "core/journal/schedule_store.h"
#include "core/message/send_estimate.h"
#include "core/schedule/clock.h"
#include "core/schedule/scheduled_run.h"
#include "gui/about_dialog.h"
#include "gui/contact_upload.h"
#include "gui/desktop_notifier.h"
#include "gui/encoding_line.h"
#include "gui/help_launcher.h"
#include "gui/history_window.h"
#include "gui/long_text.h"
#include "gui/message_box.h"
#include "gui/options_dialog.h"
#include "gui/password_keeper.h"
#include "gui/pictures.h"
#include "gui/recipient_picker.h"
#include "gui/send_checks.h"
#include "gui/web_page.h"
#include "ui_main_window.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// Shorter waits feel immediate; longer ones get the busy pointer.
constexpr std::chrono::milliseconds kBusyPointerDelay{200};
QString replyBoxText(const QString& reply) {
    QString text = shownPart(reply, MainWindow::tr("History (Actions > History)"));
    if (verdictOf(reply) == ReplyVerdict::Unclear)
        text += (text.isEmpty() ? QString() : u"\n\n"_s) + unclearReplyNotice();
    return text;
}

}  // namespace

MainWindow::MainWindow(GatewayLocation location, QWidget* parent)
    : QMainWindow(parent),
      ui_(std::make_unique<Ui::MainWindow>()),
      client_(new GatewayClient(std::move(location), this)),
      recorder_(new JournalRecorder(*client_, settings_, {}, this)),
      notifier_(new DesktopNotifier(this)),
      clock_(&Clock::system()) {
    ui_->setupUi(this);
    passwords_ = new PasswordKeeper(settings_, ui_->Uname, ui_->Pass, ui_->remember, this);
    setUpPictures();
    // Completion would silently add remembered recipients to a typed one; the
    // drop-down list of recent recipients is all the help this field gives.
    ui_->rcpt->setCompleter(nullptr);
    // The picker may write far more than a line edit's usual 32767 characters.
    ui_->rcpt->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    // Nor may a long remembered list widen the window, or a reply's balance
    // text make it taller than the screen.
    ui_->rcpt->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ui_->chkcr->setMaximumHeight(ui_->chkcr->sizeHint().height());
    ui_->chkcr->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Four lines of message and fields wide enough for a few numbers, in
    // whatever font the desktop uses.
    const QFontMetrics metrics = ui_->sms->fontMetrics();
    ui_->formLayout->setColumnMinimumWidth(1, metrics.averageCharWidth() * 26);
    ui_->sms->setFixedHeight(metrics.lineSpacing() * 4 + 2 * ui_->sms->frameWidth() +
                             int(2 * ui_->sms->document()->documentMargin()));
    ui_->status->setFixedHeight(metrics.lineSpacing() * 2);
    ui_->conlookup->setFixedWidth(ui_->conlookup->sizeHint().height());
    // Fixed in size, as it always was; texts that change never resize it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connectActions();
    // Queued: the journal fails while a request goes out; the request goes on.
    connect(
        recorder_, &JournalRecorder::failed, this,
        [this](const QString& reason) {
            MessageBox::tell(
                this, reason + u"\n\n"_s + tr("Requests are not recorded, but they are sent."), {},
                MessageBox::Icon::Warning);
        },
        Qt::QueuedConnection);
    connect(
        recorder_, &JournalRecorder::journalSetAside, this,
        [this](const QString& notice) {
            MessageBox::tell(this, notice, {}, MessageBox::Icon::Warning);
        },
        Qt::QueuedConnection);
    connectWebLinks();
    // Nobody types a real password into a stand-in by mistake.
    if (client_->location().isTest())
        setWindowTitle(windowTitle() + u" \u2013 "_s +
                       tr("test gateway: %1").arg(client_->location().testAddress));
    connect(ui_->Uname, &QLineEdit::textChanged, this, &MainWindow::showStatus);
    // The busy pointer appears only once work lasts long enough to notice:
    // a quick reply neither flickers nor waits while the desktop's cursor
    // theme loads for the first time.
    busyPointerDelay_.setSingleShot(true);
    busyPointerDelay_.setInterval(kBusyPointerDelay);
    connect(&busyPointerDelay_, &QTimer::timeout, this, [this] { setCursor(Qt::BusyCursor); });
    connect(client_, &GatewayClient::busyChanged, this, [this](bool busy) {
        if (!busy)
            setRequestStatus({});
        showStatus();
    });
    connect(client_, &GatewayClient::replied, this, &MainWindow::showReply);
    connect(client_, &GatewayClient::failed, this, &MainWindow::showFailure);
    connect(ui_->sms, &QPlainTextEdit::textChanged, this, &MainWindow::updateCounter);
    ui_->balanceLayout->insertWidget(1, new EncodingLine(ui_->sms));
    sendChecks_ = std::make_unique<SendChecks>(settings_, this, ui_->Orig, ui_->rcpt, ui_->sms);
    setUpRecipientTools();
    // Queued: the first failed write may come during start-up or halfway
    // through an action; the user hears of it once, when the window is free,
    // unless Options told already.
    connect(
        &settings_, &Settings::saveFailed, this,
        [this](const QString& reason) {
            if (!settingsFailureTold_)
                tellSettingsFailure(this, reason);
        },
        Qt::QueuedConnection);
    restoreFields();
    showStatus();
}

void MainWindow::setUpPictures() {
    ui_->newb->setIcon(pictureIcon("new"));
    ui_->sendb->setIcon(pictureIcon("send"));
    ui_->webb->setIcon(pictureIcon("options"));
    ui_->uploadb->setIcon(pictureIcon("upload"));
    ui_->abookbut->setIcon(pictureIcon("addressbook"));
    ui_->helpb->setIcon(pictureIcon("help"));
    ui_->Image1->setPixmap(picture("gateway"));
    ui_->Image2->setPixmap(picture("maker"));
}

void MainWindow::connectActions() {
    const auto both = [this](QAction* action, auto* button, void (MainWindow::*slot)()) {
        connect(action, &QAction::triggered, this, slot);
        connect(button, &std::remove_pointer_t<decltype(button)>::clicked, this, slot);
    };
    both(ui_->newmenu, ui_->newb, &MainWindow::newMessage);
    both(ui_->sendnow, ui_->sendb, &MainWindow::sendMessage);
    both(ui_->crmenu, ui_->chkcr, &MainWindow::checkCredits);
    both(ui_->sendcontacts, ui_->uploadb, &MainWindow::uploadContacts);
    both(ui_->abookmenu, ui_->abookbut, &MainWindow::pickRecipients);
    both(ui_->opmenu, ui_->webb, &MainWindow::showOptions);
    both(ui_->htopics, ui_->helpb, &MainWindow::showHelpTopics);
    connect(ui_->OKButton, &QPushButton::clicked, this, &MainWindow::sendMessage);
    connect(ui_->conlookup, &QPushButton::clicked, this, &MainWindow::pickRecipients);
    connect(ui_->About, &QAction::triggered, this, &MainWindow::showAbout);
    connect(ui_->historymenu, &QAction::triggered, this, &MainWindow::showHistory);
    connect(ui_->CancelButton, &QPushButton::clicked, this, &QWidget::close);
    connect(ui_->Exit, &QAction::triggered, this, &QWidget::close);
    setUpScheduling();
}

void MainWindow::connectWebLinks() {
    const auto link = [this](auto address) { return [this, address] { openWebPage(address()); }; };
    const auto gatewayHome = link(
        [this] { return weblinks::gatewayHome(client_->location(), client_->transportBase()); });
    const auto makerSite = link([] { return weblinks::makerSite(); });
    connect(ui_->Image1, &ClickableLabel::clicked, this, gatewayHome);
    connect(ui_->quillomenu, &QAction::triggered, this, gatewayHome);
    connect(ui_->Image2, &ClickableLabel::clicked, this, makerSite);
    connect(ui_->brackelmenu, &QAction::triggered, this, makerSite);
    connect(ui_->account, &QAction::triggered, this, link([this] {
                return weblinks::newAccount(client_->location(), client_->transportBase());
            }));
    connect(ui_->mainbuy, &QAction::triggered, this, link([this] {
                return weblinks::buyCredits(client_->location(), client_->transportBase());
            }));
    const std::pair<QAction*, CreditPackage> packages[] = {
        {ui_->cr900, CreditPackage::Credits900},
        {ui_->cr2500, CreditPackage::Credits2500},
        {ui_->cr5500, CreditPackage::Credits5500},
        {ui_->cr12000, CreditPackage::Credits12000}};
    for (const auto& [action, package] : packages)
        connect(action, &QAction::triggered, this,
                link([package = package] { return weblinks::storeBasket(package); }));
}

void MainWindow::restoreFields() {
    ui_->Uname->setText(settings_.scrambledValue(keys::kUsername));
    passwords_->restore();
    ui_->Orig->setText(settings_.scrambledValue(keys::kOriginator));
    ui_->rcpt->addItems(settings_.recentRecipients());
    ui_->rcpt->setCurrentIndex(-1);
    ui_->rcpt->setEditText({});
    if (ui_->Orig->text().isEmpty())
        ui_->Orig->setText(QLatin1String(protocol::kServiceOriginator));
    const QString credits = settings_.value(keys::kCredits);
    if (!credits.isEmpty())
        ui_->chkcr->setText(tr("Credits Left: (last run)%1").arg(credits));
    applyConnection();
}

void MainWindow::applyConnection() {
    client_->setConnection(ConnectionSettings::loadAndStoreTransport(settings_));
    ui_->transp->setText(client_->transportBase());
    ui_->Image1->setToolTip(
        tr("Click here for %1")
            .arg(weblinks::gatewayHome(client_->location(), client_->transportBase()).toString()));
}

void MainWindow::updateCounter() {
    ui_->counter->setText(tr("%n characters left", nullptr, ui_->sms->charactersLeft()));
}

void MainWindow::newMessage() {
    ui_->rcpt->setEditText({});
    ui_->sms->setText({});
    ui_->rcpt->setFocus();
    updateCounter();
}

bool MainWindow::refuseWhileBusy() {
    if (!recorder_->isBusy())
        return false;
    MessageBox::tell(this,
                     tr("A request is already in progress. Please wait for the server's reply."));
    return true;
}

bool MainWindow::isMissing(const QString& text, const QString& message, QWidget* field) {
    if (!text.isEmpty())
        return false;
    MessageBox::tell(this, message);
    field->setFocus();
    return true;
}

bool MainWindow::isAccountMissing() {
    passwords_->finishLookUp();
    return isMissing(ui_->Uname->text(), tr("Please enter Your Quillo username"), ui_->Uname) ||
           isMissing(ui_->Pass->text(), tr("Please enter Your Quillo password"), ui_->Pass);
}

std::optional<MessageDraft> MainWindow::takeDraft() {
    passwords_->finishLookUp();
    const MessageDraft draft{ui_->Uname->text(), ui_->Pass->text(), ui_->Orig->text(),
                             ui_->rcpt->currentText(), ui_->sms->text()};
    settings_.setScrambledValue(keys::kUsername, draft.user);
    settings_.setScrambledValue(keys::kOriginator, draft.originator);
    passwords_->store(draft.user, draft.password, ui_->remember->isChecked());
    if (isMissing(draft.user, tr("Please enter Your Quillo Username"), ui_->Uname) ||
        isMissing(draft.password, tr("Please enter Password for User %1").arg(draft.user),
                  ui_->Pass) ||
        isMissing(draft.recipients, tr("Please enter the recipient of You sms message"),
                  ui_->rcpt) ||
        isMissing(draft.message, tr("Please write Your message"), ui_->sms))
        return std::nullopt;
    return draft;
}

void MainWindow::sendMessage() {
    // Refused before anything is stored: the request that is out keeps the
    // account it was sent with.
    if (refuseWhileBusy())
        return;
    const std::optional<MessageDraft> taken = takeDraft();
    if (!taken)
        return;
    const MessageDraft& draft = *taken;
    if (isBatch(draft)) {
        sendBatch(draft);
        return;
    }

    // Repeated recipients the user drops are neither counted nor sent.
    const std::optional<DraftReview> review = sendChecks_->review(draft);
    if (!review)
        return;
    const FormFields fields = sendMessageFields(review->draft);
    if (MessageBox::ask(this, review->estimate.confirmation(), tr("Send SMS ?")) !=
            MessageBox::Answer::Yes ||
        !sendChecks_->confirmCost(*review))
        recorder_->recordDeclined(QLatin1String(protocol::kSendPage), fields);
    else if (post(protocol::kSendPage, fields, tr("Sending SMS...")))
        lastSent_ = draft.message;
    settings_.rememberRecipients(draft.recipients);
}

void MainWindow::checkCredits() {
    if (refuseWhileBusy() || isAccountMissing())
        return;
    const FormFields fields = creditCheckFields(ui_->Uname->text(), ui_->Pass->text());
    if (MessageBox::ask(this, tr("Receive credit balance from Quillo server ?"),
                        tr("Credit check")) != MessageBox::Answer::Yes) {
        recorder_->recordDeclined(QLatin1String(protocol::kCreditsPage), fields);
        return;
    }
    post(protocol::kCreditsPage, fields, tr("Sending request..."));
}

void MainWindow::uploadContacts() {
    if (refuseWhileBusy() || isAccountMissing())
        return;
    pelicast::uploadContacts(this, *recorder_, settings_, ui_->Uname->text(), ui_->Pass->text(),
                             [this](const QString& status) { setRequestStatus(status); });
}

// Recorded first: the request leaves once its row is on disk.
bool MainWindow::post(const char* page, const FormFields& fields, const QString& status) {
    if (!recorder_->post(QLatin1String(page), fields)) {
        refuseWhileBusy();
        return false;
    }
    setRequestStatus(status);
    return true;
}

// A batch's replies and failures are its runner's to record and count.
void MainWindow::showReply(const QString& reply) {
    if (isSendingBatch())
        return;
    setRequestStatus({});
    MessageBox::tell(this, replyBoxText(reply), tr("Server Response:"));
    // Every reply may state the balance, whichever request it answers.
    const QString balance = plausibleBalance(reply);
    if (balance.isNull())
        return;
    showBalance(balance);
    settings_.setValue(keys::kCredits, balance);
}

void MainWindow::showBalance(const QString& balance) {
    ui_->chkcr->setText(tr("Credits Left:%1").arg(balance));
}

void MainWindow::showFailure(const QString& reason) {
    if (isSendingBatch())
        return;
    setRequestStatus({});
    MessageBox::tell(this, reason);
}

void MainWindow::setRequestStatus(const QString& text) {
    requestStatus_ = text;
    showStatus();
}

void MainWindow::showStatus() {
    const QString text = requestStatus_.isEmpty() ? pickerStatus_ : requestStatus_;
    ui_->status->setText(text.isEmpty() ? idleStatus() : text);
    // A batch's requests show in its progress window; this one stays usable.
    if (text.isEmpty() && (!recorder_->isBusy() || isSendingBatch())) {
        busyPointerDelay_.stop();
        unsetCursor();
    } else if (!busyPointerDelay_.isActive() && cursor().shape() != Qt::BusyCursor) {
        busyPointerDelay_.start();
    }
}

// With no work to show: the stand-in in use, and where a first run begins.
QString MainWindow::idleStatus() const {
    QStringList lines;
    if (client_->location().isTest())
        lines.append(tr("test gateway: %1").arg(client_->location().testAddress));
    if (ui_->Uname->text().isEmpty())
        lines.append(tr("To begin, type your Quillo username and password."));
    return lines.join(u'\n');
}

void MainWindow::pickRecipients() {
    if (!picker_) {
        picker_ = new RecipientPicker(this);
        connect(picker_, &RecipientPicker::recipientsChosen, this,
                [this](const QString& recipients) { ui_->rcpt->setEditText(recipients); });
        connect(picker_, &RecipientPicker::recipientsAdded, this, [this](const QString& added) {
            ui_->rcpt->setEditText(ui_->rcpt->currentText() + u';' + added);
        });
        connect(picker_, &RecipientPicker::statusChanged, this, [this](const QString& text) {
            pickerStatus_ = text;
            showStatus();
        });
    }
    picker_->showPicker();
}

void MainWindow::showOptions() {
    if (!options_) {
        options_ = new OptionsDialog(settings_, this);
        connect(options_, &OptionsDialog::connectionChanged, this, &MainWindow::applyConnection);
        // The user asked for this save: told each time, over the dialog.
        connect(options_, &OptionsDialog::saveFailed, this,
                [this](const QString& reason) { tellSettingsFailure(options_, reason); });
    }
    options_->show();
    options_->raise();
    options_->activateWindow();
}

void MainWindow::tellSettingsFailure(QWidget* over, const QString& reason) {
    settingsFailureTold_ = true;
    MessageBox::tell(over,
                     tr("Your settings cannot be saved: changes to the account, recent recipients, "
                        "balance and Options made now are lost when the program ends.\n\n") +
                         reason,
                     {}, MessageBox::Icon::Warning);
}

void MainWindow::showAbout() {
    if (!about_)
        about_ = new AboutDialog(client_->location(), this);
    about_->show();
    about_->raise();
    about_->activateWindow();
}

void MainWindow::showHistory() {
    if (!history_) {
        history_ = new HistoryWindow(this);
        connect(history_, &HistoryWindow::sendAgainRequested, this,
                [this](const QString& recipients, const QString& message) {
                    ui_->rcpt->setEditText(recipients);
                    ui_->sms->setText(message);
                    activateWindow();
                });
        connect(recorder_, &JournalRecorder::recorded, history_, &HistoryWindow::refresh);
    }
    history_->showHistory();
}

void MainWindow::showHelpTopics() {
    showHelp(this, u"main_window.htm"_s);
}

void MainWindow::openWebPage(const QUrl& url) {
    pelicast::openWebPage(this, url);
}

bool MainWindow::event(QEvent* event) {
    // What the first frame does not need comes once it is out: the program's
    // icon for the window manager, the remembered password from the keyring
    // (D-Bus), and beside the user's typing what only a request needs (a
    // request begun meanwhile loads that itself).
    if (event->type() == QEvent::Paint && !std::exchange(painted_, true))
        QTimer::singleShot(0, this, [this] {
            QApplication::setWindowIcon(pictureIcon("pelicast"));
            passwords_->lookUp();
            recorder_->prepare();
            if (!recorder_->isBusy())
                preloadRequestLibraries();
            Q_EMIT firstFrameShown();
            // What a crash, a kill or a lost network left half-sent.
            QTimer::singleShot(0, this, [this] {
                showUnfinishedBatches(true);
                startSendingDue();
            });
        });
    return QMainWindow::event(event);
}

}  // namespace pelicast
