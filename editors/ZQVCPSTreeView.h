// The profile tree on the left of a profile window. It shows the profile's folders and
// contacts and text messages, shows the form of the selected node on the right (after the form
// it leaves has accepted its edits), keeps contacts and text messages in name order, carries
// out adding, deleting and renaming, receives the change notices (ViewHint) of the forms, and
// tells the main window which of its commands (Add, Scan, Delete, Rename) are available.
//
// Tree shape, in this order: the root (the radio model); All Contacts (the contacts table);
// Contacts with Privates, Private Groups and Public Groups (each only when the rule script
// enables its element); Settings; Lists with Scroll (count) and, when the model has public
// scanning, Scan List with one node per channel; Text Messages (when enabled). Each node carries MakeItemValue(kind,
// index).
#pragma once

#include "ContactExchange.h"
#include "DataItem.h"
#include "NodeKinds.h"

#include <QPointer>
#include <QString>
#include <QTreeWidget>
#include <map>
#include <vector>

class QMenu;

namespace zqv {

class CBaseView;
class IEditorHost;

class CZQVCPSTreeView : public QTreeWidget {
    Q_OBJECT
public:
    // The longest name the in-place rename and the forms' name fields accept, and the length
    // after which text-message labels are cut.
    static constexpr int kMaxNameLength = 20;
    static constexpr int kMaxLabelLength = 20;

    // Which tree commands the selected node offers (all clear while the tree has no focus).
    struct CommandFlags {
        bool add = false;
        bool scan = false;
        bool del = false;
        bool rename = false;
        bool operator==(const CommandFlags &o) const
        {
            return add == o.add && scan == o.scan && del == o.del && rename == o.rename;
        }
    };

    explicit CZQVCPSTreeView(IEditorHost &host, QWidget *parent = nullptr);
    ~CZQVCPSTreeView() override;

    // Fills the whole tree from the profile, selects the root and shows its form.
    void Build();
    // The form of node kind `kind` for the current node, loaded from the profile. The host's
    // ShowView calls it. Throws CZQVCPSException when the form cannot load.
    QWidget *CreateForm(int kind);
    // The form on the right when it is one of the tree's forms.
    CBaseView *CurrentForm() const;

    // The index of the element the forms work on (the current node's index), and the text
    // handed to a private contact form added with or without the scanner.
    int CurrentIndex() const { return m_nCurrentIndex; }
    const QString &AddText() const { return m_strFormAddText; }

    // Commands (menus, keys, context menu).
    void OnAdd();
    void OnScanAdd();
    void OnDelete();
    void OnRename();
    // Before Save, Save As, Write, Report and Scan, and for F6 from the form: ends a running
    // rename, puts the focus into the tree and lets the form accept its pending edit (or ask
    // whether to delete an element it cannot leave). False when either refuses (the command
    // then stops).
    bool CommitPendingEdits();
    // Relabels the selected node from the profile.
    void RefreshSelectedItem();
    // Adds another private contact with the scanner (the private contact form asks for it).
    void AddPrivateWithScanner();

    // The flags as the main window sees them (clear while the tree has no focus), and what
    // the selected node offers.
    CommandFlags Flags() const { return m_flags; }
    CommandFlags AvailableCommands() const;
    // The context menu of the selected node: Add, Scan(Add), Delete, Rename, each enabled by
    // its flag and wired to its command.
    QMenu *CreateContextMenu(QWidget *parent);
    // Opens that menu below the selected node (Shift+F10, the menu key).
    void ShowContextMenuOfCurrent();

    // Copy and paste of contacts and texts between profile windows (Edit menu, drags): the
    // items of the selected node (a contact or text itself; a folder all of its items;
    // Contacts every contact), and putting such items into this profile as one step, followed
    // by the list of what the profile could not take.
    ExchangeClip CopyItems() const;
    void PasteItems(const ExchangeClip &clip);

    // The change notice of a form (or of the tree itself): handled by the tree, then passed to
    // the form on the right unless it sent it.
    void UpdateAllViews(QObject *sender, const ViewHint &hint);

    // Nodes. The value of a node, the node of a kind and index (folders: index 0), and
    // selecting a node as a click does (with the form's validation); false when the form
    // kept the selection.
    static quint32 NodeValue(const QTreeWidgetItem *item);
    QTreeWidgetItem *FindNode(int kind, int index = 0) const;
    bool SelectNode(QTreeWidgetItem *item);
    // The label of a text message's node: its text, cut after 20 characters with "...".
    static QString TextMessageLabel(const QString &text);

