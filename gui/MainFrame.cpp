#include "MainFrame.h"

#include "ChildFrame.h"
#include "CommandIds.h"
#include "CommandState.h"
#include "CommandTable.h"
#include "EditCommands.h"
#include "Languages.h"
#include "LockKeys.h"
#include "RadioCommands.h"
#include "StringTable.h"
#include "ZQVCPSApp.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>


namespace zqv {

namespace {

// The languages of the Language menu in menu order, with their commands.
struct LanguageCommand {
    const char *name;
    int id;
};
constexpr LanguageCommand kLanguageCommands[] = {
    {"CaFrench", ID_LANGUAGE_CA_FRENCH},     {"French", ID_LANGUAGE_FRENCH},
    {"English", ID_LANGUAGE_ENGLISH},        {"German", ID_LANGUAGE_GERMAN},
    {"LaPortuguese", ID_LANGUAGE_LA_PORTUGUESE}, {"LaSpanish", ID_LANGUAGE_LA_SPANISH},
    {"Spanish", ID_LANGUAGE_SPANISH},
};

}  // namespace

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
    m_pMdi->setBackground(QColor(0x8a, 0x96, 0xa6));
    setCentralWidget(m_pMdi);
    connect(m_pMdi, &QMdiArea::subWindowActivated, this, [this] {
        if (m_bDestroying)
            return;
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

    SetCablePort(m_app.FindPort(false));
    UpdateRecentFiles();
    UpdateMenuSet();
    UpdateCommands();
}

CMainFrame::~CMainFrame()
{
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

void CMainFrame::CreateActions()
{
    for (const CommandSpec &spec : CommandTable()) {
        QString text = LoadStr(spec.textId);
        if (spec.id == ID_APP_ABOUT)
            text = FormatStr(spec.textId, {LoadStr(IDS_APP_NAME)});
        const MenuText menu = SplitMenuText(text);
        const PromptText prompt = SplitPromptText(LoadStr(spec.promptId));
        auto *action = new QAction(menu.label, this);
        action->setObjectName(QString::number(spec.id));
        action->setData(spec.id);
        if (!menu.accelerator.isEmpty())
            action->setShortcut(menu.accelerator);
        action->setStatusTip(prompt.prompt);
        action->setToolTip(prompt.tip);
        if (spec.icon)
            action->setIcon(ToolbarIcon(*spec.icon));
        if (spec.toolTextId)
            action->setIconText(LoadStr(spec.toolTextId));
        // Shortcuts work wherever the focus is in this window, including the profile windows.
        action->setShortcutContext(Qt::WindowShortcut);
        const int id = spec.id;
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        m_actions.insert(id, action);
    }
    for (int id : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_HELP_PANE})
        m_actions[id]->setCheckable(true);
    // F1 opens the help as the classic Help command does.
    m_actions[ID_HELP_CONTENTS]->setShortcut(QKeySequence(Qt::Key_F1));

    for (const auto &lang : kLanguageCommands) {
        auto *action = new QAction(QString::fromLatin1(lang.name), this);
        action->setObjectName(QString::number(lang.id));
        action->setCheckable(true);
        action->setData(QString::fromLatin1(lang.name));
        const QString name = QString::fromLatin1(lang.name);
        connect(action, &QAction::triggered, this, [this, name] { OnLanguage(name); });
        m_actions.insert(lang.id, action);
    }

    for (int i = 0; i < kMruEntries; ++i) {
        auto *action = new QAction(this);
        action->setObjectName(QString::number(ID_FILE_MRU_FIRST + i));
        action->setStatusTip(LoadStr(IDS_PROMPT_FILE_RECENT));
        action->setVisible(false);
        connect(action, &QAction::triggered, this, [this, i] { m_app.OnOpenRecentFile(i); });
        m_recentActions << action;
    }
    m_pRecentPlaceholder = new QAction(LoadStr(IDS_MENU_FILE_RECENT), this);
    m_pRecentPlaceholder->setEnabled(false);
}

void CMainFrame::CreateMenus()
{
    auto a = [this](int id) { return m_actions.value(id); };
    auto fileMenu = [&](bool profile) {
        auto *menu = new QMenu(LoadStr(IDS_MENU_FILE), this);
        menu->addAction(a(ID_FILE_NEW));
        menu->addAction(a(ID_FILE_OPEN));
        if (profile) {
            menu->addAction(a(ID_FILE_CLOSE));
            menu->addAction(a(ID_FILE_SAVE));
            menu->addAction(a(ID_FILE_SAVE_AS));
        }
        menu->addSeparator();
        menu->addAction(m_pRecentPlaceholder);
        menu->addActions(m_recentActions);
        menu->addSeparator();
        menu->addAction(a(ID_APP_EXIT));
        m_fileMenus << menu;
        return menu;
    };

    m_pLanguageMenu = new QMenu(LoadStr(IDS_MENU_EDIT_LANGUAGE), this);
    m_pLanguageMenu->setObjectName(QStringLiteral("LanguageMenu"));
    for (const auto &lang : kLanguageCommands)
        m_pLanguageMenu->addAction(a(lang.id));

    auto editMenu = [&](bool profile) {
        auto *menu = new QMenu(LoadStr(IDS_MENU_EDIT), this);
        if (profile) {
            menu->addAction(a(ID_EDIT_ADD));
            menu->addAction(a(ID_EDIT_SCAN_ADD));
            menu->addSeparator();
            menu->addAction(a(ID_EDIT_CUT));
            menu->addAction(a(ID_EDIT_COPY));
            menu->addAction(a(ID_EDIT_PASTE));
            menu->addAction(a(ID_EDIT_DELETE));
            menu->addAction(a(ID_EDIT_RENAME));
            menu->addSeparator();
        }
        menu->addAction(a(ID_EDIT_DEALER_INFO));
        menu->addAction(a(ID_EDIT_PREFERENCE));
        menu->addMenu(m_pLanguageMenu);
        return menu;
    };
    auto viewMenu = [&](bool profile) {
        auto *menu = new QMenu(LoadStr(IDS_MENU_VIEW), this);
        menu->addAction(a(ID_VIEW_TOOLBAR));
        menu->addAction(a(ID_VIEW_STATUS_BAR));
        if (profile)
            menu->addAction(a(ID_VIEW_HELP_PANE));
        return menu;
    };
    auto deviceMenu = [&](bool profile) {
        auto *menu = new QMenu(LoadStr(IDS_MENU_DEVICE), this);
        menu->addAction(a(ID_DEVICE_READ));
        if (profile)
            menu->addAction(a(ID_DEVICE_WRITE));
        menu->addAction(a(ID_DEVICE_RESET));
        return menu;
    };
    auto helpMenu = [&] {
        auto *menu = new QMenu(LoadStr(IDS_MENU_HELP), this);
        menu->addAction(a(ID_HELP_CONTENTS));
        menu->addSeparator();
        menu->addAction(a(ID_APP_ABOUT));
        return menu;
    };

    m_noProfileMenuBar = {fileMenu(false)->menuAction(), editMenu(false)->menuAction(),
                          viewMenu(false)->menuAction(), deviceMenu(false)->menuAction(),
                          helpMenu()->menuAction()};

    m_pWindowMenu = new QMenu(LoadStr(IDS_MENU_WINDOW), this);
    connect(m_pWindowMenu, &QMenu::aboutToShow, this, [this] {
        // Cascade, Tile, then one entry per profile window with a check on the active one.
        m_pWindowMenu->clear();
        m_pWindowMenu->addAction(Action(ID_WINDOW_CASCADE));
        m_pWindowMenu->addAction(Action(ID_WINDOW_TILE));
        const auto windows = m_pMdi->subWindowList();
        if (!windows.isEmpty())
            m_pWindowMenu->addSeparator();
        int n = 1;
        for (QMdiSubWindow *w : windows) {
            QAction *item = m_pWindowMenu->addAction(QStringLiteral("&%1 %2").arg(n++).arg(w->windowTitle()));
            item->setCheckable(true);
            item->setChecked(w == m_pMdi->activeSubWindow());
            connect(item, &QAction::triggered, this, [this, w] { m_pMdi->setActiveSubWindow(w); });
        }
    });
    m_pWindowMenu->addAction(Action(ID_WINDOW_CASCADE));
    m_pWindowMenu->addAction(Action(ID_WINDOW_TILE));

    // The top-level Report command: the toolbar's action carries a picture, which a menu bar
    // would show in place of the text, so the menu bar has a text-only twin.
    QAction *report = Action(ID_REPORT);
    auto *reportEntry = new QAction(report->text(), this);
    reportEntry->setObjectName(QStringLiteral("ReportMenuEntry"));
    reportEntry->setStatusTip(report->statusTip());
    reportEntry->setEnabled(report->isEnabled());
    connect(reportEntry, &QAction::triggered, report, &QAction::trigger);
    connect(report, &QAction::enabledChanged, reportEntry, &QAction::setEnabled);
    connect(report, &QAction::changed, reportEntry, [report, reportEntry] { reportEntry->setText(report->text()); });

    m_profileMenuBar = {fileMenu(true)->menuAction(), editMenu(true)->menuAction(),
                        viewMenu(true)->menuAction(), deviceMenu(true)->menuAction(),
                        reportEntry, m_pWindowMenu->menuAction(), helpMenu()->menuAction()};

    menuBar()->addActions(m_noProfileMenuBar);
    for (QAction *top : m_noProfileMenuBar + m_profileMenuBar)
        if (top->menu())
            connect(top->menu(), &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
}

void CMainFrame::UpdateMenuSet()
{
    const bool profile = !m_pMdi->subWindowList().isEmpty();
    if (profile == m_bProfileMenus && !menuBar()->actions().isEmpty())
        return;
    m_bProfileMenus = profile;
    menuBar()->clear();
    menuBar()->addActions(profile ? m_profileMenuBar : m_noProfileMenuBar);
}

void CMainFrame::CreateToolBar()
{
    m_pToolBar = new QToolBar(QStringLiteral("Standard"), this);
    m_pToolBar->setObjectName(QStringLiteral("ToolBar"));
    m_pToolBar->setIconSize(QSize(24, 24));
    m_pToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_pToolBar->setAllowedAreas(Qt::AllToolBarAreas);
    m_pToolBar->setMovable(true);
    for (int id : ToolbarLayout()) {
        if (id == 0)
            m_pToolBar->addSeparator();
        else
            m_pToolBar->addAction(Action(id));
    }
    addToolBar(Qt::TopToolBarArea, m_pToolBar);
    QAction *toggle = Action(ID_VIEW_TOOLBAR);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, m_pToolBar, &QToolBar::setVisible);
    connect(m_pToolBar, &QToolBar::visibilityChanged, toggle, &QAction::setChecked);
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    m_pIdlePane = new QLabel(LoadStr(IDS_STATUS_IDLE), bar);
    bar->addWidget(m_pIdlePane, 1);
    auto pane = [bar](const QString &name, int minChars) {
        auto *label = new QLabel(bar);
        label->setObjectName(name);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QLatin1Char('M')) * minChars);
        bar->addPermanentWidget(label);
        return label;
    };
    m_pPortPane = pane(QStringLiteral("PortPane"), 7);
    m_pCapsPane = pane(QStringLiteral("CapsPane"), 3);
    m_pNumPane = pane(QStringLiteral("NumPane"), 3);
    m_pScrollPane = pane(QStringLiteral("ScrollPane"), 3);
    m_pCapsPane->setText(LoadStr(IDS_INDICATOR_CAPS));
    m_pNumPane->setText(LoadStr(IDS_INDICATOR_NUM));
    m_pScrollPane->setText(LoadStr(IDS_INDICATOR_SCRL));
    UpdateLockPanes();

