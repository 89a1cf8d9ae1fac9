#include "MainFrame.h"

#include "ChildFrame.h"
#include "CommandIds.h"
#include "CommandState.h"
#include "CommandTable.h"
#include "CompareRadioDialog.h"
#include "ConnectionDialogs.h"
#include "EditCommands.h"
#include "ExchangeDialogs.h"
#include "FleetWindow.h"
#include "Languages.h"
#include "MenuTable.h"
#include "RadioCommands.h"
#include "StringTable.h"
#include "WriteHistoryDialog.h"
#include "ZQVCPSApp.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPointer>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <QUndoStack>

namespace zqv {

CMainFrame::CMainFrame(CZQVCPSApp &app) : m_app(app)
{
    setObjectName(QStringLiteral("MainFrame"));
    setWindowTitle(LoadStr(IDS_APP_NAME));
    setAcceptDrops(true);
    m_strCurrentLanguage = m_app.CurrentLanguage();
    m_bHelpPaneShown = m_app.ReadShowContextHelp() == 1;

    m_pMdi = new QMdiArea(this);
    m_pMdi->setObjectName(QStringLiteral("MdiArea"));
    m_pMdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pMdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_pMdi);
    connect(m_pMdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *sub) {
        if (m_bDestroying)
            return;
        RestoreFocusAfterSwitch(sub);
        UpdateFrameTitle();
        UpdateCommands();
    });

    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        WatchFocus(now);
        UpdateCommands();
    });
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &CMainFrame::UpdateCommands);
    connect(&CCommandState::Instance(), &CCommandState::Changed, this, &CMainFrame::UpdateCommands);
    connect(&m_app, &CZQVCPSApp::RecentFilesChanged, this, &CMainFrame::UpdateRecentFiles);
    qApp->installEventFilter(this);

    InstallTroubleshooterOffer(m_app);
    // The cable's port is looked for once the first frame is on screen (see event()).
    UpdateRecentFiles();
    UpdateMenuSet();
    UpdateCommands();
}

CMainFrame::~CMainFrame()
{
    SetTroubleshooterHandler(nullptr);
    qApp->removeEventFilter(this);
    m_app.WriteShowContextHelp(m_bHelpPaneShown);
    // The profile windows go first, while this window can still take their last notices.
    m_bDestroying = true;
    disconnect(qApp, nullptr, this, nullptr);
    delete m_pMdi;
    m_pMdi = nullptr;
}

QAction *CMainFrame::Action(int commandId) const
{
    return m_actions.value(commandId, nullptr);
}

