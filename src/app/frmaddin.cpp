#include "app/frmaddin.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <limits>

#include "app/form_body.h"
#include "app/gateway_contract.h"
#include "app/transform.h"
#include "connection/frmoptions.h"
#include "platform/application_object.h"
#include "platform/dialogs.h"
#include "platform/layout.h"
#include "platform/settings_store.h"
#include "platform/text.h"
#include "support/chelp.h"
#include "support/frmabout.h"
#include "support/web_browser.h"
#include "support/web_links.h"
#include "ui_frmaddin.h"

namespace pelicast {

namespace {
using platform::Dialogs;
namespace gw = gateway;

const QString kCounterSuffix = QStringLiteral(" characters left");
constexpr int kMessageLimit = 160;
// The window's outer size, in twips.
constexpr int kWidthTwips = 6300;
constexpr int kHeightTwips = 6225;
// Names the program's maker to the gateway.
constexpr auto kAffiliate = "brackel";

// Whether a recipient is a number of the home networks: "09" followed by 3,
// 4, 7 or 9 anywhere in it.
// One of the program's own pictures, drawn for the screen's pixel ratio. The
// format is named so that no image plugin is asked to guess it.
QIcon ownPicture(const char* name) {
    const bool doubled = qApp->devicePixelRatio() > 1.0;
    QPixmap pixmap(QStringLiteral(":/pelicast/") + QLatin1String(name) +
                       (doubled ? QStringLiteral("@2x.png") : QStringLiteral(".png")),
                   "PNG");
    pixmap.setDevicePixelRatio(doubled ? 2.0 : 1.0);
    return QIcon(pixmap);
}

bool isHomeNetworkNumber(const QString& piece) {
    for (qsizetype i = 0; i + 2 < piece.size(); ++i) {
        if (piece.at(i) == QLatin1Char('0') && piece.at(i + 1) == QLatin1Char('9') &&
            QStringLiteral("3479").contains(piece.at(i + 2)))
            return true;
    }
    return false;
}
}  // namespace

SendEstimate SendEstimate::of(const QString& recipientsText, const QString& originator) {
    SendEstimate estimate;
    for (const QString& piece : recipientsText.split(QLatin1Char(';'))) {
        if (!piece.isEmpty())
            ++estimate.recipients;
        if (!isHomeNetworkNumber(piece))
            estimate.interconnectionNote = true;
    }
    const bool serviceName =
        originator.isEmpty() || originator == QLatin1String(gw::kServiceOriginator);
    estimate.cost =
        estimate.recipients * (serviceName ? gw::kServicePrice : gw::kOwnOriginatorPrice);
    return estimate;
}

QString SendEstimate::confirmation() const {
    const QString note = interconnectionNote
                             ? QStringLiteral(" (additional interconnection charges may apply) ")
                             : QString();
    return QStringLiteral("You will send sms to ") + QString::number(recipients) +
           QStringLiteral(" recipients.\r\nIt will cost You ") + QString::number(cost) +
           QStringLiteral(" credits ") + note + QStringLiteral(".\r\nDo you wish to continue ?");
}

frmAddIn::frmAddIn(platform::Services services, GatewayLocation location, QWidget* parent)
    : QMainWindow(parent),
      endProgram([] { QCoreApplication::exit(0); }),
      ui(std::make_unique<::Ui::frmAddIn>()),
      services_(services),
      userData_(services.settings),
      profile_(services.settings, services.registry, services.inet, std::move(location)),
      channel_(services.inet, services.dialogs, userData_, *this, this),
      upload_(services.dialogs, services.components, userData_, channel_, *this,
              [this] { return pageAddress(gw::kUploadPage); }) {
    ui->setupUi(this);
    layout::UseDesignFont(this);
    layout::ScaleToScreen(ui->centralwidget);
    setUpPictures();
    connectHandlers();
    ui->sms->setMaxLength(kMessageLimit);
    // The picker may write far more than a line edit's usual 32767 characters.
    ui->rcpt->lineEdit()->setMaxLength(std::numeric_limits<int>::max());
    Form_Load();
}

frmAddIn::~frmAddIn() = default;

void frmAddIn::setUpPictures() {
    const auto themed = [](const char* theme, const char* picture) {
        return QIcon::fromTheme(QLatin1String(theme), ownPicture(picture));
    };
    setWindowIcon(ownPicture("pelicast"));
    ui->newb->setIcon(themed("document-new", "new"));
    ui->sendb->setIcon(themed("mail-send", "send"));
    ui->webb->setIcon(themed("preferences-system-network", "options"));
    ui->uploadb->setIcon(themed("document-send", "upload"));
    ui->abookbut->setIcon(themed("x-office-address-book", "addressbook"));
    ui->helpb->setIcon(themed("help-contents", "help"));
    ui->Image1->setPixmap(ownPicture("gateway").pixmap(ui->Image1->size() - QSize(4, 4)));
    ui->Image2->setPixmap(ownPicture("maker").pixmap(ui->Image2->size() - QSize(4, 4)));
}

void frmAddIn::connectHandlers() {
    connect(ui->newb, &QToolButton::clicked, this, &frmAddIn::newb_Click);
    connect(ui->newmenu, &QAction::triggered, this, &frmAddIn::newb_Click);
    connect(ui->sendb, &QToolButton::clicked, this, &frmAddIn::OKButton_Click);
    connect(ui->sendnow, &QAction::triggered, this, &frmAddIn::OKButton_Click);
    connect(ui->OKButton, &QPushButton::clicked, this, &frmAddIn::OKButton_Click);
    connect(ui->CancelButton, &QPushButton::clicked, this, &frmAddIn::CancelButton_Click);
    connect(ui->Exit, &QAction::triggered, this, &frmAddIn::CancelButton_Click);
    connect(ui->chkcr, &ClickableLabel::clicked, this, &frmAddIn::chkcr_Click);
    connect(ui->crmenu, &QAction::triggered, this, &frmAddIn::chkcr_Click);
    ui->sms->installEventFilter(this);

    connect(ui->opmenu, &QAction::triggered, this, &frmAddIn::opmenu_Click);
    connect(ui->webb, &QToolButton::clicked, this, &frmAddIn::opmenu_Click);
    connect(ui->htopics, &QAction::triggered, this, &frmAddIn::htopics_Click);
    connect(ui->helpb, &QToolButton::clicked, this, &frmAddIn::htopics_Click);
    connect(ui->About, &QAction::triggered, this, &frmAddIn::About_Click);
    connectWebLinks();

    connect(ui->conlookup, &QPushButton::clicked, this, &frmAddIn::conlookup_Click);
    connect(ui->abookbut, &QToolButton::clicked, this, &frmAddIn::conlookup_Click);
    connect(ui->abookmenu, &QAction::triggered, this, &frmAddIn::conlookup_Click);
    connect(ui->sendcontacts, &QAction::triggered, this, &frmAddIn::sendcontacts_Click);
    connect(ui->uploadb, &QToolButton::clicked, this, &frmAddIn::sendcontacts_Click);
}

void frmAddIn::connectWebLinks() {
    const auto open = [this](auto address) {
        return [this, address] { launch_webbrowser(address(WebLinks(profile_.location()))); };
    };
    const auto gatewayHome =
        open([this](const WebLinks& l) { return l.gatewayHome(transport_prefix); });
    const auto makerSite = open([](const WebLinks&) { return WebLinks::makerSite(); });
    connect(ui->Image1, &ClickableLabel::clicked, this, gatewayHome);
    connect(ui->quillomenu, &QAction::triggered, this, gatewayHome);
    connect(ui->Image2, &ClickableLabel::clicked, this, makerSite);
    connect(ui->brackelmenu, &QAction::triggered, this, makerSite);
    connect(ui->account, &QAction::triggered, this,
            open([this](const WebLinks& l) { return l.newAccount(transport_prefix); }));
    connect(ui->mainbuy, &QAction::triggered, this,
            open([this](const WebLinks& l) { return l.buyCredits(transport_prefix); }));
    const std::pair<QAction*, CreditPackage> packages[] = {
        {ui->cr900, CreditPackage::Credits900},
        {ui->cr2500, CreditPackage::Credits2500},
        {ui->cr5500, CreditPackage::Credits5500},
        {ui->cr12000, CreditPackage::Credits12000}};
    for (const auto& [action, package] : packages)
        connect(action, &QAction::triggered, this,
                open([package](const WebLinks&) { return WebLinks::storeBasket(package); }));
}

void frmAddIn::conlookup_Click() {
    clist::open(picker_, services_.dialogs, services_.components, *this, this);
}

void frmAddIn::sendcontacts_Click() {
    upload_.run();
}

QString frmAddIn::usernameText() const {
    return ui->Uname->text();
}
QString frmAddIn::passwordText() const {
    return ui->Pass->text();
}
void frmAddIn::focusUsername() {
    ui->Uname->setFocus();
}
void frmAddIn::focusPassword() {
    ui->Pass->setFocus();
}

void frmAddIn::launch_webbrowser(const QString& address) {
    LaunchWebBrowser(services_.shell, services_.dialogs, this, address);
}

void frmAddIn::opmenu_Click() {
    frmOptions::showOrRaise(services_.settings, services_.dialogs, *this, this);
}

void frmAddIn::htopics_Click() {
    services_.app.SetHelpFile(services_.app.Path() + QStringLiteral("/sms.chm"));
    CHelp(services_.help).Show(services_.app.HelpFile());
}

void frmAddIn::About_Click() {
    frmAbout::showOrRaise(services_, profile_.location(), this);
}

void frmAddIn::Form_Load() {
    services_.app.SetHelpFile(services_.app.Path() + QStringLiteral("/sms.chm"));
    ui->Uname->setText(userData_.getScrambled(userdata::kUsername));
    ui->Pass->setText(userData_.getScrambled(userdata::kPassword));
    ui->Orig->setText(userData_.getScrambled(userdata::kOriginator));
    ui->rcpt->clear();
    for (const char* key : userdata::kRecent)
        ui->rcpt->addItem(userData_.get(key));
    ui->rcpt->setCurrentIndex(-1);
    ui->rcpt->setEditText(QString());
    if (!ui->Pass->text().isEmpty())
        ui->remember->setChecked(true);
    if (ui->Orig->text().isEmpty())
        ui->Orig->setText(QLatin1String(gw::kServiceOriginator));
    const QString credits = userData_.get(userdata::kCredits);
    if (!credits.isEmpty())
        ui->chkcr->setText(QLatin1String(gw::kCreditsMarker) + QStringLiteral(" (last run)") +
                           credits);
    transport_prefix = get_i_settings();
}

QString frmAddIn::get_i_settings() {
    const QString base = profile_.get_i_settings();
    setTranspCaption(base);
    return base;
}

void frmAddIn::setTranspCaption(const QString& caption) {
    if (ui->transp->text() == caption)
        return;
    ui->transp->setText(caption);
    transp_Change();
}

void frmAddIn::transp_Change() {
    transport_prefix = ui->transp->text();
    ui->Image1->setToolTip(QStringLiteral("Click here for ") +
                           WebLinks(profile_.location()).gatewayHome(transport_prefix));
}

void frmAddIn::setStatusText(const QString& text) {
    ui->status->setText(text);
}

void frmAddIn::setMousePointer(int pointer) {
    mousePointer_ = pointer;
    if (pointer == kPointerArrowHourglass)
        setCursor(Qt::BusyCursor);
    else if (pointer == kPointerArrow)
        setCursor(Qt::ArrowCursor);
    else
        unsetCursor();
}

void frmAddIn::setBalanceCaption(const QString& caption) {
    ui->chkcr->setText(caption);
}

QString frmAddIn::recipientsText() const {
    return ui->rcpt->currentText();
}

void frmAddIn::setRecipientsText(const QString& text) {
    ui->rcpt->setEditText(text);
}

bool frmAddIn::eventFilter(QObject* watched, QEvent* event) {
    if (watched == ui->sms && event->type() == QEvent::KeyRelease)
        sms_KeyUp();
    return QMainWindow::eventFilter(watched, event);
}

void frmAddIn::sms_KeyUp() {
    const QString text = ui->sms->text();
    const int lineBreaks = sCount(text, QStringLiteral("\r\n")).toInt();
    ui->sms->setMaxLength(kMessageLimit + lineBreaks);
    ui->counter->setText(QString::number(kMessageLimit + lineBreaks - text.size()) +
                         kCounterSuffix);
}

void frmAddIn::newb_Click() {
    ui->rcpt->setEditText(QString());
    ui->sms->setText(QString());
    ui->rcpt->setFocus();
    ui->counter->setText(QString::number(kMessageLimit) + kCounterSuffix);
}

void frmAddIn::CancelButton_Click() {
    if (ending_)
        return;
    ending_ = true;
    hide();
    endProgram();
}

void frmAddIn::closeEvent(QCloseEvent* event) {
    // Closing from the title bar ends the program as Cancel does.
    CancelButton_Click();
    event->accept();
}

void frmAddIn::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The frame is known only once the window is shown.
    QTimer::singleShot(0, this, &frmAddIn::keepFixedSize);
    keepFixedSize();
}