    // The filter: only the nodes whose label, PID or message text contains `text` (case and
    // accents aside, as the name collation sees them) are shown, with the folders above them;
    // an empty text shows every node again. Nodes are only hidden, so the counts in the
    // folders' labels keep counting everything. Kept while the tree rebuilds nodes.
    void SetFilter(const QString &text);
    const QString &FilterText() const { return m_strFilterText; }
    // The first node the filter matches, in tree order; null without a filter or a match.
    QTreeWidgetItem *FirstMatch() const;

signals:
    void CommandFlagsChanged();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    // A node dragged out carries its items (CopyItems); items dropped from another window are
    // pasted here.
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    // A click or drag selects the node under the mouse after the selection handling has run
    // (which may have refused the move, or re-sorted the nodes): the highlight is put back on
    // the node whose form is shown.
    void selectionChanged(const QItemSelection &selected, const QItemSelection &deselected) override;

private:
    class CRenameDelegate;
    friend class CRenameDelegate;
    // Holds the tree's own node moves and rebuilds out of the selection handling.
    class CQuiet {
    public:
        explicit CQuiet(CZQVCPSTreeView &tree) : m_tree(tree) { ++m_tree.m_nQuiet; }
        ~CQuiet() { --m_tree.m_nQuiet; }
        CQuiet(const CQuiet &) = delete;
        CQuiet &operator=(const CQuiet &) = delete;

    private:
        CZQVCPSTreeView &m_tree;
    };
    static constexpr quint32 kNoNode = 0xFFFFFFFFu;
    static constexpr NodeKind kNoKind = static_cast<NodeKind>(-1);

    // Where the selection should go: a folder by kind and index, or an element node by the
    // element itself (its index may change while the tree works).
    struct Target {
        NodeKind kind = kNoKind;
        int index = 0;
        xmlNodePtr element = nullptr;
    };

    // Nodes and labels (ZQVCPSTreeView.cpp).
    CDataItem Root() const;
    QTreeWidgetItem *AddNode(QTreeWidgetItem *parent, NodeKind kind, int index, const QString &label);
    QTreeWidgetItem *FolderOf(NodeKind kind) const;
    void RebuildFolder(NodeKind folderKind);
    void LabelElementNode(QTreeWidgetItem *node, NodeKind kind, int index, xmlNodePtr element, const QString &ownPid);
    void SetLabel(QTreeWidgetItem *node, const QString &label);
    void RefreshScrollCount();
    void RefreshChannelCount(int channel);
    void RefreshAllChannelCounts();

    Target TargetOf(QTreeWidgetItem *item) const;
    QTreeWidgetItem *Resolve(const Target &target) const;
    QTreeWidgetItem *NodeOfElement(NodeKind kind, xmlNodePtr element) const;
    void ShowException(int messageId);

    // Filter (ZQVCPSTreeFilter.cpp).
    using FilterElements = std::map<NodeKind, std::vector<xmlNodePtr>>;
    bool MatchesFilter(QTreeWidgetItem *node, FilterElements &elements) const;
    bool FilterNode(QTreeWidgetItem *node, FilterElements &elements);
    void ApplyFilter();

    // Selection and forms (ZQVCPSTreeSelection.cpp).
    void OnCurrentItemChanged(QTreeWidgetItem *now, QTreeWidgetItem *previous);
    bool MoveSelection(const Target &target, bool validate);
    int ValidateForm();
    void ResortLeftNode();
    void ShowFormFor(QTreeWidgetItem *item);
    void SetCurrentQuietly(QTreeWidgetItem *item);
    void ShowAfterDelete(NodeKind kind, int index);
    void SyncCurrentToShown();
    void PostSyncCurrentToShown();
    QTreeWidgetItem *ShownNode() const;

    // Editing, notices and commands (ZQVCPSTreeEditing.cpp).
    void InstallRenameDelegate();
    void AddElement(NodeKind kind);
    void DeleteElement(NodeKind kind, int index);
    bool ApplyRename(QTreeWidgetItem *item, const QString &text);
    bool EndRunningRename();
    void UpdateCommandFlags();
    void ClearCommandFlags();
    void SetCommandFlags(const CommandFlags &flags);

    IEditorHost &m_host;
    CRenameDelegate *m_pDelegate = nullptr;
    QTreeWidgetItem *m_folders[kNodeKindCount] = {};  // root and folder nodes by kind
    int m_nQuiet = 0;  // > 0 while the tree moves or rebuilds nodes itself
    bool m_bValidating = false;  // the form's validation runs
    bool m_bApplyingRename = false;
    quint32 m_nShownValue = kNoNode;  // the node whose form is shown
    bool m_bShownDeleted = false;  // the element of that form was deleted
    bool m_bSyncPosted = false;  // a SyncCurrentToShown waits in the event queue
    int m_nCurrentIndex = 0;
    QString m_strAddText;  // remembered from an add of a private contact
    QString m_strFormAddText;  // handed to the form shown last
    CommandFlags m_flags;
    QString m_strFilterText;  // the filter as typed
    QString m_strFilterKey;  // and as a collation search key
};

}  // namespace zqv
