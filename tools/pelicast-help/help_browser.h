#pragma once

#include <QTextBrowser>

namespace pelicast::help {

class ChmFile;

// Shows the pages of a help file. Pages, style sheets and pictures are read
// from the file itself through "chm:" addresses; links elsewhere open in the
// desktop's browser.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpBrowser(const ChmFile& chm, QWidget* parent = nullptr);

    // The address of a topic given by its path inside the help file.
    static QUrl UrlFor(const QString& path);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    void FollowLink(const QUrl& url);

    const ChmFile& chm_;
};

}  // namespace pelicast::help