void CMainFrame::ShowMaximized()
{
    if (QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    showMaximized();
    activateWindow();
}

CChildFrame *CMainFrame::ActiveChild() const
{
    if (!m_pMdi)
        return nullptr;
    QMdiSubWindow *sub = m_pMdi->activeSubWindow();
    if (!sub) {
        // While a modal dialog or message box is up, the area reports no active window; the
        // current one is still the last activated.
        sub = m_pMdi->currentSubWindow();
    }
    return sub ? qobject_cast<CChildFrame *>(sub->widget()) : nullptr;
}

QList<CChildFrame *> CMainFrame::Children() const
{
    QList<CChildFrame *> out;
    if (!m_pMdi)
        return out;
    for (QMdiSubWindow *sub : m_pMdi->subWindowList())
        if (auto *child = qobject_cast<CChildFrame *>(sub->widget()))
            out << child;
    return out;
}

void CMainFrame::AddChild(CChildFrame *child)
{
    QMdiSubWindow *sub = m_pMdi->addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // The profile window's own menu claims the platform's Close keys (Ctrl+W, Ctrl+F4); a key
    // that a command of the table uses (Ctrl+W is Write) stays the command's, or neither
    // would run.
    if (QMenu *menu = sub->systemMenu()) {
        for (QAction *entry : menu->actions()) {
            QList<QKeySequence> keys = entry->shortcuts();
            const auto taken = [this](const QKeySequence &key) {
                for (QAction *command : std::as_const(m_actions))
                    if (command->shortcuts().contains(key))
                        return true;
                return false;
            };
            keys.removeIf(taken);
            if (keys.size() != entry->shortcuts().size())
                entry->setShortcuts(keys);
        }
    }
    // The program's icon, once it is there (a profile named on the command line opens before
    // it is set; the window then follows it as every window without an icon of its own does).
    if (!windowIcon().isNull())
        sub->setWindowIcon(windowIcon());
    connect(child, &CChildFrame::TitleChanged, this, &CMainFrame::UpdateFrameTitle);
    // Undo and Redo carry the names of the steps they would take.
    connect(&child->UndoStack(), &QUndoStack::indexChanged, this, &CMainFrame::UpdateCommands);
    connect(&child->UndoStack(), &QUndoStack::cleanChanged, this, &CMainFrame::UpdateCommands);
    connect(sub, &QObject::destroyed, this, [this] {
        if (m_bDestroying)
            return;
        UpdateMenuSet();
        UpdateFrameTitle();
        UpdateCommands();
    });
    UpdateMenuSet();
    sub->showMaximized();
    child->OnFirstShow();
    m_pMdi->setActiveSubWindow(sub);
    // A new window starts with the keyboard on its tree (the area would leave it on the
    // window's frame, where no key does anything).
    child->Tree().Widget()->setFocus(Qt::OtherFocusReason);
    UpdateFrameTitle();
    UpdateCommands();
}

void CMainFrame::ActivateChild(CChildFrame *child)
{
    if (!child || !m_pMdi)
        return;
    for (QMdiSubWindow *sub : m_pMdi->subWindowList())
        if (sub->widget() == child) {
            m_pMdi->setActiveSubWindow(sub);
            return;
        }
}

void CMainFrame::RestoreFocusAfterSwitch(QMdiSubWindow *sub)
{
    if (!sub)
        return;
    const QPointer<QWidget> focus = m_focusBeforeSwitch.take(sub);
    // After the area has given the window its focus: the area's own restore runs after this
    // signal.
    if (focus)
        QTimer::singleShot(0, focus, [focus, sub] {
            if (focus && sub->isAncestorOf(focus) && focus->isVisible() && focus->isEnabled())
                focus->setFocus(Qt::ActiveWindowFocusReason);
        });
}

void CMainFrame::UpdateFrameTitle()
{
    // The window's own title is the program's name. A maximised profile window adds its
    // title in brackets, "ZQV CPS - [name]", as multi-document windows show it; the profile
    // windows' titles carry the modified mark.
    const QString app = LoadStr(IDS_APP_NAME);
    if (!ActiveChild() || !m_pMdi->currentSubWindow() || !m_pMdi->currentSubWindow()->isMaximized())
        setWindowTitle(app);
}

void CMainFrame::OnCommand(int id)
{
    if (m_fnCommandHook && m_fnCommandHook(id)) {
        UpdateCommands();
        return;
    }
    switch (id) {
    case ID_FILE_NEW: m_app.OnFileNew(); break;
    case ID_FILE_OPEN: m_app.OnFileOpen(); break;
    case ID_FILE_CLOSE:
        if (QMdiSubWindow *sub = m_pMdi->currentSubWindow())
            sub->close();
        break;
    case ID_FILE_SAVE:
        if (CChildFrame *child = ActiveChild())
            child->Save(false);
        break;
    case ID_FILE_SAVE_AS:
        if (CChildFrame *child = ActiveChild())
            child->Save(true);
        break;
    case ID_FILE_IMPORT_CONTACTS:
    case ID_FILE_IMPORT_TEXTS:
    case ID_FILE_EXPORT_CONTACTS:
    case ID_FILE_EXPORT_TEXTS:
        if (CChildFrame *child = ActiveChild()) {
            const ExchangeKind kind = id == ID_FILE_IMPORT_CONTACTS || id == ID_FILE_EXPORT_CONTACTS
                ? ExchangeKind::Contacts
                : ExchangeKind::Texts;
            if (id == ID_FILE_IMPORT_CONTACTS || id == ID_FILE_IMPORT_TEXTS)
                RunImport(m_app, *child, kind);
            else
                RunExport(m_app, *child, kind);
        }
        break;
    case ID_FILE_MERGE:
        if (CChildFrame *child = ActiveChild())
            RunMerge(m_app, *child);
        break;
    case ID_FILE_REVERT:
        if (CChildFrame *child = ActiveChild())
            child->Revert();
        break;
    case ID_EDIT_UNDO:
    case ID_EDIT_REDO:
        if (CChildFrame *child = ActiveChild()) {
            if (id == ID_EDIT_UNDO)
                child->Undo();
            else
                child->Redo();
        }
        break;
    case ID_APP_EXIT: close(); break;
    case ID_EDIT_ADD:
        if (CChildFrame *child = ActiveChild())
            child->Tree().OnAdd();
        break;
    case ID_EDIT_RENAME:
        if (CChildFrame *child = ActiveChild())
            child->Tree().OnRename();
        break;
    case ID_EDIT_SCAN_ADD:
        if (CChildFrame *child = ActiveChild()) {
            if (child->Tree().CommitPendingEdits()) {
                child->Tree().Widget()->setFocus();
                child->Tree().OnScanAdd();
            }
        }
        break;
    case ID_EDIT_CUT:
    case ID_EDIT_COPY:
    case ID_EDIT_PASTE:
    case ID_EDIT_DELETE: OnEditCommand(id); break;
    case ID_EDIT_DEALER_INFO: m_app.OnDealerInfo(); break;
    case ID_EDIT_PREFERENCE: m_app.OnPreference(); break;
    case ID_VIEW_HELP_PANE: OnToggleHelpPane(); break;
    case ID_VIEW_CONTACTS_TABLE:
        if (CChildFrame *child = ActiveChild())
            child->Tree().ShowContactsTable();
        break;
    case ID_VIEW_PROBLEMS:
        if (CChildFrame *child = ActiveChild())
            child->ShowProblems(!child->ProblemsShown());
        break;
    case ID_VIEW_FILTER:
        if (CChildFrame *child = ActiveChild())
            child->Tree().FocusFilter();
        break;
    case ID_DEVICE_READ:
    case ID_DEVICE_WRITE:
    case ID_DEVICE_RESET:
        // A cable plugged in after the program started is found here rather than only at
        // the next start.
        if (m_strCablePort.isEmpty())
            SetCablePort(m_app.FindPort(false));
        if (id == ID_DEVICE_READ)
            m_app.Radio().Read();
        else if (id == ID_DEVICE_WRITE)
            m_app.Radio().Write();
        else
            m_app.Radio().Reset();
        break;
    case ID_DEVICE_RESTORE: m_app.Radio().RestoreBackup(); break;
    case ID_DEVICE_COMPARE: CompareWithRadio(m_app); break;
    case ID_DEVICE_HISTORY: ShowWriteHistory(m_app); break;
    case ID_DEVICE_FLEET: ShowFleetWindow(m_app); break;
    case ID_DEVICE_FIND_CABLE: RunFindCable(m_app); break;
    case ID_DEVICE_TEST_CONNECTION: RunTestConnection(m_app); break;
    case ID_HELP_LAST_TRACE: RunOpenLastTrace(m_app); break;
    case ID_HELP_SUPPORT_BUNDLE: RunSaveSupportBundle(m_app); break;
    case ID_REPORT: m_app.OnReport(); break;
    case ID_WINDOW_CASCADE: m_pMdi->cascadeSubWindows(); break;
    case ID_WINDOW_TILE: m_pMdi->tileSubWindows(); break;
    case ID_HELP_CONTENTS: OnHelpContents(); break;
    case ID_HELP_CONTEXT:
        m_app.OnHelpTopic(ActiveChild() ? ActiveChild()->HelpPageFor(EditTarget()) : QString());
        break;
    case ID_APP_ABOUT: m_app.OnAppAbout(); break;
    default: break;
    }
    UpdateCommands();
}

void CMainFrame::OnEditCommand(int id)
{
    QWidget *focus = EditTarget();
    const EditCommand command = id == ID_EDIT_CUT ? EditCommand::Cut
        : id == ID_EDIT_COPY                      ? EditCommand::Copy
        : id == ID_EDIT_PASTE                     ? EditCommand::Paste
                                                  : EditCommand::Delete;
    if (IsEditBox(focus)) {
        // Delete in a box that cannot be edited falls through to the tree, as its enabling
        // rule says.
        if (command != EditCommand::Delete || IsEditableEditBox(focus)) {
            if (CanEdit(command, focus))
                DoEdit(command, focus);
            return;
        }
    }
    if (CChildFrame *child = ActiveChild(); child && command == EditCommand::Copy && CanCopyItems(child, focus))
        CopyItems(*child);
    if (CChildFrame *child = ActiveChild(); child && command == EditCommand::Paste && CanPasteItems(child, focus))
        PasteItems(*child);
    if (command == EditCommand::Delete) {
        if (CChildFrame *child = ActiveChild(); child && CCommandState::Instance().DeleteAllowed())
            child->Tree().OnDelete();
    }
}

void CMainFrame::OnLanguage(const QString &language)
{
    zqv::SelectLanguage(m_app.Store(), m_app.Prompter(), language, m_strCurrentLanguage);
    UpdateCommands();
}

void CMainFrame::OnHelpContents()
{
    m_app.OnHelpContents();
}

void CMainFrame::OnToggleHelpPane()
{
    if (CChildFrame *child = ActiveChild()) {
        child->ToggleHelpPane();
        m_bHelpPaneShown = child->HelpPaneShown();
    }
    UpdateCommands();
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    // A radio operation is under way: the program stays until it has ended (a write broken
    // off here would leave the radio half programmed).
    if (!m_app.TransferIdle()) {
        QApplication::beep();
        event->ignore();
        return;
    }
    // Every profile window asks its save-changes question, in front so the user sees which
    // profile is meant; Cancel on any keeps the program.
    for (CChildFrame *child : Children()) {
        if (child->IsModified())
            ActivateChild(child);
        if (!child->SaveModified()) {
            event->ignore();
            return;
        }
    }
    for (CChildFrame *child : Children())
        child->SetCloseConfirmed();
    m_pMdi->closeAllSubWindows();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent *event)
{
    const auto urls = event->mimeData()->urls();
    event->acceptProposedAction();
    for (const QUrl &url : urls)
        if (url.isLocalFile())
            m_app.OpenProfile(url.toLocalFile());
}

bool CMainFrame::event(QEvent *event)
{
    // What can wait until the window is on screen runs after its first paint (the window's
    // own paint comes first, its children's and the flush to the screen follow in the same
    // pass): the scan of the serial devices for the cable takes noticeable time, and the
    // status bar's port pane shows its result a moment later.
    if (event->type() == QEvent::Paint && !m_bFirstFrameSeen) {
        m_bFirstFrameSeen = true;
        QTimer::singleShot(0, this, [this] {
            // A radio command may have looked for the cable already.
            if (m_strCablePort.isEmpty())
                SetCablePort(m_app.FindPort(false));
            emit FirstFrameShown();
        });
    }
    return QMainWindow::event(event);
}

bool CMainFrame::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        // The password boxes never give their text to the clipboard nor take it from there,
        // whichever way the request comes.
        if (watched->isWidgetType() && IsPasswordBox(static_cast<QWidget *>(watched)) &&
            (key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Paste)))
            return true;
        break;
    }
    case QEvent::ShortcutOverride: {
        // Ctrl+Tab moves the focus on to the next control of the window it leaves before the
        // area switches windows, so coming back would land on that control (the Delete
        // button beside a message, where one Space deletes it). Keep the control that had the
        // focus; the window gets it back when it is activated again.
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && (key->modifiers() & Qt::ControlModifier) &&
            m_pMdi)
            if (QMdiSubWindow *sub = m_pMdi->activeSubWindow())
                if (QWidget *focus = QApplication::focusWidget(); focus && sub->isAncestorOf(focus))
                    m_focusBeforeSwitch[sub] = focus;
        break;
    }
    case QEvent::ContextMenu:
        if (watched->isWidgetType() && IsPasswordBox(static_cast<QWidget *>(watched)))
            return true;
        break;
    case QEvent::KeyRelease: {
        const int k = static_cast<QKeyEvent *>(event)->key();
        if (k == Qt::Key_CapsLock || k == Qt::Key_NumLock || k == Qt::Key_ScrollLock)
            UpdateLockPanes();
        break;
    }
    case QEvent::ApplicationActivate:
        // Reading the lock keys waits for the display server to answer. The first activation
        // follows the first show, while the server is still drawing the window, and the
        // constructor has read them moments before: it is left out.
        if (m_bActivatedBefore)
            UpdateLockPanes();
        m_bActivatedBefore = true;
        break;
    default: break;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace zqv
