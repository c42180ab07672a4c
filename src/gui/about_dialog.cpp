// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/about_dialog.h"

#include <QGuiApplication>
#include <QUrl>

#include "gui/pictures.h"
#include "gui/system_info_dialog.h"
#include "gui/web_page.h"
#include "ui_about_dialog.h"

using namespace Qt::StringLiterals;

namespace pelicast {

AboutDialog::AboutDialog(GatewayLocation location, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::AboutDialog>()), location_(std::move(location)) {
    ui_->setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    const QString title = QGuiApplication::applicationDisplayName();
    setWindowTitle(tr("About %1").arg(title));
    ui_->lblTitle->setText(title);
    ui_->lblVersion->setText(tr("Version %1").arg(QCoreApplication::applicationVersion()));
    QFont titleFont = ui_->lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    ui_->lblTitle->setFont(titleFont);
    ui_->picIcon->setIcon(pictureIcon("pelicast"));
    ui_->Image1->setIcon(pictureIcon("maker"));
    const QString project = QStringLiteral(PELICAST_HOMEPAGE);
    ui_->lblProject->setText(
        tr("Project page: %1").arg(u"<a href=\"%1\">%1</a>"_s.arg(project.toHtmlEscaped())));
    connect(ui_->lblProject, &QLabel::linkActivated, this,
            [this](const QString& link) { openWebPage(this, QUrl(link)); });

    connect(ui_->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->cmdSysInfo, &QPushButton::clicked, this, &AboutDialog::showSystemInformation);
    connect(ui_->Image1, &QToolButton::clicked, this,
            [this] { openWebPage(this, weblinks::makerSite()); });
    connect(ui_->picIcon, &QToolButton::clicked, this,
            [this] { openWebPage(this, weblinks::secureGatewayHome(location_)); });
}

AboutDialog::~AboutDialog() = default;

void AboutDialog::showSystemInformation() {
    auto* dialog = new SystemInfoDialog(location_, this);
    dialog->show();
}

}  // namespace pelicast
