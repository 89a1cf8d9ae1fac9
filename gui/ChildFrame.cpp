#include "ChildFrame.h"

#include "MessageBoxPrompter.h"
#include "ProblemsPanel.h"
#include "RadioCommands.h"
#include "StringTable.h"
#include "TransferDialog.h"
#include "ZQVCPSApp.h"
#include "ZQVCPSException.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QUndoStack>
#include <QVBoxLayout>

namespace zqv {

namespace {

TreeFactory &TreeFactoryRef()
{
    static TreeFactory factory;
    return factory;
}
ViewFactory &ViewFactoryRef()
{
    static ViewFactory factory;
    return factory;
}

// Titles of new profiles: "Profile1", "Profile2", ... as the document type's name says.
int g_nNewProfileCounter = 0;

}  // namespace

void CChildFrame::SetTreeFactory(TreeFactory factory)
{
    TreeFactoryRef() = std::move(factory);
}
void CChildFrame::SetViewFactory(ViewFactory factory)
{
    ViewFactoryRef() = std::move(factory);
}

CChildFrame::CChildFrame(CZQVCPSApp &app, bool helpPane) : m_app(app), m_bHelpPane(helpPane)
{
    setObjectName(QStringLiteral("ChildFrame"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_pDoc = std::make_unique<CZQVCPSDoc>(m_app.ModelEnvironment(), *this, m_app.Prompter(), &m_app.FileDialog());
    m_pUndo = new QUndoStack(this);
    m_pUndo->setUndoLimit(kUndoSteps);
    connect(m_pUndo, &QUndoStack::indexChanged, this, &CChildFrame::FollowCleanState);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pSplitter = new QSplitter(Qt::Horizontal, this);
    m_pSplitter->setObjectName(QStringLiteral("MainSplitter"));
    m_pSplitter->setChildrenCollapsible(false);
    m_pProblemsSplitter = new QSplitter(Qt::Vertical, this);
    m_pProblemsSplitter->setObjectName(QStringLiteral("ProblemsSplitter"));
    m_pProblemsSplitter->setChildrenCollapsible(false);
    m_pProblemsSplitter->addWidget(m_pSplitter);
    m_pProblems = new CProblemsPanel(*this);
    m_pProblems->hide();
    m_pProblemsSplitter->addWidget(m_pProblems);
    m_pProblemsSplitter->setStretchFactor(0, 1);
    m_pProblemsSplitter->setStretchFactor(1, 0);
    layout->addWidget(m_pProblemsSplitter);

    if (TreeFactoryRef())
        m_pTree = TreeFactoryRef()(*this);
    if (!m_pTree)
        m_pTree = std::make_unique<CProfileRootTree>(*this);
    m_pSplitter->addWidget(m_pTree->Column());
    m_pSplitter->setStretchFactor(0, 0);
    // The tree keeps the width the user gives it while forms come and go on the right.
    connect(m_pSplitter, &QSplitter::splitterMoved, this, [this] {
        const QList<int> sizes = m_pSplitter->sizes();
        if (!sizes.isEmpty() && sizes.first() > 0)
            m_nTreeWidth = sizes.first();
    });
}

CChildFrame::~CChildFrame()
{
    // The history goes first and silently: clearing it on its own destruction would report a
    // changed state to a frame whose document is already gone.
    m_pUndo->disconnect();
    delete m_pUndo;
    m_pUndo = nullptr;
    // Forms taken out but not yet deleted go before the document they show.
    for (const QPointer<QWidget> &w : std::as_const(m_retired))
        delete w.data();
}

bool CChildFrame::NewDocument(const VirtualCPData *record)
{
    if (!m_pDoc->OnNewDocument(record))
        return false;
    if (m_pDoc->GetTitle().isEmpty())
        m_pDoc->SetTitle(QStringLiteral("Profile%1").arg(++g_nNewProfileCounter));
    ProfileChanged();
    return true;
}

bool CChildFrame::OpenDocument(const QString &path, std::unique_ptr<CRadioDataModel> loaded)
{
    if (!m_pDoc->OnOpenDocument(path, std::move(loaded)))
        return false;
    ProfileChanged();
    return true;
}

QString CChildFrame::Title() const
{
    return m_pDoc->GetTitle().isEmpty() ? LoadStr(IDS_UNTITLED) : m_pDoc->GetTitle();
}

void CChildFrame::SetTitle(const QString &title)
{
    m_pDoc->SetTitle(title);
    UpdateWindowTitle();
}

bool CChildFrame::IsModified() const
{
    return m_pDoc->IsModified();
}

void CChildFrame::SetModified(bool modified)
{
    if (!modified) {
        m_pDoc->SetModifiedFlag(false);
        m_pUndo->setClean();
    } else if (m_nEditDepth > 0) {
        m_bEditChanged = true;
        m_pDoc->SetModifiedFlag(true);
    } else {
        RecordChange(QString());
        // Callers mark the profile before a typed value is applied too: the mark shows at once,
        // and the step follows when the value goes in.
        m_pDoc->SetModifiedFlag(true);
    }
    UpdateWindowTitle();
}

void CChildFrame::UpdateWindowTitle()
{
    setWindowTitle(IsModified() ? Title() + QStringLiteral(" *") : Title());
    emit TitleChanged();
}

void CChildFrame::ProfileChanged()
{
    ResetHistory();
    m_pTree->Build();
    if (!m_pView) {
        try {
            ShowView(kViewRadioInfo);
        } catch (const CZQVCPSException &e) {
            m_app.Prompter().ShowMessage(e.GetMessageId());
        }
    }
    UpdateWindowTitle();
}

QWidget *CChildFrame::CreateView(int kind)
{
    return ViewFactoryRef() ? ViewFactoryRef()(*this, kind) : nullptr;
}

void CChildFrame::ShowView(int kind)
{
    QWidget *view = CreateView(kind);
    if (!view)
        return;
    m_nViewKind = kind;
    PlaceRightView(view);
}

void CChildFrame::RetireWidget(QWidget *widget)
{
    if (!widget)
        return;
    // The widget may be the form whose own handler asked for the new form: it is taken out
    // of the window now and deleted once control is back in the event loop.
    widget->hide();
    widget->setParent(nullptr);
    widget->deleteLater();
    m_retired.removeIf([](const QPointer<QWidget> &w) { return w.isNull(); });
    m_retired << widget;
}

void CChildFrame::PlaceRightView(QWidget *view)
{
    if (m_bHelpPane && m_pNested && m_pHelpPane && m_pView && m_pNested->indexOf(m_pView) == 0) {
        // The help pane stays while forms come and go above it: only the form is replaced.
        QWidget *oldView = m_pView.data();
        m_pView = view;
        m_pNested->replaceWidget(0, view);
        RetireWidget(oldView);
        ApplyHelpPaneSizes();
        return;
    }
    // The old form and, with it, the nested splitter go; the new form takes the right column,
    // or the top row of a new nested splitter when the help pane is shown.
    QWidget *old = m_pNested ? static_cast<QWidget *>(m_pNested) : m_pView.data();
    m_pNested = nullptr;
    m_pView = view;
    RetireWidget(old);
    if (m_bHelpPane) {
        m_pNested = new QSplitter(Qt::Vertical);
        m_pNested->setObjectName(QStringLiteral("NestedSplitter"));
        m_pNested->setChildrenCollapsible(true);
        m_pNested->addWidget(view);
        CAppShell &shell = m_app.Shell();
        auto *pane = new CHelpView(
            [&shell](const QString &formClass, int controlId) { return shell.GetHelpPageName(formClass, controlId); },
            shell.GetHelpFilePath());
        pane->setObjectName(QStringLiteral("HelpPane"));
        // The pane never takes the keyboard focus from the form and has no context menu: it
        // follows the form's focus, it does not compete with it.
        pane->setFocusPolicy(Qt::NoFocus);
        pane->setContextMenuPolicy(Qt::PreventContextMenu);
        m_pHelpPane = pane;
        m_pNested->addWidget(pane);
        m_pNested->setStretchFactor(0, 1);
        m_pNested->setStretchFactor(1, 0);
        connect(m_pNested, &QSplitter::splitterMoved, this, [this] {
            const QList<int> sizes = m_pNested->sizes();
            if (sizes.size() == 2)
                m_nHelpPaneHeight = sizes[1];
        });
        m_pSplitter->addWidget(m_pNested);
    } else {
        m_pHelpPane = nullptr;
        m_pSplitter->addWidget(view);
    }
    m_pSplitter->setStretchFactor(1, 1);
    const int total = m_pSplitter->width();
    if (total > m_nTreeWidth)
        m_pSplitter->setSizes({m_nTreeWidth, total - m_nTreeWidth});
    else
        m_pSplitter->setSizes({m_nTreeWidth, 400});
    ApplyHelpPaneSizes();
}

void CChildFrame::ApplyHelpPaneSizes()
{
    if (!m_pNested)
        return;
    const int h = m_pNested->height() > 0 ? m_pNested->height() : height();
    if (h < m_nHelpPaneHeight)
        m_pNested->setSizes({0, h});
    else
        m_pNested->setSizes({h - m_nHelpPaneHeight, m_nHelpPaneHeight});
}

void CChildFrame::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    ApplyHelpPaneSizes();
}

void CChildFrame::ToggleHelpPane()
{
    // The form is built anew in the new layout: let it accept its pending edit first.
    if (!m_pTree->CommitPendingEdits())
        return;
    m_pTree->Widget()->setFocus();
    m_bHelpPane = !m_bHelpPane;
    ShowView(m_nViewKind);
}

bool CChildFrame::ProblemsShown() const
{
    return !m_pProblems->isHidden();
}

void CChildFrame::ShowProblems(bool show)
{
    m_pProblems->setVisible(show);
    if (show)
        m_pProblems->RefreshIfStale();
}

void CChildFrame::ShowControlHelp(const QString &formClass, int controlId)
{
    if (IHelpPane *pane = HelpPaneInterface())
        pane->ShowControlHelp(formClass, controlId);
}

QString CChildFrame::HelpPageFor(const QWidget *focus) const
{
    const CAppShell &shell = m_app.Shell();
    const QString form = m_pView ? m_pView->objectName() : QString();
    if (focus && m_pView && m_pView->isAncestorOf(focus)) {
        // A control's inner parts (a list's edit box, a picker's fields) carry no id of their
        // own: the nearest control with one gives the topic.
        for (const QWidget *w = focus; w && w != m_pView; w = w->parentWidget()) {
            const QVariant id = w->property("controlId");
            if (!id.isValid())
                continue;
            const QString page = shell.GetHelpPageName(form, id.toInt());
            if (!page.isEmpty())
                return page;
            break;
        }
    }
    // The contacts table has no controls of its own in the map; its page explains all of it.
    if (form == QLatin1String("CContactsTableView"))
        return QStringLiteral("contactstable.htm");
    return shell.GetFormHelpPageName(form);
}

void CChildFrame::BlankHelpPane()
{
    if (IHelpPane *pane = HelpPaneInterface())
        pane->Blank();
}

void CChildFrame::ShowStatusText(const QString &text)
{
    auto *frame = qobject_cast<QMainWindow *>(window());
    if (!frame)
        return;
    if (text.isEmpty())
        frame->statusBar()->clearMessage();
    else
        frame->statusBar()->showMessage(text);
}

std::optional<QString> CChildFrame::ReadPrivateIdFromRadio()
{
    CReadPidDialog dialog(m_app.Radio().UiContext(), this);
    // OK is offered only after an ID was captured; a blank ID is no answer all the same.
    if (dialog.exec() != QDialog::Accepted || dialog.CapturedPid().trimmed().isEmpty())
        return std::nullopt;
    return dialog.CapturedPid();
}

bool CChildFrame::Save(bool saveAs)
{
    if (!m_pTree->CommitPendingEdits())
        return false;
    m_pTree->RefreshSelectedItem();
    const bool ok = m_pDoc->DoSave(saveAs ? QString() : m_pDoc->GetPathName(), true);
    if (ok) {
        m_pUndo->setClean();
        m_app.AddToRecentFiles(m_pDoc->GetPathName());
    }
    UpdateWindowTitle();
    return ok;
}

bool CChildFrame::SaveModified()
{
    // A pending edit in the form (a name typed but not yet applied) is a change too: commit it
    // before deciding whether there is anything to save.
    if (!m_pTree->CommitPendingEdits())
        return false;
    if (!m_pDoc->IsModified())
        return true;
    const bool ok = m_pDoc->SaveModified();
    if (ok && !m_pDoc->GetPathName().isEmpty() && !m_pDoc->IsModified()) {
        m_pUndo->setClean();
        m_app.AddToRecentFiles(m_pDoc->GetPathName());
    }
    UpdateWindowTitle();
    return ok;
}

void CChildFrame::closeEvent(QCloseEvent *event)
{
    if (m_bTransferLock) {
        if (m_bCloseConfirmed)
            m_bClosePending = true;
        event->ignore();
        return;
    }
    if (!m_bCloseConfirmed && !SaveModified()) {
        event->ignore();
        return;
    }
    event->accept();
}

void CChildFrame::SetTransferLock(bool locked)
{
    m_bTransferLock = locked;
    if (locked || !m_bClosePending)
        return;
    m_bClosePending = false;
    // The window goes once the sequence that held it has returned.
    CloseWithoutSavingLater();
}

void CChildFrame::CloseWithoutSavingLater()
{
    QPointer<CChildFrame> self(this);
    QTimer::singleShot(0, this, [self] {
        if (!self)
            return;
        self->SetCloseConfirmed();
        QWidget *window = self;
        for (QWidget *w = self->parentWidget(); w; w = w->parentWidget())
            if (qobject_cast<QMdiSubWindow *>(w)) {
                window = w;
                break;
            }
        window->close();
    });
}

void CChildFrame::OnFirstShow()
{
    if (m_bFirstShown)
        return;
    m_bFirstShown = true;
    m_app.LocalizeMenus();
    m_app.PruneLanguageMenu();
}

QString CChildFrame::NewProfileTemplatePath() const
{
    return m_app.NewProfileTemplatePath();
}

std::shared_ptr<const CXmlDocument> CChildFrame::WorkingSettingDocument(int group)
{
    return m_app.WorkingSettingDocument(group);
}

bool CChildFrame::CommitPendingEdit()
{
    return m_pTree->CommitPendingEdits();
}

void CChildFrame::ProfileReloaded()
{
    // Rebuilding the tree selects a node and shows its form; showing the old kind on top would
    // put a form beside the tree that does not belong to the selected node.
    ProfileChanged();
}

void CChildFrame::SetBusy(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

}  // namespace zqv