    QAction *toggle = Action(ID_VIEW_STATUS_BAR);
    toggle->setChecked(true);
    connect(toggle, &QAction::toggled, bar, &QStatusBar::setVisible);
}

void CMainFrame::ShowMaximized()
{
    if (QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        setGeometry(screen->availableGeometry());
    showMaximized();
    activateWindow();
}

void CMainFrame::UpdateLockPanes()
{
    bool known = false;
    const unsigned state = QueryLockKeys(&known);
    auto show = [known](QLabel *pane, bool on) {
        // A lock that is off (or whose state is unknown) is shown greyed, as the classic
        // indicator panes do.
        pane->setEnabled(known && on);
    };
    show(m_pCapsPane, state & 1);
    show(m_pNumPane, state & 2);
    show(m_pScrollPane, state & 4);
}

void CMainFrame::SetPortPane(const QString &text)
{
    m_pPortPane->setText(text);
}

QString CMainFrame::PortPaneText() const
{
    return m_pPortPane->text();
}

void CMainFrame::SetCablePort(const QString &port)
{
    m_strCablePort = port;
    SetPortPane(port);
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
    sub->setWindowIcon(windowIcon());
    connect(child, &CChildFrame::TitleChanged, this, &CMainFrame::UpdateFrameTitle);
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

void CMainFrame::UpdateFrameTitle()
{
    // The window's own title is the program's name. A maximised profile window adds its
    // title in brackets, "ZQV CPS - [name]", as multi-document windows show it; the profile
    // windows' titles carry the modified mark.
    const QString app = LoadStr(IDS_APP_NAME);
    if (!ActiveChild() || !m_pMdi->currentSubWindow() || !m_pMdi->currentSubWindow()->isMaximized())
        setWindowTitle(app);
}

void CMainFrame::UpdateRecentFiles()
{
    const QStringList files = m_app.RecentFiles();
    for (int i = 0; i < m_recentActions.size(); ++i) {
        QAction *action = m_recentActions[i];
        if (i < files.size()) {
            const QString name = QFileInfo(files[i]).fileName();
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
            action->setToolTip(files[i]);
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
    m_pRecentPlaceholder->setVisible(files.isEmpty());
}

void CMainFrame::WatchFocus(QWidget *now)
{
    if (m_pWatchedEdit)
        m_pWatchedEdit->disconnect(this);
    m_pWatchedEdit = nullptr;
    if (!IsEditBox(now))
        return;
    m_pWatchedEdit = now;
    if (auto *le = qobject_cast<QLineEdit *>(now))
        connect(le, &QLineEdit::selectionChanged, this, &CMainFrame::UpdateCommands);
    else if (auto *pe = qobject_cast<QPlainTextEdit *>(now))
        connect(pe, &QPlainTextEdit::selectionChanged, this, &CMainFrame::UpdateCommands);
    else if (auto *te = qobject_cast<QTextEdit *>(now))
        connect(te, &QTextEdit::selectionChanged, this, &CMainFrame::UpdateCommands);
}

void CMainFrame::UpdateCommands()
{
    if (m_bDestroying)
        return;
    const bool profile = ActiveChild() != nullptr;
    const bool idle = m_app.TransferIdle();
    const CCommandState &flags = CCommandState::Instance();
    QWidget *focus = QApplication::focusWidget();
    // Edit commands apply to an edit box of this window only, not to one in a dialog.
    if (focus && focus->window() != this)
        focus = nullptr;

    auto enable = [this](int id, bool on) {
        if (QAction *action = Action(id))
            action->setEnabled(on);
    };
    enable(ID_FILE_CLOSE, profile);
    enable(ID_FILE_SAVE, profile);
    enable(ID_FILE_SAVE_AS, profile);
    enable(ID_EDIT_ADD, profile && flags.AddAllowed());
    enable(ID_EDIT_SCAN_ADD, profile && flags.ScanAllowed());
    enable(ID_EDIT_CUT, CanEdit(EditCommand::Cut, focus));
    enable(ID_EDIT_COPY, CanEdit(EditCommand::Copy, focus));
    enable(ID_EDIT_PASTE, CanEdit(EditCommand::Paste, focus));
    enable(ID_EDIT_DELETE, IsEditableEditBox(focus) ? CanEdit(EditCommand::Delete, focus)
                                                    : profile && flags.DeleteAllowed());
    enable(ID_EDIT_RENAME, profile && flags.RenameAllowed());
    enable(ID_VIEW_HELP_PANE, profile);
    enable(ID_DEVICE_READ, idle);
    enable(ID_DEVICE_WRITE, profile && idle);
    enable(ID_DEVICE_RESET, idle);
    enable(ID_REPORT, profile && m_app.HasReportHandler());
    enable(ID_WINDOW_CASCADE, profile);
    enable(ID_WINDOW_TILE, profile);
    if (QAction *pane = Action(ID_VIEW_HELP_PANE))
        pane->setChecked(profile && ActiveChild()->HelpPaneShown());
    for (const auto &lang : kLanguageCommands)
        Action(lang.id)->setChecked(m_strCurrentLanguage == QLatin1String(lang.name));
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
    case ID_REPORT: m_app.OnReport(); break;
    case ID_WINDOW_CASCADE: m_pMdi->cascadeSubWindows(); break;
    case ID_WINDOW_TILE: m_pMdi->tileSubWindows(); break;
    case ID_HELP_CONTENTS: OnHelpContents(); break;
    case ID_APP_ABOUT: m_app.OnAppAbout(); break;
    default: break;
    }
    UpdateCommands();
}

void CMainFrame::OnEditCommand(int id)
{
    QWidget *focus = QApplication::focusWidget();
    if (focus && focus->window() != this)
        focus = nullptr;
    const EditCommand command = id == ID_EDIT_CUT ? EditCommand::Cut
                                : id == ID_EDIT_COPY ? EditCommand::Copy
                                : id == ID_EDIT_PASTE ? EditCommand::Paste
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

bool CMainFrame::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        // The password boxes never give their text to the clipboard nor take it from there,
        // whichever way the request comes.
        if (watched->isWidgetType() && IsPasswordBox(static_cast<QWidget *>(watched)) &&
            (key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Copy) ||
             key->matches(QKeySequence::Paste)))
            return true;
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
    case QEvent::ApplicationActivate: UpdateLockPanes(); break;
    default: break;
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace zqv
