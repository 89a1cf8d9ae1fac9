#include "HelpWindow.h"

#include "AccessibleName.h"
#include "HelpFile.h"
#include "Prompter.h"
#include "ScreenFit.h"
#include "StringTable.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSplitter>
#include <QStyle>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace zqv {

namespace {

// A text browser that takes its pages from the help file.
class CHelpBrowser : public QTextBrowser {
public:
    CHelpBrowser(QHelpEngineCore &engine, QWidget *parent) : QTextBrowser(parent), m_engine(engine) {}
    QVariant loadResource(int type, const QUrl &name) override
    {
        if (name.scheme() == QLatin1String("qthelp"))
            return m_engine.fileData(name);
        return QTextBrowser::loadResource(type, name);
    }

private:
    QHelpEngineCore &m_engine;
};

}  // namespace

CHelpWindow *CHelpWindow::ShowHelp(const QString &helpFilePath, IPrompter &prompter, QWidget *owner,
                                   const QString &page)
{
    if (helpFilePath.isEmpty()) {
        prompter.ShowMessage(IDS_HELP_FILE_NOT_IN_REGISTRY);
        return nullptr;
    }
    if (!QFileInfo(helpFilePath).isFile()) {
        prompter.ShowMessage(IDS_HELP_FILE_NOT_FOUND);
        return nullptr;
    }
    // The help file is registered in a collection of its own in a private temporary folder.
    auto dir = std::make_unique<QTemporaryDir>();
    const QString ns = QHelpEngineCore::namespaceName(helpFilePath);
    QUrl start;
    std::unique_ptr<QHelpEngine> engine;
    if (dir->isValid() && !ns.isEmpty())
        engine = OpenHelpCollection<QHelpEngine>(dir->filePath(QStringLiteral("help.qhc")), helpFilePath);
    if (engine) {
        // The start page: index.*, else the first page, else the first file.
        const QList<QUrl> pages = engine->files(ns, QString());
        for (const QUrl &file : pages) {
            if (file.fileName().startsWith(QLatin1String("index."))) {
                start = file;
                break;
            }
            if (!start.isValid() && file.fileName().endsWith(QLatin1String("htm"), Qt::CaseInsensitive))
                start = file;
        }
        if (!start.isValid() && !pages.isEmpty())
            start = pages.first();
    }
    if (!start.isValid()) {
        engine.reset();
        prompter.ShowMessage(IDS_HELP_FILE_INVALID);
        return nullptr;
    }
    auto *window = new CHelpWindow(std::move(dir), std::move(engine), start, owner);
    window->m_strHelpFilePath = helpFilePath;
    if (!page.isEmpty())
        window->ShowTopic(page);
    window->show();
    return window;
}

