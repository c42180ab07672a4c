// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/about_dialog.h"

#include <QGuiApplication>
#include <QProcess>
#include <QStandardPaths>

#include "gui/message_box.h"
#include "gui/pictures.h"
#include "gui/web_page.h"
#include "ui_about_dialog.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// The system-information programs of the common desktops, the most detailed
// first.
constexpr const char* kSystemInformationPrograms[] = {"kinfocenter",          "hardinfo",
                                                      "gnome-system-monitor", "mate-system-monitor",
                                                      "xfce4-taskmanager",    "lxtask"};

}  // namespace

AboutDialog::AboutDialog(GatewayLocation location, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::AboutDialog>()), location_(std::move(location)) {
    ui_->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    const QString title = QGuiApplication::applicationDisplayName();
    setWindowTitle(u"About "_s + title);
    ui_->lblTitle->setText(title);
    ui_->lblVersion->setText(u"Version "_s + QCoreApplication::applicationVersion());
    QFont titleFont = ui_->lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    ui_->lblTitle->setFont(titleFont);
    ui_->picIcon->setIcon(pictureIcon("pelicast"));
    ui_->Image1->setIcon(pictureIcon("maker"));

    connect(ui_->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->cmdSysInfo, &QPushButton::clicked, this, &AboutDialog::startSystemInformation);
    connect(ui_->Image1, &QToolButton::clicked, this,
            [this] { openWebPage(this, weblinks::makerSite()); });
    connect(ui_->picIcon, &QToolButton::clicked, this,
            [this] { openWebPage(this, weblinks::secureGatewayHome(location_)); });
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::startSystemInformation() {
    for (const char* name : kSystemInformationPrograms) {
        const QString program = QStandardPaths::findExecutable(QLatin1String(name));
        if (!program.isEmpty() && QProcess::startDetached(program, {}))
            return;
    }
    MessageBox::tell(this, u"System Information Is Unavailable At This Time"_s);
}

}  // namespace pelicast
