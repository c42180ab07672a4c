#include "support/frmabout.h"

#include <QPointer>

#include "platform/application_object.h"
#include "platform/dialogs.h"
#include "platform/layout.h"
#include "platform/shell.h"
#include "support/system_info.h"
#include "support/web_browser.h"
#include "support/web_links.h"
#include "ui_frmabout.h"

// The pictures live in this static library; nothing else would pull them in.
static void initSupportImages() {
    Q_INIT_RESOURCE(support_images);
}

namespace pelicast {

frmAbout::frmAbout(const platform::Services& services, GatewayLocation gateway, QWidget* parent)
    : QWidget(parent),
      ui_(std::make_unique<Ui::frmAbout>()),
      app_(services.app),
      registry_(services.registry),
      shell_(services.shell),
      dialogs_(services.dialogs),
      gateway_(std::move(gateway)) {
    initSupportImages();
    ui_->setupUi(this);
    layout::UseDesignFont(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_DeleteOnClose);

    connect(ui_->cmdOK, &QPushButton::clicked, this, &QWidget::close);
    connect(ui_->cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
    connect(ui_->Image1, &QToolButton::clicked, this,
            [this] { launch_webbrowser(WebLinks::makerSite()); });
    connect(ui_->picIcon, &QToolButton::clicked, this,
            [this] { launch_webbrowser(WebLinks(gateway_).secureGatewayHome()); });

    Form_Load();
}

frmAbout::~frmAbout() = default;

frmAbout* frmAbout::showOrRaise(const platform::Services& services, const GatewayLocation& gateway,
                                QWidget* parent) {
    static QPointer<frmAbout> open;
    if (!open)
        open = new frmAbout(services, gateway, parent);
    open->show();
    open->raise();
    open->activateWindow();
    return open;
}

void frmAbout::Form_Load() {
    setWindowTitle(QStringLiteral("About ") + app_.Title());
    ui_->lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                                 .arg(app_.Major())
                                 .arg(app_.Minor())
                                 .arg(app_.Revision()));
    ui_->lblTitle->setText(app_.Title());
}

void frmAbout::StartSysInfo() {
    const QString program = SystemInformationProgram(registry_, shell_);
    if (!program.isEmpty() && shell_.StartProgram(program))
        return;
    platform::Dialogs::Message message;
    message.text = QStringLiteral("System Information Is Unavailable At This Time");
    dialogs_.MsgBox(this, message);
}

void frmAbout::launch_webbrowser(const QString& address) {
    LaunchWebBrowser(shell_, dialogs_, this, address);
}

}  // namespace pelicast
