#include "connection/frmoptions.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

#include "connection/profile_host.h"
#include "platform/dialogs.h"
#include "platform/layout.h"
#include "ui_frmoptions.h"

namespace pelicast {

namespace {

using settings::kProxy;
using settings::kProxyPort;
using settings::kProxyServer;
using settings::kTransport;

enum HttpIndex { kHttps = 0, kHttp = 1 };
enum ProxyIndex { kNoProxy = 0, kSystemProxy = 1, kCustomProxy = 2 };

}  // namespace

frmOptions::frmOptions(platform::SettingsStore& settings, platform::Dialogs& dialogs,
                       ProfileHost& host, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::frmOptions>()),
      settings_(settings),
      dialogs_(dialogs),
      host_(host) {
    ui_->setupUi(this);
    layout::UseDesignFont(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_DeleteOnClose);
    for (QWidget* sample : {ui_->picOptions_1, ui_->picOptions_2, ui_->picOptions_3})
        sample->hide();

    http_.addButton(ui_->http_0, kHttps);
    http_.addButton(ui_->http_1, kHttp);
    proxybut_.addButton(ui_->proxybut_0, kNoProxy);
    proxybut_.addButton(ui_->proxybut_1, kSystemProxy);
    proxybut_.addButton(ui_->proxybut_2, kCustomProxy);
    connect(&proxybut_, &QButtonGroup::idClicked, this, &frmOptions::proxybut_Click);
    connect(ui_->cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(ui_->cmdApply, &QPushButton::clicked, this, &frmOptions::cmdApply_Click);
    connect(ui_->cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);

    Form_Load();
}

frmOptions::~frmOptions() = default;

frmOptions* frmOptions::showOrRaise(platform::SettingsStore& settings, platform::Dialogs& dialogs,
                                    ProfileHost& host, QWidget* parent) {
    static QPointer<frmOptions> open;
    if (!open)
        open = new frmOptions(settings, dialogs, host, parent);
    open->show();
    open->raise();
    open->activateWindow();
    return open;
}

void frmOptions::Form_Load() {
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

bool frmOptions::event(QEvent* e) {
    if (e->type() == QEvent::WindowDeactivate) {
        leftForMessage_ = inMessage_;
    } else if (e->type() == QEvent::WindowActivate) {
        if (leftForMessage_)
            leftForMessage_ = false;
        else
            Form_Activate();
    }
    return QWidget::event(e);
}

// Not every window system activates a window as it appears; the stored
// choices must show all the same.
void frmOptions::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!isActiveWindow())
        Form_Activate();
}

void frmOptions::Form_Activate() {
    http_.button(settings_.get(kTransport) == QLatin1String("http") ? kHttp : kHttps)
        ->setChecked(true);

    const QString proxy = settings_.get(kProxy);
    if (proxy == QLatin1String("0")) {
        ui_->proxybut_0->setChecked(true);
        enableProxyBoxes(false);
    } else if (proxy == QLatin1String("1")) {
        ui_->proxybut_1->setChecked(true);
        enableProxyBoxes(false);
    } else {
        ui_->proxybut_2->setChecked(true);
        enableProxyBoxes(true);
    }
    ui_->proxysrv->setText(settings_.get(kProxyServer));
    ui_->proxyport->setText(settings_.get(kProxyPort));
}

void frmOptions::proxybut_Click(int Index) {
    enableProxyBoxes(Index == kCustomProxy);
}

bool frmOptions::apply_options() {
    bool result = true;
    settings_.save(kTransport,
                   ui_->http_0->isChecked() ? QStringLiteral("https") : QStringLiteral("http"));

    const QString address = ui_->proxysrv->text();
    const QString port = ui_->proxyport->text();
    if (ui_->proxybut_2->isChecked()) {
        if (!address.isEmpty() && !port.isEmpty()) {
            settings_.save(kProxy, QStringLiteral("2"));
            settings_.save(kProxyServer, address);
            settings_.save(kProxyPort, port);
        } else {
            result = false;
            inMessage_ = true;
            platform::Dialogs::Message message;
            message.text = QStringLiteral("Please enter proxy address and port");
            dialogs_.MsgBox(this, message);
            inMessage_ = false;
            (address.isEmpty() ? ui_->proxysrv : ui_->proxyport)->setFocus();
        }
    } else if (ui_->proxybut_1->isChecked()) {
        settings_.save(kProxy, QStringLiteral("1"));
    } else if (ui_->proxybut_0->isChecked()) {
        settings_.save(kProxy, QStringLiteral("0"));
    }

    host_.setTranspCaption(host_.get_i_settings());
    return result;
}

void frmOptions::cmdOK_Click() {
    if (apply_options())
        close();
}

void frmOptions::cmdApply_Click() {
    apply_options();
}

void frmOptions::cmdCancel_Click() {
    close();
}

void frmOptions::enableProxyBoxes(bool enabled) {
    ui_->proxysrv->setEnabled(enabled);
    ui_->proxyport->setEnabled(enabled);
}

}  // namespace pelicast