void frmAddIn::keepFixedSize() {
    const QSize outer(layout::Twips(kWidthTwips), layout::Twips(kHeightTwips));
    const QSize frame = frameGeometry().size() - geometry().size();
    setFixedSize(outer - frame);
}

bool frmAddIn::needsField(bool empty, const QString& message, QWidget* field) {
    if (!empty)
        return false;
    services_.dialogs.MsgBox(this, {message});
    field->setFocus();
    return true;
}

QString frmAddIn::pageAddress(const char* page) const {
    return profile_.location().address(transport_prefix, QLatin1String(page));
}

void frmAddIn::OKButton_Click() {
    if (channel_.refuseIfBusy())
        return;
    const QString user = ui->Uname->text();
    const QString password = ui->Pass->text();
    const QString originator = ui->Orig->text();
    const QString recipients = ui->rcpt->currentText();
    const QString message = ui->sms->text();

    userData_.saveScrambled(userdata::kUsername, user);
    userData_.saveScrambled(userdata::kOriginator, originator);
    userData_.saveScrambled(userdata::kPassword, ui->remember->isChecked() ? password : QString());

    if (needsField(user.isEmpty(), QStringLiteral("Please enter Your Quillo Username"),
                   ui->Uname) ||
        needsField(password.isEmpty(), QStringLiteral("Please enter Password for User ") + user,
                   ui->Pass) ||
        needsField(recipients.isEmpty(),
                   QStringLiteral("Please enter the recipient of You sms message"), ui->rcpt) ||
        needsField(message.isEmpty(), QStringLiteral("Please write Your message"), ui->sms))
        return;

    const SendEstimate estimate = SendEstimate::of(recipients, originator);
    const auto answer = services_.dialogs.MsgBox(
        this, {estimate.confirmation(), Dialogs::Buttons::YesNo, Dialogs::Icon::None,
               QStringLiteral("Send SMS ?"), Dialogs::Answer::Yes});
    if (answer == Dialogs::Answer::Yes) {
        const QString body =
            FormBody()
                .add(QLatin1String(gw::kUser), TrimBlanks(user))
                .add(QLatin1String(gw::kPass), TrimBlanks(password))
                .add(QLatin1String(gw::kSms), TrimBlanks(message))
                .add(QLatin1String(gw::kRcpt),
                     TrimBlanks(recipients)
                         .replace(QLatin1Char(';'), QLatin1String(gw::kListSeparator)))
                .add(QLatin1String(gw::kFrom), TrimBlanks(originator))
                .add(QLatin1String(gw::kAff), QLatin1String(kAffiliate))
                .text();
        channel_.post(pageAddress(gw::kSendPage), body, QStringLiteral("Sending SMS..."));
    }
    rememberRecipients(recipients);
}

