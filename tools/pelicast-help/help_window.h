#pragma once

#include <QMainWindow>
#include <memory>

#include "chm_file.h"
#include "sitemap.h"
#include "viewer_arguments.h"

class QAction;
class QLineEdit;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace pelicast::help {

class HelpBrowser;

// The help window: the contents tree and the index beside the page, with
// back, forward and home. It owns the help file it shows.
class HelpWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit HelpWindow(std::unique_ptr<ChmFile> chm, QWidget* parent = nullptr);
    ~HelpWindow() override;

    void ShowDefaultTopic();
    // Shows the topic mapped to `context`; an unknown number shows the default
    // topic and returns false.
    bool ShowContext(quint32 context);

    const ChmFile& Chm() const { return *chm_; }
    HelpBrowser* Browser() const { return browser_; }
    QTreeWidget* Contents() const { return contents_; }
    QListWidget* Index() const { return index_; }

private:
    void BuildContents();
    void BuildIndex();
    void AddContents(const QList<SitemapEntry>& entries, QTreeWidgetItem* parent);
    void AddIndex(const QList<SitemapEntry>& entries, int depth);
    void FilterIndex(const QString& text);
    void ShowItemTopic(QTreeWidgetItem* item);
    void MarkCurrentTopic(const QUrl& url);
    QUrl DefaultTopicUrl() const;

    std::unique_ptr<ChmFile> chm_;
    HelpBrowser* browser_;
    QTreeWidget* contents_;
    QListWidget* index_;
    QLineEdit* indexFilter_;
    QAction* back_;
    QAction* forward_;
    QAction* home_;
};

// Opens the help file of `request` in a new window at the page it asks for;
// null, with the message to show in `error`, when the file cannot be shown.
std::unique_ptr<HelpWindow> OpenHelpWindow(const ViewerRequest& request, QString* error);

}  // namespace pelicast::help
