// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_browser.h"

#include <QDesktopServices>
#include <QHelpEngineCore>
#include <QStringDecoder>
#include <QTextDocument>

using namespace Qt::StringLiterals;

namespace pelicast::help {

namespace {

QString missingPage(const QUrl& url) {
    return HelpBrowser::tr(
               "<html><body><h1>Page not found</h1><p>The page %1 is not in this help "
               "file.</p></body></html>")
        .arg(url.fileName().toHtmlEscaped());
}

QString decodePage(const QByteArray& bytes) {
    QStringDecoder decoder(
        QStringConverter::encodingForHtml(bytes).value_or(QStringConverter::Utf8));
    return decoder.decode(bytes);
}

}  // namespace

HelpBrowser::HelpBrowser(const QHelpEngineCore& engine, QWidget* parent)
    : QTextBrowser(parent), engine_(engine) {
    setObjectName(u"browser"_s);
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::followLink);
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() != u"qthelp")
        return {};
    const QByteArray data = engine_.fileData(name);
    if (type == QTextDocument::HtmlResource)
        return data.isEmpty() ? missingPage(name) : decodePage(data);
    if (type == QTextDocument::StyleSheetResource)
        return QString::fromUtf8(data);
    return data;
}

void HelpBrowser::followLink(const QUrl& url) {
    const QString scheme = url.scheme();
    if (scheme == u"qthelp")
        setSource(url);
    else if (scheme == u"http" || scheme == u"https" || scheme == u"mailto")
        QDesktopServices::openUrl(url);
}

}  // namespace pelicast::help