void frmAddIn::rememberRecipients(const QString& recipients) {
    QStringList recent;
    for (const char* key : userdata::kRecent)
        recent.append(userData_.get(key));
    if (recent.contains(recipients))
        return;
    for (int i = 3; i > 0; --i)
        userData_.save(userdata::kRecent[i], recent.at(i - 1));
    userData_.save(userdata::kRecent[0], recipients);
}

void frmAddIn::chkcr_Click() {
    if (channel_.refuseIfBusy())
        return;
    if (needsField(ui->Uname->text().isEmpty(), QStringLiteral("Please enter Your Quillo username"),
                   ui->Uname) ||
        needsField(ui->Pass->text().isEmpty(), QStringLiteral("Please enter Your Quillo password"),
                   ui->Pass))
        return;
    const auto answer = services_.dialogs.MsgBox(
        this,
        {QStringLiteral("Receive credit balance from Quillo server ?"), Dialogs::Buttons::YesNo,
         Dialogs::Icon::None, QStringLiteral("Credit check"), Dialogs::Answer::Yes});
    if (answer != Dialogs::Answer::Yes)
        return;
    const QString body = FormBody()
                             .add(QLatin1String(gw::kUser), TrimBlanks(ui->Uname->text()))
                             .add(QLatin1String(gw::kPass), TrimBlanks(ui->Pass->text()))
                             .text();
    channel_.post(pageAddress(gw::kCreditsPage), body, QStringLiteral("Sending request..."));
}

}  // namespace pelicast
