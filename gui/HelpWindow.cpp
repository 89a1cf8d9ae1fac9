#include "HelpWindow.h"

#include "Prompter.h"
#include "StringTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHelpEngineCore>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QStyle>
#include <QToolBar>
#include <QUuid>

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

CHelpWindow *CHelpWindow::ShowHelp(const QString &helpFilePath, IPrompter &prompter, QWidget *owner)
{
    if (helpFilePath.isEmpty()) {
        prompter.ShowMessage(IDS_HELP_FILE_NOT_IN_REGISTRY);
        return nullptr;
    }
    if (!QFileInfo(helpFilePath).isFile()) {
        prompter.ShowMessage(IDS_HELP_FILE_NOT_FOUND);
        return nullptr;
    }
    // The help file is registered in a collection of its own in the temporary folder, so
    // nothing is written next to the installation.
    const QString collection = QDir(QDir::tempPath()).filePath(
        QStringLiteral("zqvcps-help-%1.qhc").arg(QUuid::createUuid().toString(QUuid::WithoutBraces)));
    auto engine = std::make_unique<QHelpEngineCore>(collection);
    engine->setReadOnly(false);  // the collection is created and the file registered in it
    const QString ns = QHelpEngineCore::namespaceName(helpFilePath);
    QUrl start;
    if (!ns.isEmpty() && engine->setupData() && engine->registerDocumentation(helpFilePath)) {
        const QList<QUrl> pages = engine->files(ns, QString(), QStringLiteral("html"));
        for (const QUrl &page : pages)
            if (page.fileName() == QLatin1String("index.html")) {
                start = page;
                break;
            }
        if (!start.isValid() && !pages.isEmpty())
            start = pages.first();
    }
    if (!start.isValid()) {
        engine.reset();
        QFile::remove(collection);
        prompter.ShowMessage(IDS_HELP_FILE_INVALID);
        return nullptr;
    }
    auto *window = new CHelpWindow(std::move(engine), collection, start, owner);
    window->show();
    return window;
}

CHelpWindow::CHelpWindow(std::unique_ptr<QHelpEngineCore> engine, const QString &collection, const QUrl &start,
                         QWidget *owner)
    : QMainWindow(owner, Qt::Window), m_pEngine(std::move(engine)), m_strCollection(collection)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("HelpWindow"));
    m_pBrowser = new CHelpBrowser(*m_pEngine, this);
    setCentralWidget(m_pBrowser);
    auto *bar = addToolBar(QString());
    bar->setMovable(false);
    QAction *back = bar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), QString(), m_pBrowser, &QTextBrowser::backward);
    QAction *forward = bar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), QString(), m_pBrowser, &QTextBrowser::forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_pBrowser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(m_pBrowser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    connect(m_pBrowser, &QTextBrowser::sourceChanged, this, [this] { setWindowTitle(m_pBrowser->documentTitle()); });
    m_pBrowser->setSource(start);
    resize(900, 650);
}

CHelpWindow::~CHelpWindow()
{
    m_pEngine.reset();
    QFile::remove(m_strCollection);
}

}  // namespace zqv
