// The main window: menu bar (one set without profiles, one with), toolbar, status bar with the
// message, port and lock-key panes, the profile windows in a multi-document area, the commands
// of the command table with their enabling rules, and the Read, Write and Reset sequences.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace zqv {

class CChildFrame;
class CZQVCPSApp;
struct MenuSpec;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CZQVCPSApp &app);
    ~CMainFrame() override;

    // The action of a command (see CommandIds.h); null for an unknown number.
    QAction *Action(int commandId) const;
    QMenu *LanguageMenu() const { return m_pLanguageMenu; }
    QToolBar *ToolBar() const { return m_pToolBar; }
    QMdiArea *MdiArea() const { return m_pMdi; }

    // Profile windows.
    CChildFrame *ActiveChild() const;
    QList<CChildFrame *> Children() const;
    void AddChild(CChildFrame *child);
    // Brings a profile window to the front.
    void ActivateChild(CChildFrame *child);

    // The status bar's panes.
    void SetPortPane(const QString &text);
    QString PortPaneText() const;
    // The cable's port as last detected (empty when none) and a fresh detection.
    const QString &CablePort() const { return m_strCablePort; }
    void SetCablePort(const QString &port);

    bool HelpPaneShown() const { return m_bHelpPaneShown; }
    void SetHelpPaneShown(bool shown) { m_bHelpPaneShown = shown; }
    const QString &CurrentLanguage() const { return m_strCurrentLanguage; }

    // Shows the window maximised; it also covers the screen where no window manager acts on
    // the request (a bare X server).
    void ShowMaximized();

    // Re-evaluates every command's enabled and checked state.
    void UpdateCommands();
    // Undo, Redo (named after the steps they take) and Revert for the active profile window.
    void UpdateUndoCommands();
    // Applies the window title and the menu set for the open profiles.
    void UpdateFrameTitle();
    // Gives a profile window activated by Ctrl+Tab back the control that had the focus.
    void RestoreFocusAfterSwitch(QMdiSubWindow *sub);

    // Sees every command of the command table before it runs; a hook that answers true has
    // taken the command and it does not run (tests record which commands the keys reach).
    using CommandHook = std::function<bool(int commandId)>;
    void SetCommandHook(CommandHook hook) { m_fnCommandHook = std::move(hook); }

    // Command handlers that tests drive directly.
    void OnEditCommand(int commandId);
    void OnLanguage(const QString &language);
    void OnHelpContents();
    void OnToggleHelpPane();

signals:
    // Once, when the window's first frame is on screen and the cable's port has been looked for.
    void FirstFrameShown();

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;

private:
    void CreateActions();
    void CreateMenus();
    QMenu *CreateMenu(const MenuSpec &spec, bool profile);
    QAction *CreateCommandEntry(const MenuSpec &spec);
    QMenu *CreateWindowMenu(const MenuSpec &spec);
    void CreateToolBar();
    void CreateStatusBar();
    void UpdateMenuSet();
    void UpdateRecentFiles();
    void UpdateLockPanes();
    void WatchFocus(QWidget *now);
    // The control the Edit commands act on: the focused one, or the one that had the focus
    // before the menu bar or a menu took it. Null outside this window.
    QWidget *EditTarget() const;
    void OnCommand(int commandId);

    CZQVCPSApp &m_app;
    QMdiArea *m_pMdi = nullptr;
    QHash<int, QAction *> m_actions;
    QList<QAction *> m_recentActions;
    QAction *m_pRecentPlaceholder = nullptr;
    QMenu *m_pLanguageMenu = nullptr;
    QMenu *m_pWindowMenu = nullptr;
    QList<QAction *> m_noProfileMenuBar;
    QList<QAction *> m_profileMenuBar;
    bool m_bProfileMenus = false;
    QToolBar *m_pToolBar = nullptr;
    QLabel *m_pIdlePane = nullptr;
    QLabel *m_pPortPane = nullptr;
    QLabel *m_pCapsPane = nullptr;
    QLabel *m_pNumPane = nullptr;
    QLabel *m_pScrollPane = nullptr;
    QPointer<QWidget> m_pWatchedEdit;
    // The control each profile window had when Ctrl+Tab left it.
    QHash<QMdiSubWindow *, QPointer<QWidget>> m_focusBeforeSwitch;
    QPointer<QWidget> m_pLastControl;
    QString m_strCablePort;
    QString m_strCurrentLanguage;
    bool m_bHelpPaneShown = false;
    bool m_bDestroying = false;
    bool m_bFirstFrameSeen = false;
    // An activation of the program has been seen (the first comes with the first show).
    bool m_bActivatedBefore = false;
    CommandHook m_fnCommandHook;
};

}  // namespace zqv
