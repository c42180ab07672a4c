// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextBrowser>

class QHelpEngineCore;

namespace pelicast::help {

// Shows the pages of the help collection. Pages, style sheets and pictures
// come from the help engine through qthelp: addresses; web and mail links
// open in the desktop's programs, any other link is ignored.
class HelpBrowser : public QTextBrowser {
    Q_OBJECT

public:
    explicit HelpBrowser(const QHelpEngineCore& engine, QWidget* parent = nullptr);

    QVariant loadResource(int type, const QUrl& name) override;

private:
    void followLink(const QUrl& url);

    const QHelpEngineCore& engine_;
};

}  // namespace pelicast::help
