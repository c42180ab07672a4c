#include "app/program.h"

#include <QApplication>
#include <QSslCertificate>
#include <QTimer>

#include "app/frmaddin.h"
#include "connection/gateway_location.h"
#include "platform/component_factory.h"
#include "platform/desktop_shell.h"
#include "platform/help_viewer_service.h"
#include "platform/network_transfer.h"
#include "platform/qsettings_store.h"
#include "platform/qt_application_object.h"
#include "platform/qt_dialogs.h"
#include "platform/system_proxy_registry.h"

namespace pelicast {

namespace {
// The local build also trusts the gateway stand-in's own authority.
QList<QSslCertificate> extraAuthorities() {
#ifdef PELICAST_EXTRA_CA
    return QSslCertificate::fromPath(QStringLiteral(PELICAST_EXTRA_CA));
#else
    return {};
#endif
}
}  // namespace

int RunProgram(int argc, char* argv[], const std::function<void(QWidget*)>& onShown) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelicast"));
    QApplication::setApplicationVersion(QStringLiteral("0.8.4"));
    QApplication::setDesktopFileName(QStringLiteral("pelicast"));

    const GatewayLocation location = GatewayLocation::builtIn();
    platform::QtApplicationObject app;
    platform::QSettingsStore settings;
    platform::SystemProxyRegistry registry(QUrl(location.address(location.httpBase, {})),
                                           QUrl(location.address(location.httpsBase, {})));
    platform::NetworkTransfer inet(extraAuthorities());
    platform::QtDialogs dialogs(app.Title());
    platform::DesktopShell shell;
    platform::HelpViewerService help(dialogs);
    platform::DefaultComponentFactory components;

    frmAddIn window({settings, registry, inet, dialogs, app, shell, help, components}, location);
    window.show();
    if (onShown)
        QTimer::singleShot(0, &window, [&] { onShown(&window); });
    return QApplication::exec();
}

}  // namespace pelicast
