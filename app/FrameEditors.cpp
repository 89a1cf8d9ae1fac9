#include "FrameEditors.h"

#include "ChildFrame.h"
#include "CommandState.h"
#include "EditorHost.h"
#include "ProfileTree.h"
#include "TreeFilterBox.h"
#include "ZQVCPSTreeView.h"

#include <QTreeWidgetItemIterator>

namespace zqv {

namespace {

// The tree of one profile window, seen from the window as its IProfileTree and from the tree
// as the window it works in.
class CFrameTree : public IProfileTree, public IEditorHost {
public:
    CFrameTree(CChildFrame &frame, IPrompter &prompter)
        : m_frame(frame), m_prompter(prompter), m_pTree(new CZQVCPSTreeView(*this)),
          m_pColumn(new CTreeFilterBox(m_pTree))
    {
        QObject::connect(m_pTree, &CZQVCPSTreeView::CommandFlagsChanged, m_pTree, [tree = m_pTree] {
            const CZQVCPSTreeView::CommandFlags f = tree->Flags();
            CCommandState::Instance().SetTreeFlags(f.add, f.rename, f.del, f.scan);
        });
    }

    ~CFrameTree() override
    {
        // The window deletes its document before its widgets: the form and the tree go now,
        // while the document they work on is still there.
        delete m_frame.RightView();
        delete m_pColumn;
    }

    CZQVCPSTreeView &Tree() { return *m_pTree; }

    // IProfileTree
    QWidget *Widget() override { return m_pTree; }
    QWidget *Column() override { return m_pColumn; }
    void Build() override { m_pTree->Build(); }
    bool CommitPendingEdits() override { return m_pTree->CommitPendingEdits(); }
    void RefreshSelectedItem() override { m_pTree->RefreshSelectedItem(); }
    void Reload() override
    {
        // The node shown before is found again by its kind and label (a contact keeps its
        // name while others come and go around it), else by its place, else its folder.
        const QTreeWidgetItem *current = m_pTree->currentItem();
        const quint32 value = current ? CZQVCPSTreeView::NodeValue(current) : 0;
        const QString label = current ? current->text(0) : QString();
        m_pTree->Build();
        if (!current)
            return;
        const NodeKind kind = ItemKind(value);
        QTreeWidgetItem *target = nullptr;
        for (QTreeWidgetItemIterator it(m_pTree); *it && !target; ++it)
            if (ItemKind(CZQVCPSTreeView::NodeValue(*it)) == kind && (*it)->text(0) == label)
                target = *it;
        if (!target)
            target = m_pTree->FindNode(kind, ItemIndex(value));
        if (!target && IsElementKind(kind))
            target = m_pTree->FindNode(FolderKindOf(kind));
        if (target && target != m_pTree->currentItem())
            m_pTree->SelectNode(target);
    }
    QString SelectedLabel() const override
    {
        const QTreeWidgetItem *current = m_pTree->currentItem();
        return current ? current->text(0) : QString();
    }
    void OnAdd() override { m_pTree->OnAdd(); }
    void OnDelete() override { m_pTree->OnDelete(); }
    void OnRename() override { m_pTree->OnRename(); }
    void OnScanAdd() override { m_pTree->OnScanAdd(); }
    void ShowContactsTable() override
    {
        if (QTreeWidgetItem *node = m_pTree->FindNode(kNodeAllContacts))
            m_pTree->SelectNode(node);
    }
    ExchangeClip CopyItems() const override { return m_pTree->CopyItems(); }
    void PasteItems(const ExchangeClip &clip) override { m_pTree->PasteItems(clip); }
    void FocusFilter() override { m_pColumn->FocusFilter(); }
    bool ShowNode(int kind, int index) override
    {
        QTreeWidgetItem *node = m_pTree->FindNode(kind, index);
        if (!node)
            return false;
        for (QTreeWidgetItem *n = node; n; n = n->parent())
            if (n->isHidden()) {
                m_pColumn->ClearFilter();
                break;
            }
        m_pTree->setFocus(Qt::OtherFocusReason);
        return m_pTree->SelectNode(node);
    }

    // IEditorHost
    CZQVCPSDoc &Document() override { return m_frame.Document(); }
    IPrompter &Prompter() override { return m_prompter; }
    void ShowView(int kind) override { m_frame.ShowView(kind); }
    QWidget *RightView() const override { return m_frame.RightView(); }
    void SetModified() override { m_frame.SetModified(true); }
    void BeginEdit(const QString &name) override { m_frame.BeginEdit(name); }
    void EndEdit() override { m_frame.EndEdit(); }
    void CloseWithoutSaving() override { m_frame.CloseWithoutSavingLater(); }
    bool HelpPaneShown() const override { return m_frame.HelpPaneShown(); }
    void ShowControlHelp(const QString &formClass, int controlId) override
    {
        m_frame.ShowControlHelp(formClass, controlId);
    }
    void BlankHelpPane() override { m_frame.BlankHelpPane(); }
    void ShowStatusText(const QString &text) override { m_frame.ShowStatusText(text); }
    std::optional<QString> ReadPrivateIdFromRadio() override { return m_frame.ReadPrivateIdFromRadio(); }

private:
    CChildFrame &m_frame;
    IPrompter &m_prompter;
    CZQVCPSTreeView *m_pTree;
    CTreeFilterBox *m_pColumn;  // the filter box and the tree
};

}  // namespace

void InstallEditors(IPrompter &prompter)
{
    IPrompter *shown = &prompter;
    CChildFrame::SetTreeFactory([shown](CChildFrame &frame) -> std::unique_ptr<IProfileTree> {
        return std::make_unique<CFrameTree>(frame, *shown);
    });
    CChildFrame::SetViewFactory([](CChildFrame &frame, int kind) -> QWidget * {
        auto *tree = dynamic_cast<CFrameTree *>(&frame.Tree());
        return tree ? tree->Tree().CreateForm(kind) : nullptr;
    });
}

}  // namespace zqv