CHelpWindow::CHelpWindow(std::unique_ptr<QTemporaryDir> dir, std::unique_ptr<QHelpEngine> engine, const QUrl &start,
                         QWidget *owner)
    : QMainWindow(owner, Qt::Window), m_pDir(std::move(dir)), m_pEngine(std::move(engine)), m_start(start)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("HelpWindow"));
    auto *splitter = new QSplitter(Qt::Horizontal, this);
    m_pSidebar = new QTabWidget(splitter);
    m_pSidebar->setObjectName(QStringLiteral("HelpSidebar"));
    m_pBrowser = new CHelpBrowser(*m_pEngine, splitter);
    m_pBrowser->setObjectName(QStringLiteral("HelpPage"));
    splitter->addWidget(m_pSidebar);
    splitter->addWidget(m_pBrowser);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({260, 640});
    setCentralWidget(splitter);

    // Contents and index, built from the help file's table of contents and keywords.
    QHelpContentWidget *contents = m_pEngine->contentWidget();
    m_pSidebar->addTab(contents, LoadStr(IDS_HELP_TAB_CONTENTS));
    m_pBrowser->setAccessibleName(LoadStr(IDS_A11Y_HELP_PAGE));
    contents->setAccessibleName(WithoutMnemonic(LoadStr(IDS_HELP_TAB_CONTENTS)));
    connect(contents, &QHelpContentWidget::linkActivated, this, &CHelpWindow::ShowPage);
    connect(m_pEngine->contentModel(), &QHelpContentModel::contentsCreated, contents,
            [contents] { contents->expandToDepth(0); });
    // The index, with a look-for field above it: typing narrows the index to the keywords that
    // contain the text and selects the best match ("*" and "?" make it a wildcard pattern);
    // Enter opens the selected keyword; the arrow and page keys move through the index.
    QHelpIndexWidget *index = m_pEngine->indexWidget();
    auto *indexPage = new QWidget;
    auto *indexLayout = new QVBoxLayout(indexPage);
    indexLayout->setContentsMargins(0, 0, 0, 0);
    auto *lookForLabel = new QLabel(LoadStr(IDS_HELP_LOOK_FOR), indexPage);
    m_pLookFor = new QLineEdit(indexPage);
    m_pLookFor->setObjectName(QStringLiteral("HelpIndexLookFor"));
    m_pLookFor->setClearButtonEnabled(true);
    m_pLookFor->installEventFilter(this);
    lookForLabel->setBuddy(m_pLookFor);
    indexLayout->addWidget(lookForLabel);
    indexLayout->addWidget(m_pLookFor);
    indexLayout->addWidget(index, 1);
    m_pSidebar->addTab(indexPage, LoadStr(IDS_HELP_TAB_INDEX));
    index->setAccessibleName(WithoutMnemonic(LoadStr(IDS_HELP_TAB_INDEX)));
    // The page comes after the sidebar, as on screen.
    setTabOrder(index, m_pBrowser);
    const auto lookFor = [this, index] {
        const QString text = m_pLookFor->text();
        const bool wildcard = text.contains(QLatin1Char('*')) || text.contains(QLatin1Char('?'));
        index->filterIndices(text, wildcard ? text : QString());
    };
    connect(m_pLookFor, &QLineEdit::textChanged, index, lookFor);
    connect(m_pLookFor, &QLineEdit::returnPressed, index, &QHelpIndexWidget::activateCurrentItem);
    // The index is read in the background: apply what was typed before it was ready.
    connect(m_pEngine->indexModel(), &QHelpIndexModel::indexCreated, index, lookFor);
    connect(m_pSidebar, &QTabWidget::currentChanged, this, [this, indexPage](int tab) {
        if (m_pSidebar->widget(tab) == indexPage)
            m_pLookFor->setFocus();
    });
    connect(index, &QHelpIndexWidget::documentActivated, this,
            [this](const QHelpLink &link, const QString &) { ShowPage(link.url); });
    connect(index, &QHelpIndexWidget::documentsActivated, this, [this](const QList<QHelpLink> &links, const QString &) {
        if (!links.isEmpty())
            ShowPage(links.first().url);
    });

    // Full-text search over the pages; the help file is indexed once the window is open.
    QHelpSearchEngine *search = m_pEngine->searchEngine();
    auto *searchPage = new QWidget;
    auto *searchLayout = new QVBoxLayout(searchPage);
    searchLayout->setContentsMargins(0, 0, 0, 0);
    searchLayout->addWidget(search->queryWidget());
    searchLayout->addWidget(search->resultWidget(), 1);
    m_pSidebar->addTab(searchPage, LoadStr(IDS_HELP_TAB_SEARCH));
    connect(search->queryWidget(), &QHelpSearchQueryWidget::search, this,
            [search] { search->search(search->queryWidget()->searchInput()); });
    connect(search->resultWidget(), &QHelpSearchResultWidget::requestShowLink, this, &CHelpWindow::ShowPage);
    search->reindexDocumentation();

    auto *bar = addToolBar(QString());
    bar->setMovable(false);
    QAction *back =
        bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QString(), m_pBrowser, &QTextBrowser::backward);
    QAction *forward =
        bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QString(), m_pBrowser, &QTextBrowser::forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_pBrowser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_pBrowser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(m_pBrowser, &QTextBrowser::sourceChanged, this, [this] { setWindowTitle(m_pBrowser->documentTitle()); });
    // Links between pages stay inside the help file.
    connect(m_pBrowser, &QTextBrowser::anchorClicked, this,
            [this](const QUrl &link) { ShowPage(m_pBrowser->source().resolved(link)); });
    m_pBrowser->setOpenLinks(false);
    m_pBrowser->setSource(start);
    // Escape closes the help as it closes a dialog; the keyboard goes back to the window that
    // opened it.
    auto *close = new QAction(this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    close->setShortcutContext(Qt::WindowShortcut);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
    FitToScreen(*this, QSize(900, 650));
}

QUrl CHelpWindow::PageUrl(const QString &page) const
{
    const QUrl url = m_start.resolved(QUrl(page));
    QUrl file = url;
    file.setFragment(QString());
    if (url.scheme() != m_start.scheme() || url.host() != m_start.host() || m_pEngine->fileData(file).isEmpty())
        return QUrl();
    return url;
}

void CHelpWindow::ShowTopic(const QString &page)
{
    const QUrl url = PageUrl(page);
    ShowPage(url.isValid() ? url : m_start);
    m_pBrowser->setFocus();
}

void CHelpWindow::ShowContents()
{
    ShowPage(m_start);
    m_pSidebar->setCurrentIndex(0);
    m_pEngine->contentWidget()->setFocus();
}

void CHelpWindow::Activate()
{
    show();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

bool CHelpWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The look-for field keeps the focus while the arrow and page keys move through the index.
    if (watched == m_pLookFor && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: QCoreApplication::sendEvent(m_pEngine->indexWidget(), event); return true;
        default: break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void CHelpWindow::ShowPage(const QUrl &url)
{
    if (url.scheme() == QLatin1String("qthelp"))
        m_pBrowser->setSource(url);
}

CHelpWindow::~CHelpWindow()
{
    // The engine closes its collection before the temporary folder goes.
    m_pEngine.reset();
}

}  // namespace zqv
