// The main window's bars: the actions of the command table, the two menu sets built from the
// menu table, the toolbar, the status bar with its panes, the recent-file entries, and which
// commands are enabled for the focused control and the active profile window.
#include "MainFrame.h"

#include "ChildFrame.h"
#include "CommandIds.h"
#include "CommandState.h"
#include "CommandTable.h"
#include "EditCommands.h"
#include "Languages.h"
#include "LockKeys.h"
#include "MenuTable.h"
#include "StringTable.h"
#include "ZQVCPSApp.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTextEdit>
#include <QToolBar>
#include <QUndoStack>

namespace zqv {

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
        action->setShortcuts(CommandShortcuts(spec));
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
    for (int id : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_HELP_PANE, ID_VIEW_PROBLEMS})
        m_actions[id]->setCheckable(true);

    // The Language menu's commands are the command table's language ids.
    static_assert(kLanguages[0].commandId == ID_LANGUAGE_CA_FRENCH && kLanguages[1].commandId == ID_LANGUAGE_FRENCH &&
                  kLanguages[2].commandId == ID_LANGUAGE_ENGLISH && kLanguages[3].commandId == ID_LANGUAGE_GERMAN &&
                  kLanguages[4].commandId == ID_LANGUAGE_LA_PORTUGUESE &&
                  kLanguages[5].commandId == ID_LANGUAGE_LA_SPANISH && kLanguages[6].commandId == ID_LANGUAGE_SPANISH);
    for (const LanguageEntry &lang : kLanguages) {
        auto *action = new QAction(QString::fromLatin1(lang.name), this);
        action->setObjectName(QString::number(lang.commandId));
        action->setCheckable(true);
        action->setData(QString::fromLatin1(lang.name));
        const QString name = QString::fromLatin1(lang.name);
        connect(action, &QAction::triggered, this, [this, name] { OnLanguage(name); });
        m_actions.insert(lang.commandId, action);
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
    m_pLanguageMenu = new QMenu(LoadStr(IDS_MENU_EDIT_LANGUAGE), this);
    m_pLanguageMenu->setObjectName(QStringLiteral("LanguageMenu"));
    for (const LanguageEntry &lang : kLanguages)
        m_pLanguageMenu->addAction(Action(lang.commandId));

    // Each set has menus of its own; the Language submenu, the Window menu and a top-level
    // command's entry exist once (the window list and the command rows are profile-only, so
    // they are built for the profile set alone).
    for (const bool profile : {false, true}) {
        QList<QAction *> &bar = profile ? m_profileMenuBar : m_noProfileMenuBar;
        for (const MenuSpec &spec : MenuTable()) {
            if (spec.profileOnly && !profile)
                continue;
            switch (spec.kind) {
            case MenuKind::Popup: bar << CreateMenu(spec, profile)->menuAction(); break;
            case MenuKind::Command:
                Q_ASSERT(spec.profileOnly);
                bar << CreateCommandEntry(spec);
                break;
            case MenuKind::WindowList:
                Q_ASSERT(spec.profileOnly);
                bar << CreateWindowMenu(spec)->menuAction();
                break;
            }
        }
    }

    menuBar()->addActions(m_noProfileMenuBar);
    for (QAction *top : m_noProfileMenuBar + m_profileMenuBar)
        if (top->menu())
            connect(top->menu(), &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
}

QMenu *CMainFrame::CreateMenu(const MenuSpec &spec, bool profile)
{
    auto *menu = new QMenu(LoadStr(spec.textId), this);
    for (const MenuEntrySpec &entry : spec.entries) {
        if (entry.profileOnly && !profile)
            continue;
        switch (entry.kind) {
        case MenuEntryKind::Command: menu->addAction(Action(entry.commandId)); break;
        case MenuEntryKind::Separator: menu->addSeparator(); break;
        case MenuEntryKind::RecentFiles:
            menu->addAction(m_pRecentPlaceholder);
            menu->addActions(m_recentActions);
            break;
        case MenuEntryKind::LanguageMenu: menu->addMenu(m_pLanguageMenu); break;
        }
    }
    return menu;
}

QAction *CMainFrame::CreateCommandEntry(const MenuSpec &spec)
{
    // The toolbar's action carries a picture, which a menu bar would show in place of the
    // text, so the menu bar has a text-only twin.
    QAction *command = Action(spec.entries.front().commandId);
    auto *entry = new QAction(command->text(), this);
    if (spec.objectName)
        entry->setObjectName(QString::fromLatin1(spec.objectName));
    entry->setStatusTip(command->statusTip());
    entry->setEnabled(command->isEnabled());
    connect(entry, &QAction::triggered, command, &QAction::trigger);
    connect(command, &QAction::enabledChanged, entry, &QAction::setEnabled);
    connect(command, &QAction::changed, entry, [command, entry] { entry->setText(command->text()); });
    return entry;
}

QMenu *CMainFrame::CreateWindowMenu(const MenuSpec &spec)
{
    m_pWindowMenu = new QMenu(LoadStr(spec.textId), this);
    const auto addCommands = [this, entries = &spec.entries] {
        for (const MenuEntrySpec &entry : *entries)
            m_pWindowMenu->addAction(Action(entry.commandId));
    };
    connect(m_pWindowMenu, &QMenu::aboutToShow, this, [this, addCommands] {
        // The commands, then one entry per profile window with a check on the active one.
        m_pWindowMenu->clear();
        addCommands();
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
    addCommands();
    return m_pWindowMenu;
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
    m_pIdlePane->setTextFormat(Qt::PlainText);
    bar->addWidget(m_pIdlePane, 1);
    auto pane = [bar](const QString &name, int minChars) {
        auto *label = new QLabel(bar);
        label->setObjectName(name);
        label->setTextFormat(Qt::PlainText);  // the port pane shows a device path as it is
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

void CMainFrame::UpdateRecentFiles()
{
    const QStringList files = m_app.RecentFiles();
    for (int i = 0; i < m_recentActions.size(); ++i) {
        QAction *action = m_recentActions[i];
        if (i < files.size()) {
            // A file's name as it is: an "&" in it is no accelerator, and markup in the path is
            // not read as markup by the tool tip.
            QString name = QFileInfo(files[i]).fileName();
            name.replace(QLatin1Char('&'), QLatin1String("&&"));
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
            action->setToolTip(QStringLiteral("<p style='white-space:pre'>%1</p>").arg(files[i].toHtmlEscaped()));
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
    m_pRecentPlaceholder->setVisible(files.isEmpty());
}

QWidget *CMainFrame::EditTarget() const
{
    QWidget *focus = QApplication::focusWidget();
    // The menu bar takes the focus while its menus are opened from the keyboard (Alt+E), and
    // an open menu is a window of its own: the Edit commands still act on the control that
    // had the focus before.
    if (!focus || qobject_cast<QMenuBar *>(focus) || qobject_cast<QMenu *>(focus) || QApplication::activePopupWidget())
        focus = m_pLastControl;
    // Edit commands apply to a control of this window only, not to one in a dialog.
    if (focus && focus->window() != this)
        focus = nullptr;
    return focus;
}

void CMainFrame::WatchFocus(QWidget *now)
{
    if (qobject_cast<QMenuBar *>(now) || qobject_cast<QMenu *>(now))
        return;
    m_pLastControl = now;
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
    QWidget *focus = EditTarget();

    auto enable = [this](int id, bool on) {
        if (QAction *action = Action(id))
            action->setEnabled(on);
    };
    enable(ID_FILE_CLOSE, profile);
    enable(ID_FILE_SAVE, profile);
    enable(ID_FILE_SAVE_AS, profile);
    for (int id :
         {ID_FILE_IMPORT_CONTACTS, ID_FILE_IMPORT_TEXTS, ID_FILE_EXPORT_CONTACTS, ID_FILE_EXPORT_TEXTS, ID_FILE_MERGE})
        enable(id, profile);
    UpdateUndoCommands();
    enable(ID_EDIT_ADD, profile && flags.AddAllowed());
    enable(ID_EDIT_SCAN_ADD, profile && flags.ScanAllowed());
    enable(ID_EDIT_CUT, CanEdit(EditCommand::Cut, focus));
    enable(ID_EDIT_COPY, CanEdit(EditCommand::Copy, focus) || CanCopyItems(ActiveChild(), focus));
    enable(ID_EDIT_PASTE, CanEdit(EditCommand::Paste, focus) || CanPasteItems(ActiveChild(), focus));
    enable(ID_EDIT_DELETE,
           IsEditableEditBox(focus) ? CanEdit(EditCommand::Delete, focus) : profile && flags.DeleteAllowed());
    enable(ID_EDIT_RENAME, profile && flags.RenameAllowed());
    enable(ID_VIEW_HELP_PANE, profile);
    enable(ID_VIEW_CONTACTS_TABLE, profile);
    enable(ID_VIEW_PROBLEMS, profile);
    enable(ID_VIEW_FILTER, profile);
    enable(ID_DEVICE_READ, idle);
    enable(ID_DEVICE_WRITE, profile && idle);
    enable(ID_DEVICE_RESET, idle);
    enable(ID_DEVICE_RESTORE, idle);
    enable(ID_DEVICE_COMPARE, profile && idle);
    enable(ID_DEVICE_TEST_CONNECTION, idle);
    enable(ID_REPORT, profile && m_app.HasReportHandler());
    enable(ID_WINDOW_CASCADE, profile);
    enable(ID_WINDOW_TILE, profile);
    if (QAction *pane = Action(ID_VIEW_HELP_PANE))
        pane->setChecked(profile && ActiveChild()->HelpPaneShown());
    if (QAction *problems = Action(ID_VIEW_PROBLEMS))
        problems->setChecked(profile && ActiveChild()->ProblemsShown());
    for (const LanguageEntry &lang : kLanguages)
        Action(lang.commandId)->setChecked(m_strCurrentLanguage == QLatin1String(lang.name));
}

void CMainFrame::UpdateUndoCommands()
{
    CChildFrame *child = ActiveChild();
    const QUndoStack *stack = child ? &child->UndoStack() : nullptr;
    const bool idle = m_app.TransferIdle();
    const auto label = [](int plainId, int namedId, bool can, const QString &name) {
        if (!can || name.isEmpty())
            return SplitMenuText(LoadStr(plainId)).label;
        QString shown = name;
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        return SplitMenuText(FormatStr(namedId, {shown})).label;
    };
    const bool canUndo = idle && stack && stack->canUndo();
    const bool canRedo = idle && stack && stack->canRedo();
    if (QAction *undo = Action(ID_EDIT_UNDO)) {
        undo->setEnabled(canUndo);
        undo->setText(
            label(IDS_MENU_EDIT_UNDO, IDS_MENU_EDIT_UNDO_NAMED, canUndo, stack ? stack->undoText() : QString()));
    }
    if (QAction *redo = Action(ID_EDIT_REDO)) {
        redo->setEnabled(canRedo);
        redo->setText(
            label(IDS_MENU_EDIT_REDO, IDS_MENU_EDIT_REDO_NAMED, canRedo, stack ? stack->redoText() : QString()));
    }
    if (QAction *revert = Action(ID_FILE_REVERT))
        revert->setEnabled(idle && child && child->CanRevert());
}

}  // namespace zqv
