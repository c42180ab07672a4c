// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/web_page.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include "gui/message_box.h"

using namespace Qt::StringLiterals;

namespace pelicast {

namespace {

// This file's texts, under one context for the translators.
struct WebPageText {
    Q_DECLARE_TR_FUNCTIONS(WebPage)
};

// Long enough for xdg-mime to ask the desktop, short for a click.
constexpr int kQueryMs = 3000;

// No program opens web links: xdg-open, which links are handed to, is
// missing, or the desktop names no program for the link's scheme (and
// $BROWSER, xdg-open's last resort, names none either). Without xdg-mime
// to ask, or when it does not answer, the desktop is trusted to find one.
bool browserMissing(const QUrl& url) {
    if (QStandardPaths::findExecutable(u"xdg-open"_s).isEmpty())
        return true;
    const QString query = QStandardPaths::findExecutable(u"xdg-mime"_s);
    if (query.isEmpty() || !qEnvironmentVariableIsEmpty("BROWSER"))
        return false;
    QProcess process;
    process.start(query, {u"query"_s, u"default"_s, u"x-scheme-handler/"_s + url.scheme()});
    if (!process.waitForFinished(kQueryMs)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit &&
           process.readAllStandardOutput().trimmed().isEmpty();
}

}  // namespace

void openWebPage(QWidget* parent, const QUrl& url) {
    if (browserMissing(url))
        MessageBox::tell(parent, WebPageText::tr("Could not find associated Browser"),
                         WebPageText::tr("Browser Not Found"), MessageBox::Icon::Warning);
    else if (!QDesktopServices::openUrl(url))
        MessageBox::tell(parent, WebPageText::tr("Web Page not Opened"),
                         WebPageText::tr("URL Failed"), MessageBox::Icon::Warning);
}

}  // namespace pelicast
