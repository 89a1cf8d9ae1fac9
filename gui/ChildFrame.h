// The window of one open profile: a splitter with the profile tree on the left and one form
// on the right, optionally with the help pane in a row below the form. It owns the profile
// document and answers the document's questions about the application around it.
#pragma once

#include "HelpPane.h"
#include "ProfileTree.h"
#include "ZQVCPSDoc.h"

#include <QByteArray>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

class QSplitter;
class QUndoStack;

namespace zqv {

class CZQVCPSApp;
class CProblemsPanel;

// The view kinds: which form the right-hand side shows.
enum ViewKind : int {
    kViewRadioInfo = 0,
    kViewSettings = 1,
    kViewTextMessages = 2,
    kViewTextMessage = 3,
    kViewContacts = 4,
    kViewPublicGroups = 5,
    kViewPrivateGroups = 6,
    kViewPrivates = 7,
    kViewPublicGroup = 8,
    kViewPrivateGroup = 9,
    kViewPrivate = 10,
    kViewLists = 11,
    kViewScrollList = 12,
    kViewScanList = 13,
    kViewScanChannel = 14,
};

// Creates the form of a view kind for a profile window; null when the kind has no form.
using ViewFactory = std::function<QWidget *(CChildFrame &, int kind)>;

class CChildFrame : public QWidget, public IDocumentHost {
    Q_OBJECT
public:
    // The help pane's starting height, in pixels.
    static constexpr int kHelpPaneHeight = 150;
    // The tree's starting width.
    static constexpr int kTreeWidth = 240;

    CChildFrame(CZQVCPSApp &app, bool helpPane);
    ~CChildFrame() override;

    // Plug-in points for the profile tree and the forms. Without them a window shows the root
    // node and no form.
    static void SetTreeFactory(TreeFactory factory);
    static void SetViewFactory(ViewFactory factory);

    // Loads the document: a new profile (from the template or the last radio read) or a file.
    // False when it could not be loaded (the document has shown why).
    bool NewDocument(const VirtualCPData *record = nullptr);
    bool OpenDocument(const QString &path, std::unique_ptr<CRadioDataModel> loaded = nullptr);

    CZQVCPSDoc &Document() { return *m_pDoc; }
    IProfileTree &Tree() { return *m_pTree; }
    QString Title() const;
    // Renames the document as the window shows it (its file name does not change).
    void SetTitle(const QString &title);
    bool IsModified() const;
    // The profile changed (true): the change becomes a step of the undo history, or part of
    // the step of the edit running (BeginEdit), and the modified mark shows. False marks the
    // profile as saved.
    void SetModified(bool modified = true);
    // Re-reads everything from the profile after it was replaced (opened, a radio read, a
    // conversion while saving) and shows the title and modified mark. The undo history starts
    // afresh from the new profile.
    void ProfileChanged();

    // The undo history of this window: one step per change, each holding the profile before
    // and after it, at most kUndoSteps of them.
    static constexpr int kUndoSteps = 100;
    QUndoStack &UndoStack() const { return *m_pUndo; }
    // Every change until the matching EndEdit is one step named `name`; pairs nest, and the
    // outermost names the step.
    void BeginEdit(const QString &name);
    void EndEdit();
    // The bytes the history holds: every state its steps keep, each counted once.
    qint64 HistoryBytes() const;
    // Undo and Redo let the form accept its pending edit first.
    void Undo();
    void Redo();
    // Back to the profile as last saved: through the history when it still reaches that
    // state (and Redo goes forward again), else read again from the file after a question.
    bool CanRevert() const;
    void Revert();

    // The right-hand form.
    void ShowView(int kind);
    int ViewKind() const { return m_nViewKind; }
    QWidget *RightView() const { return m_pView; }
    QWidget *HelpPane() const { return m_pHelpPane; }
    // The pane while it is shown, else null.
    IHelpPane *HelpPaneInterface() const { return m_pHelpPane.data(); }
    QSplitter *MainSplitter() const { return m_pSplitter; }
    QSplitter *NestedSplitter() const { return m_pNested; }

