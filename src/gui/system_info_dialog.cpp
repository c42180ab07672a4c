// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/system_info_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QSysInfo>
#include <QVBoxLayout>

#include "core/book/address_book.h"
#include "core/journal/journal.h"
#include "core/message/recipient_check.h"
#include "core/settings/keyring.h"
#include "core/settings/settings.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

QString orUnknown(const QString& text) {
    return text.isEmpty() ? SystemInfoDialog::tr("unknown") : text;
}

QString path(const QString& file) {
    return QDir::toNativeSeparators(file);
}

}  // namespace

QString systemReport(const GatewayLocation& gateway) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QString gatewayLine =
        gateway.isTest() ? SystemInfoDialog::tr("%1 (test gateway)").arg(gateway.testAddress)
                         : SystemInfoDialog::tr("%1 or %2 (built in)")
                               .arg(weblinks::gatewayHome(gateway, gateway.httpsBase).toString(),
                                    weblinks::gatewayHome(gateway, gateway.httpBase).toString());
    const QStringList lines = {
        SystemInfoDialog::tr("Pelicast %1").arg(QCoreApplication::applicationVersion()),
        SystemInfoDialog::tr("Qt: %1 (built with %2), platform %3, style %4, scale %5")
            .arg(QString::fromLatin1(qVersion()), QLibraryInfo::version().toString(),
                 QGuiApplication::platformName(),
                 QApplication::style() ? QApplication::style()->name() : QString())
            .arg(screen ? screen->devicePixelRatio() : 1.0),
        SystemInfoDialog::tr("libphonenumber: %1").arg(orUnknown(phoneNumberLibraryVersion())),
        SystemInfoDialog::tr("System: %1, kernel %2 %3, %4")
            .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(),
                 QSysInfo::currentCpuArchitecture()),
        SystemInfoDialog::tr("Desktop: %1, session %2")
            .arg(orUnknown(qEnvironmentVariable("XDG_CURRENT_DESKTOP")),
                 orUnknown(qEnvironmentVariable("XDG_SESSION_TYPE"))),
        SystemInfoDialog::tr("Settings: %1").arg(path(Settings::fileName())),
        SystemInfoDialog::tr("Address book: %1").arg(path(AddressBook::defaultPath())),
        SystemInfoDialog::tr("Journal: %1").arg(path(Journal::defaultPath())),
        SystemInfoDialog::tr("Keyring: %1").arg(Keyring::describe()),
        SystemInfoDialog::tr("Gateway: %1").arg(gatewayLine),
    };
    return lines.join(u'\n') + u'\n';
}

SystemInfoDialog::SystemInfoDialog(const GatewayLocation& gateway, QWidget* parent)
    : QDialog(parent) {
    setObjectName(u"systemInfo"_s);
    setWindowTitle(tr("System Information"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* text = new QPlainTextEdit(systemReport(gateway));
    text->setObjectName(u"report"_s);
    text->setReadOnly(true);
    text->setLineWrapMode(QPlainTextEdit::NoWrap);
    text->setAccessibleName(tr("System information"));
    const QFontMetrics metrics = text->fontMetrics();
    text->setMinimumSize(metrics.averageCharWidth() * 72, metrics.lineSpacing() * 12);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* copy = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    copy->setObjectName(u"copy"_s);
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    connect(copy, &QPushButton::clicked, this,
            [text] { QGuiApplication::clipboard()->setText(text->toPlainText()); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
}

}  // namespace pelicast
