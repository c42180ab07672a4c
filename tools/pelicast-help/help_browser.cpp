#include "help_browser.h"

#include <QDesktopServices>
#include <QStringDecoder>
#include <QTextDocument>

#include "chm_file.h"

namespace pelicast::help {

namespace {

const QString kScheme = QStringLiteral("chm");

QString MissingPage(const QString& path) {
    return QStringLiteral(
               "<html><body><h1>Page not found</h1><p>The page %1 is not in this help "
               "file.</p></body></html>")
        .arg(path.toHtmlEscaped());
}

QString DecodePage(const QByteArray& bytes) {
    QStringDecoder decoder(
        QStringConverter::encodingForHtml(bytes).value_or(QStringConverter::Utf8));
    return decoder.decode(bytes);
}

}  // namespace

HelpBrowser::HelpBrowser(const ChmFile& chm, QWidget* parent) : QTextBrowser(parent), chm_(chm) {
    setObjectName(QStringLiteral("browser"));
    setOpenLinks(false);
    connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::FollowLink);
}

QUrl HelpBrowser::UrlFor(const QString& path) {
    QUrl url;
    url.setScheme(kScheme);
    url.setPath(RootedPath(path));
    return url;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
    if (name.scheme() != kScheme)
        return QTextBrowser::loadResource(type, name);
    const QString path = name.path();
    const std::optional<QByteArray> data = chm_.Read(path);
    if (type == QTextDocument::HtmlResource)
        return data ? DecodePage(*data) : MissingPage(path);
    if (type == QTextDocument::StyleSheetResource && data)
        return QString::fromUtf8(*data);
    return data ? QVariant(*data) : QVariant();
}

void HelpBrowser::FollowLink(const QUrl& url) {
    if (url.scheme() == kScheme)
        setSource(url);
    else
        QDesktopServices::openUrl(url);
}

}  // namespace pelicast::help
