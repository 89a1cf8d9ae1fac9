// What a profile window needs from the tree on its left: building from the profile, the
// commands the tree owns (Add, Delete, Rename, Scan) and committing the right-hand form's
// pending edit before the profile is saved, written or reported.
//
// CProfileRootTree is the tree of a profile window until the full profile tree is plugged in
// with CChildFrame::SetTreeFactory: it shows the profile's root node (whose form comes with
// the forms' plug-in, CChildFrame::SetViewFactory) and offers none of the tree commands.
#pragma once

#include "ContactExchange.h"

#include <QTreeWidget>
#include <functional>
#include <memory>

namespace zqv {

class CChildFrame;

class IProfileTree {
public:
    virtual ~IProfileTree() = default;
    virtual QWidget *Widget() = 0;
    // What the window puts in its left column: the tree, or the tree with what goes with it.
    virtual QWidget *Column() { return Widget(); }
    // Fills the tree from the profile, selects the root and shows its form.
    virtual void Build() = 0;
    // Asks the right-hand form to accept its pending edit; false when it refuses.
    virtual bool CommitPendingEdits() = 0;
    // Relabels the selected node after its form changed the profile.
    virtual void RefreshSelectedItem() = 0;
    // Fills the tree again after the profile was put back to another state (undo, redo),
    // keeping the selected node and its form where the node still exists.
    virtual void Reload() { Build(); }
    // The label of the selected node (empty when none): names a change made in its form.
    virtual QString SelectedLabel() const { return QString(); }
    virtual void OnAdd() = 0;
    virtual void OnDelete() = 0;
    virtual void OnRename() = 0;
    virtual void OnScanAdd() = 0;
    // Shows the table of all contacts (View > Contacts Table); a tree without one ignores it.
    virtual void ShowContactsTable() {}
    // The contacts and texts of the selected node for the clipboard, and pasting such items
    // into the profile (the full profile tree does both; this one neither).
    virtual ExchangeClip CopyItems() const { return {}; }
    virtual void PasteItems(const ExchangeClip &clip) { Q_UNUSED(clip); }
    // Ctrl+F: the focus into the filter box above the tree (a tree without one has nothing
    // to do).
    virtual void FocusFilter() {}
    // Selects the node of view kind `kind` and element index `index` as a click does, with
    // the filter cleared when it hides the node. False when there is no such node or the
    // form kept the selection.
    virtual bool ShowNode(int kind, int index)
    {
        Q_UNUSED(kind);
        Q_UNUSED(index);
        return false;
    }
};

using TreeFactory = std::function<std::unique_ptr<IProfileTree>(CChildFrame &)>;

class CProfileRootTree : public QTreeWidget, public IProfileTree {
    Q_OBJECT
public:
    explicit CProfileRootTree(CChildFrame &frame);

    QWidget *Widget() override { return this; }
    void Build() override;
    bool CommitPendingEdits() override { return true; }
    void RefreshSelectedItem() override {}
    void OnAdd() override {}
    void OnDelete() override {}
    void OnRename() override {}
    void OnScanAdd() override {}

private:
    CChildFrame &m_frame;
};

}  // namespace zqv
