#include "help_window.h"

#include <QAction>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "help_browser.h"

namespace pelicast::help {

namespace {

constexpr int kTopicRole = Qt::UserRole;

QAction* NavigationAction(QToolBar* bar, const QString& name, const QString& text,
                          QStyle::StandardPixmap icon, const QKeySequence& key) {
    QAction* action = bar->addAction(bar->style()->standardIcon(icon), text);
    action->setObjectName(name);
    action->setShortcut(key);
    return action;
}

bool SamePage(const QUrl& a, const QUrl& b) {
    return a.path().compare(b.path(), Qt::CaseInsensitive) == 0;
}

}  // namespace

HelpWindow::HelpWindow(std::unique_ptr<ChmFile> chm, QWidget* parent)
    : QMainWindow(parent), chm_(std::move(chm)) {
    setObjectName(QStringLiteral("helpWindow"));
    const QString title = chm_->Title();
    setWindowTitle(title.isEmpty() ? QFileInfo(chm_->FilePath()).completeBaseName() : title);

    browser_ = new HelpBrowser(*chm_, this);
    contents_ = new QTreeWidget;
    contents_->setObjectName(QStringLiteral("contents"));
    contents_->setHeaderHidden(true);
    index_ = new QListWidget;
    index_->setObjectName(QStringLiteral("index"));
    indexFilter_ = new QLineEdit;
    indexFilter_->setObjectName(QStringLiteral("indexFilter"));
    indexFilter_->setPlaceholderText(tr("Type a keyword"));
    indexFilter_->setClearButtonEnabled(true);

    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(0, 0, 0, 0);
    indexLayout->addWidget(indexFilter_);
    indexLayout->addWidget(index_);

    auto* tabs = new QTabWidget;
    tabs->setObjectName(QStringLiteral("navigation"));
    tabs->addTab(contents_, tr("&Contents"));
    tabs->addTab(indexPage, tr("I&ndex"));

    auto* splitter = new QSplitter;
    splitter->addWidget(tabs);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({280, 620});
    setCentralWidget(splitter);

    QToolBar* bar = addToolBar(tr("Navigation"));
    bar->setObjectName(QStringLiteral("navigationBar"));
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back_ = NavigationAction(bar, QStringLiteral("back"), tr("&Back"), QStyle::SP_ArrowBack,
                             QKeySequence::Back);
    forward_ = NavigationAction(bar, QStringLiteral("forward"), tr("&Forward"),
                                QStyle::SP_ArrowForward, QKeySequence::Forward);
    home_ = NavigationAction(bar, QStringLiteral("home"), tr("&Home"), QStyle::SP_DirHomeIcon,
                             QKeySequence(Qt::ALT | Qt::Key_Home));
    back_->setEnabled(false);
    forward_->setEnabled(false);

    connect(back_, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward_, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(home_, &QAction::triggered, this, &HelpWindow::ShowDefaultTopic);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::MarkCurrentTopic);
    connect(contents_, &QTreeWidget::itemClicked, this, &HelpWindow::ShowItemTopic);
    connect(contents_, &QTreeWidget::itemActivated, this, &HelpWindow::ShowItemTopic);
    connect(index_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { browser_->setSource(item->data(kTopicRole).toUrl()); });
    connect(index_, &QListWidget::itemClicked, index_, &QListWidget::itemActivated);
    connect(indexFilter_, &QLineEdit::textChanged, this, &HelpWindow::FilterIndex);

    BuildContents();
    BuildIndex();
    resize(900, 640);
}

HelpWindow::~HelpWindow() = default;

void HelpWindow::ShowDefaultTopic() {
    browser_->setSource(DefaultTopicUrl());
}

bool HelpWindow::ShowContext(quint32 context) {
    const std::optional<QString> topic = chm_->TopicForContext(context);
    browser_->setSource(topic ? HelpBrowser::UrlFor(*topic) : DefaultTopicUrl());
    return topic.has_value();
}

QUrl HelpWindow::DefaultTopicUrl() const {
    if (!chm_->DefaultTopic().isEmpty())
        return HelpBrowser::UrlFor(chm_->DefaultTopic());
    // A file without a default topic opens at its first page of contents.
    for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
        const QUrl url = (*it)->data(0, kTopicRole).toUrl();
        if (!url.isEmpty())
            return url;
    }
    return HelpBrowser::UrlFor(QStringLiteral("/index.htm"));
}

void HelpWindow::BuildContents() {
    const auto sitemap = chm_->Read(chm_->ContentsFile());
    if (sitemap)
        AddContents(ParseSitemap(*sitemap), nullptr);
}

void HelpWindow::AddContents(const QList<SitemapEntry>& entries, QTreeWidgetItem* parent) {
    for (const SitemapEntry& entry : entries) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(contents_);
        item->setText(0, entry.name);
        if (!entry.local.isEmpty())
            item->setData(0, kTopicRole, HelpBrowser::UrlFor(entry.local));
        AddContents(entry.children, item);
    }
    if (!parent)
        contents_->expandToDepth(0);
}

void HelpWindow::BuildIndex() {
    const auto sitemap = chm_->Read(chm_->IndexFile());
    if (sitemap)
        AddIndex(ParseSitemap(*sitemap), 0);
}

void HelpWindow::AddIndex(const QList<SitemapEntry>& entries, int depth) {
    for (const SitemapEntry& entry : entries) {
        if (!entry.local.isEmpty()) {
            auto* item = new QListWidgetItem(QString(depth * 4, QLatin1Char(' ')) + entry.name);
            item->setData(kTopicRole, HelpBrowser::UrlFor(entry.local));
            index_->addItem(item);
        }
        AddIndex(entry.children, depth + 1);
    }
}

// Shows the keywords that contain the text typed and selects the first one
// that starts with it.
void HelpWindow::FilterIndex(const QString& text) {
    const QString wanted = text.trimmed();
    QListWidgetItem* first = nullptr;
    QListWidgetItem* best = nullptr;
    for (int row = 0; row < index_->count(); ++row) {
        QListWidgetItem* item = index_->item(row);
        const bool shown = item->text().contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (!shown)
            continue;
        if (!first)
            first = item;
        if (!best && item->text().trimmed().startsWith(wanted, Qt::CaseInsensitive))
            best = item;
    }
    if (first)
        index_->setCurrentItem(best ? best : first);
}

void HelpWindow::ShowItemTopic(QTreeWidgetItem* item) {
    const QUrl url = item->data(0, kTopicRole).toUrl();
    if (!url.isEmpty() && !SamePage(url, browser_->source()))
        browser_->setSource(url);
}

// Keeps the contents tree pointing at the page shown, however it was reached.
void HelpWindow::MarkCurrentTopic(const QUrl& url) {
    for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
        if (SamePage((*it)->data(0, kTopicRole).toUrl(), url)) {
            const QSignalBlocker blocker(contents_);
            contents_->setCurrentItem(*it);
            return;
        }
    }
}

std::unique_ptr<HelpWindow> OpenHelpWindow(const ViewerRequest& request, QString* error) {
    std::unique_ptr<ChmFile> chm = ChmFile::Open(request.file, error);
    if (!chm)
        return nullptr;
    auto window = std::make_unique<HelpWindow>(std::move(chm));
    if (request.context)
        window->ShowContext(*request.context);
    else
        window->ShowDefaultTopic();
    return window;
}

}  // namespace pelicast::help
