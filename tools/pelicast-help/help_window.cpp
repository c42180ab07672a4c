// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_window.h"

#include <QAction>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QLineEdit>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>

#include "core/settings/settings.h"
#include "gui/instance_channel.h"
#include "gui/window_geometry.h"
#include "help_browser.h"

using namespace Qt::StringLiterals;

namespace pelicast::help {

namespace {

// Every page of the help project lies in its html/ folder.
QUrl pageUrl(const QHelpEngine& engine, const QString& page) {
    const QString space = engine.registeredDocumentations().value(0);
    return QUrl(u"qthelp://%1/help/html/%2"_s.arg(space, page));
}

QWidget* pageOf(QWidget* first, QWidget* second) {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(first);
    layout->addWidget(second, 1);
    return page;
}

}  // namespace

HelpWindow::HelpWindow(std::unique_ptr<QHelpEngine> engine, QWidget* parent)
    : QMainWindow(parent), engine_(std::move(engine)) {
    setObjectName(u"helpWindow"_s);
    setWindowTitle(tr("Pelicast Help"));
    browser_ = new HelpBrowser(*engine_, this);

    QHelpContentWidget* contents = engine_->contentWidget();
    contents->setObjectName(u"contents"_s);
    contents->setHeaderHidden(true);
    // One click opens a page, as in the index; activation (Enter) does too.
    connect(contents, &QHelpContentWidget::linkActivated, this, &HelpWindow::openContentsPage);
    connect(contents, &QTreeView::clicked, this, [this](const QModelIndex& index) {
        if (const QHelpContentItem* item = engine_->contentModel()->contentItemAt(index))
            openContentsPage(item->url());
    });
    connect(engine_->contentModel(), &QHelpContentModel::contentsCreated, this, [this, contents] {
        contents->expandToDepth(0);
        markCurrentTopic(browser_->source());
    });

    auto* tabs = new QTabWidget;
    tabs->setObjectName(u"navigation"_s);
    tabs->addTab(contents, tr("&Contents"));
    tabs->addTab(createIndexPage(), tr("I&ndex"));
    tabs->addTab(createSearchPage(), tr("&Search"));

    auto* splitter = new QSplitter;
    splitter->addWidget(tabs);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({280, 620});
    setCentralWidget(splitter);
    addNavigation();
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::markCurrentTopic);
    pelicast::WindowGeometry::keep(this, pelicast::keys::windows::kHelp, QSize(900, 640));
}

// The engine's widgets refer to its models: they go first.
HelpWindow::~HelpWindow() {
    delete takeCentralWidget();
}

QWidget* HelpWindow::createIndexPage() {
    QHelpIndexWidget* index = engine_->indexWidget();
    index->setObjectName(u"index"_s);
    auto* filter = new QLineEdit;
    filter->setObjectName(u"indexFilter"_s);
    filter->setPlaceholderText(tr("Type a keyword"));
    filter->setClearButtonEnabled(true);
    connect(filter, &QLineEdit::textChanged, index,
            [index](const QString& text) { index->filterIndices(text.trimmed()); });
    connect(filter, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QListView::clicked, index, &QHelpIndexWidget::activateCurrentItem);
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink& document) { openPage(document.url); });
    // A keyword of several pages opens the first; the contents show the rest.
    connect(index, &QHelpIndexWidget::documentsActivated, this,
            [this](const QList<QHelpLink>& documents) {
                if (!documents.isEmpty())
                    openPage(documents.first().url);
            });
    return pageOf(filter, index);
}

QWidget* HelpWindow::createSearchPage() {
    QHelpSearchEngine* search = engine_->searchEngine();
    QHelpSearchQueryWidget* query = search->queryWidget();
    query->setObjectName(u"searchQuery"_s);
    QHelpSearchResultWidget* results = search->resultWidget();
    results->setObjectName(u"searchResults"_s);
    connect(query, &QHelpSearchQueryWidget::search, search,
            [search, query] { search->search(query->searchInput()); });
    connect(results, &QHelpSearchResultWidget::requestShowLink, this, &HelpWindow::openPage);
    // Indexing runs in the background; a search before it ends finds less.
    search->reindexDocumentation();
    return pageOf(query, results);
}

void HelpWindow::addNavigation() {
    QToolBar* bar = addToolBar(tr("Navigation"));
    bar->setObjectName(u"navigationBar"_s);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const auto add = [bar](const QString& name, const QString& text, QStyle::StandardPixmap icon,
                           const QKeySequence& key) {
        QAction* action = bar->addAction(bar->style()->standardIcon(icon), text);
        action->setObjectName(name);
        action->setShortcut(key);
        return action;
    };
    QAction* back = add(u"back"_s, tr("&Back"), QStyle::SP_ArrowBack, QKeySequence::Back);
    QAction* forward =
        add(u"forward"_s, tr("&Forward"), QStyle::SP_ArrowForward, QKeySequence::Forward);
    QAction* home =
        add(u"home"_s, tr("&Home"), QStyle::SP_DirHomeIcon, QKeySequence(Qt::ALT | Qt::Key_Home));
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(back, &QAction::triggered, browser_, &QTextBrowser::backward);
    connect(forward, &QAction::triggered, browser_, &QTextBrowser::forward);
    connect(home, &QAction::triggered, this, &HelpWindow::showStartPage);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
}

bool HelpWindow::showTopic(const QString& topic) {
    // A topic is a page's file name: one with a folder in it is none.
    const bool named = !topic.isEmpty() && !topic.contains(u'/');
    const QUrl url = pageUrl(*engine_, topic);
    if (!named || engine_->fileData(url).isEmpty()) {
        showStartPage();
        return topic.isEmpty();
    }
    openPage(url);
    return true;
}

QString HelpWindow::topicRequest(const QString& topic) {
    return u"topic "_s + topic;
}

void HelpWindow::showRequest(const QString& request) {
    const QString prefix = topicRequest({});
    if (!request.startsWith(prefix))
        return;
    showTopic(request.mid(prefix.size()));
    pelicast::InstanceChannel::bringToFront(this);
}

void HelpWindow::showStartPage() {
    openPage(pageUrl(*engine_, u"index.htm"_s));
}

void HelpWindow::openPage(const QUrl& url) {
    browser_->setSource(url);
}

// Folders of the contents have no page of their own.
void HelpWindow::openContentsPage(const QUrl& url) {
    if (!url.fileName().isEmpty() && url != browser_->source())
        openPage(url);
}

// Keeps the contents pointing at the page shown, however it was reached.
void HelpWindow::markCurrentTopic(const QUrl& url) {
    QHelpContentWidget* contents = engine_->contentWidget();
    const QModelIndex item = contents->indexOf(url);
    if (item.isValid())
        contents->setCurrentIndex(item);
}

}  // namespace pelicast::help
