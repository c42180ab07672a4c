// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>
#include <memory>

class QHelpEngine;
class QUrl;

namespace pelicast::help {

class HelpBrowser;

// The help window: contents, index and search beside the page, with back,
// forward and home. It owns the help engine it shows.
class HelpWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit HelpWindow(std::unique_ptr<QHelpEngine> engine, QWidget* parent = nullptr);
    ~HelpWindow() override;

    // Shows the page named `topic` ("options.htm"); an empty or unknown
    // topic shows the start page and returns false for an unknown one.
    bool showTopic(const QString& topic);
    void showStartPage();

    // What a later viewer, started for `topic`, hands over to the open one.
    static QString topicRequest(const QString& topic);
    // Shows the topic of a request handed over and comes to the front.
    void showRequest(const QString& request);

    HelpBrowser* browser() const { return browser_; }

private:
    QWidget* createIndexPage();
    QWidget* createSearchPage();
    void addNavigation();
    void openPage(const QUrl& url);
    void openContentsPage(const QUrl& url);
    void markCurrentTopic(const QUrl& url);

    std::unique_ptr<QHelpEngine> engine_;
    HelpBrowser* browser_;
};

}  // namespace pelicast::help