    bool HelpPaneShown() const { return m_bHelpPane; }
    int HelpPaneHeight() const { return m_nHelpPaneHeight; }
    // Shows or hides the help pane, keeping the form's kind.
    void ToggleHelpPane();
    // The Problems panel below the tree and the form (hidden until asked for); shown, it
    // lists the profile's problems at once.
    CProblemsPanel *Problems() const { return m_pProblems; }
    bool ProblemsShown() const;
    void ShowProblems(bool show);
    // A control of the form got the focus / a new form is shown: passed to the pane when it
    // is shown.
    void ShowControlHelp(const QString &formClass, int controlId);
    void BlankHelpPane();
    // The help page for the keyboard focus `focus`: the page of the form's control that holds
    // it, else the page of the form shown (the tree, the filter and the panels share it).
    QString HelpPageFor(const QWidget *focus) const;
    // A text in the main window's message pane; an empty text brings the idle prompt back.
    void ShowStatusText(const QString &text);

    // Runs the read-private-ID dialog over the radio link (modal, above this window): the ID
    // captured when the user closed it with OK; nothing when it was cancelled or failed.
    std::optional<QString> ReadPrivateIdFromRadio();

    // Save / Save As (the tree commits the form's edit first). False when not saved.
    bool Save(bool saveAs);
    // The save-changes question before closing; false keeps the window.
    bool SaveModified();
    // The question has been answered for this window (the program is closing).
    void SetCloseConfirmed() { m_bCloseConfirmed = true; }
    // Closes the window without the save question once control is back in the event loop
    // (callers may be running inside the window's own code).
    void CloseWithoutSavingLater();
    // A radio sequence works on this profile: the window refuses to close until it is
    // unlocked. A close without saving asked for meanwhile (a form found the profile
    // inconsistent) happens when the lock goes.
    void SetTransferLock(bool locked);
    bool IsTransferLocked() const { return m_bTransferLock; }
    // Runs the menu relabelling passes the first time the window is shown.
    void OnFirstShow();

    // IDocumentHost
    QString NewProfileTemplatePath() const override;
    std::shared_ptr<const CXmlDocument> WorkingSettingDocument(int group) override;
    bool CommitPendingEdit() override;
    void ProfileReloaded() override;
    void SetBusy(bool busy) override;

signals:
    void TitleChanged();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    friend class CProfileStep;
    // Records the change since the last step as a new step (nothing when the profile is as it
    // was). An empty name takes the selected node's.
    void RecordChange(const QString &name);
    // Puts the profile into a state the history keeps (compressed) and lets the views re-read it.
    void RestoreState(const QByteArray &packed);
    void ResetHistory();
    void FollowCleanState();

    QWidget *CreateView(int kind);
    void PlaceRightView(QWidget *view);
    // Takes a replaced form (or its row) out of the window and deletes it later.
    void RetireWidget(QWidget *widget);
    void ApplyHelpPaneSizes();
    void UpdateWindowTitle();

    CZQVCPSApp &m_app;
    std::unique_ptr<CZQVCPSDoc> m_pDoc;
    std::unique_ptr<IProfileTree> m_pTree;
    QSplitter *m_pSplitter = nullptr;
    QSplitter *m_pProblemsSplitter = nullptr;  // the tree and form above, the problems below
    CProblemsPanel *m_pProblems = nullptr;
    QSplitter *m_pNested = nullptr;
    QPointer<QWidget> m_pView;
    QPointer<CHelpView> m_pHelpPane;
    QList<QPointer<QWidget>> m_retired;
    int m_nViewKind = kViewRadioInfo;
    bool m_bHelpPane = false;
    int m_nHelpPaneHeight = kHelpPaneHeight;
    int m_nTreeWidth = kTreeWidth;
    bool m_bCloseConfirmed = false;
    bool m_bFirstShown = false;
    bool m_bTransferLock = false;
    bool m_bClosePending = false;

    QUndoStack *m_pUndo = nullptr;
    QByteArray m_committed;  // the profile as the last step left it
    QByteArray m_committedPacked;  // the same, compressed as the steps keep it
    int m_nEditDepth = 0;
    QString m_strEditName;
    bool m_bEditChanged = false;
    bool m_bRestoring = false;
};

}  // namespace zqv
