// The profile tree's editing: adding, deleting and renaming elements, the change notices of
// the forms, the commands the tree offers, its keys and its context menu.
#include "ZQVCPSTreeView.h"

#include "BaseView.h"
#include "EditorHost.h"
#include "ProfileItems.h"
#include "Prompter.h"
#include "StringTable.h"
#include "ZQVCPSDoc.h"
#include "ZQVCPSException.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QStyledItemDelegate>

namespace zqv {

namespace {

// More channels than any radio has; a channel number beyond it names no node.
constexpr double kNodeScanChannelLimit = 0xFFFF;

}  // namespace

// The in-place rename: an edit of at most 20 characters whose text goes through the rule
// script instead of straight into the label.
class CZQVCPSTreeView::CRenameDelegate : public QStyledItemDelegate {
public:
    explicit CRenameDelegate(CZQVCPSTreeView &tree) : QStyledItemDelegate(&tree), m_tree(tree) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *edit = new QLineEdit(parent);
        edit->setMaxLength(kMaxNameLength);
        edit->setObjectName(QStringLiteral("TreeRenameEdit"));
        m_pEditor = edit;
        return edit;
    }

    void setModelData(QWidget *editor, QAbstractItemModel *, const QModelIndex &index) const override
    {
        if (auto *edit = qobject_cast<QLineEdit *>(editor))
            m_tree.ApplyRename(m_tree.itemFromIndex(index), edit->text());
    }

    mutable QPointer<QLineEdit> m_pEditor;

private:
    CZQVCPSTreeView &m_tree;
};

void CZQVCPSTreeView::InstallRenameDelegate()
{
    m_pDelegate = new CRenameDelegate(*this);
    setItemDelegate(m_pDelegate);
}

// ------------------------------------------------------------------ adding, deleting, renaming

namespace {

// How an element is named in the undo history: as its node is labelled.
QString StepLabel(NodeKind kind, xmlNodePtr element)
{
    return kind == kNodeTextMessage ? CZQVCPSTreeView::TextMessageLabel(GetAttr(element, "txt"))
                                    : GetAttr(element, "name");
}

}  // namespace

void CZQVCPSTreeView::AddElement(NodeKind kind)
{
    if (!IsAddKind(kind))
        return;
    try {
        // The form on the right lets go first: an element it cannot leave stays shown.
        if (ValidateForm() == 0)
            return;
        CDataItem list = ListItem(Root(), kind);
        if (!list.CanAddChild())
            return;
        if (kind == kNodePrivates || kind == kNodePrivatesWithScanner)
            m_strAddText = LoadStr(kind == kNodePrivatesWithScanner ? IDS_ADD_WITH_SCANNER : IDS_ADD_WITHOUT_SCANNER);
        CDataItem added;
        switch (kind) {
        case kNodePrivateGroups: list.AddNewPriGrpPrivate(LoadStr(IDS_NEW_GROUP_TEXT), added); break;
        case kNodePrivates:
        case kNodePrivatesWithScanner: list.AddNewPriGrpPrivate(LoadStr(IDS_NEW_PRIVATE_TEXT), added); break;
        default: list.AddNewChild(added); break;
        }
        if (added.IsEmpty()) {
            m_strAddText.clear();
            SyncCurrentToShown();
            return;
        }
        const NodeKind folderKind = FolderKindOf(kind);
        {
            CEditScope step(m_host, FormatStr(IDS_UNDO_ADD, {StepLabel(ElementKindOf(folderKind), added.Node())}));
            m_host.SetModified();
        }
        RebuildFolder(folderKind);
        if (folderKind != kNodeTextMessages)
            RefreshScrollCount();
        const double channel = AttrNumber(added.Node(), "channel");
        if (folderKind == kNodePublicGroups && channel >= 1 && channel <= kNodeScanChannelLimit)
            RefreshChannelCount(static_cast<int>(channel));
        const bool moved = MoveSelection(Target{ElementKindOf(folderKind), 0, added.Node()}, false);
        m_strAddText.clear();
        if (!moved)
            return;
        QPointer<CBaseView> form = CurrentForm();
        if (form)
            QMetaObject::invokeMethod(
                form, [form, kind] { form->OnAfterAdd(kind); }, Qt::QueuedConnection);
    } catch (const CZQVCPSException &e) {
        m_strAddText.clear();
        ShowException(e.GetMessageId());
        SyncCurrentToShown();
    }
}

void CZQVCPSTreeView::DeleteElement(NodeKind kind, int index)
{
    if (!IsElementKind(kind))
        return;
    try {
        CDataItem list = ListItem(Root(), kind);
        if (index < 0 || index >= list.GetChildCount())
            return;
        const Target shown = m_bShownDeleted ? Target{} : TargetOf(ShownNode());
        const QString label = StepLabel(kind, ListChild(Root(), kind, index).Node());
        // Deleting a contact others depend on asks first.
        const RuleResult result = CBaseView::ApplyRule(m_host.Prompter(), [&](int confirm, int &message, int &style) {
            return list.RemoveChildByIndex(index, message, confirm, style);
        });
        if (result != RuleResult::Applied)
            return;
        {
            CEditScope step(m_host, FormatStr(IDS_UNDO_DELETE, {label}));
            m_host.SetModified();
        }
        switch (kind) {
        case kNodeTextMessage: RebuildFolder(kNodeTextMessages); break;
        case kNodePublicGroup:
            RebuildFolder(kNodePublicGroups);
            RefreshScrollCount();
            RefreshAllChannelCounts();
            break;
        case kNodePrivateGroup:
            RebuildFolder(kNodePrivateGroups);
            RefreshScrollCount();
            break;
        case kNodePrivate:
            RebuildFolder(kNodePrivateGroups);
            RebuildFolder(kNodePrivates);
            RefreshScrollCount();
            break;
        default: break;
        }
        // The shown form's element may have gone, or moved up a place.
        QTreeWidgetItem *shownNode = shown.kind != kNoKind ? Resolve(shown) : nullptr;
        if (shownNode) {
            m_nShownValue = NodeValue(shownNode);
            m_nCurrentIndex = ItemIndex(m_nShownValue);
            SetCurrentQuietly(shownNode);
        } else if (!m_bShownDeleted) {
            m_bShownDeleted = true;
            ShowAfterDelete(kind, index);
        }
    } catch (const CZQVCPSException &e) {
        ShowException(e.GetMessageId());
        SyncCurrentToShown();
    }
    UpdateCommandFlags();
}

bool CZQVCPSTreeView::ApplyRename(QTreeWidgetItem *item, const QString &text)
{
    // A message box during the rename takes the focus from the editor, which would commit the
    // same text a second time.
    if (m_bApplyingRename || !item)
        return true;
    m_bApplyingRename = true;
    bool applied = false;
    const quint32 value = NodeValue(item);
    const NodeKind kind = ItemKind(value);
    const int index = ItemIndex(value);
    try {
        CDataItem element = ListChild(Root(), kind, index);
        if (IsRenameKind(kind) && !element.IsEmpty()) {
            const QString old = AttrText(element, "name");
            const RuleResult result =
                CBaseView::ApplyRule(m_host.Prompter(), [&](int confirm, int &message, int &style) {
                    return element.SetAttributeValue(QStringLiteral("name"), text, message, confirm, style);
                });
            if (result == RuleResult::Applied) {
                applied = true;
                SetLabel(item, AttrText(element, "name"));
                if (AttrText(element, "name") != old) {
                    CEditScope step(m_host, FormatStr(IDS_UNDO_RENAME, {old, AttrText(element, "name")}));
                    m_host.SetModified();
                }
                UpdateAllViews(this, ViewHint{kHintRefresh, kind, index});
            } else {
                SetLabel(item, old);
            }
        }
    } catch (const CZQVCPSException &e) {
        ShowException(e.GetMessageId());
    }
    m_bApplyingRename = false;
    return applied;
}

bool CZQVCPSTreeView::EndRunningRename()
{
    QLineEdit *edit = m_pDelegate->m_pEditor;
    if (state() != QAbstractItemView::EditingState || !edit)
        return true;
    const bool applied = ApplyRename(currentItem(), edit->text());
    closeEditor(edit, QAbstractItemDelegate::NoHint);
    return applied;
}

// ------------------------------------------------------------------ commands

void CZQVCPSTreeView::OnAdd()
{
    const NodeKind kind = ItemKind(NodeValue(currentItem()));
    if (kind == kNodeTextMessages || kind == kNodePublicGroups || kind == kNodePrivateGroups || kind == kNodePrivates)
        AddElement(kind);
}

void CZQVCPSTreeView::OnScanAdd()
{
    if (ItemKind(NodeValue(currentItem())) == kNodePrivates)
        AddElement(kNodePrivatesWithScanner);
}

void CZQVCPSTreeView::AddPrivateWithScanner()
{
    AddElement(kNodePrivatesWithScanner);
}

void CZQVCPSTreeView::OnDelete()
{
    const quint32 value = NodeValue(currentItem());
    DeleteElement(ItemKind(value), ItemIndex(value));
}

void CZQVCPSTreeView::OnRename()
{
    QTreeWidgetItem *item = currentItem();
    if (item && IsRenameKind(ItemKind(NodeValue(item))))
        editItem(item);
}

bool CZQVCPSTreeView::CommitPendingEdits()
{
    if (!EndRunningRename())
        return false;
    setFocus(Qt::OtherFocusReason);
    if (ValidateForm() == 0)
        return false;
    if (m_bShownDeleted && currentItem()) {
        try {
            ShowFormFor(currentItem());
        } catch (const CZQVCPSException &e) {
            ShowException(e.GetMessageId());
        }
    }
    UpdateCommandFlags();
    return true;
}

void CZQVCPSTreeView::RefreshSelectedItem()
{
    QTreeWidgetItem *item = currentItem();
    const quint32 value = NodeValue(item);
    const NodeKind kind = ItemKind(value);
    try {
        if (IsElementKind(kind)) {
            const CDataItem root = Root();
            const CDataItem element = ListChild(root, kind, ItemIndex(value));
            if (!element.IsEmpty())
                LabelElementNode(item, kind, ItemIndex(value), element.Node(),
                                 kind == kNodePrivate ? OwnPid(root) : QString());
        } else if (kind == kNodeScrollList) {
            RefreshScrollCount();
        } else if (kind == kNodeScanChannel) {
            RefreshChannelCount(ItemIndex(value) + 1);
        }
    } catch (const CZQVCPSException &e) {
        ShowException(e.GetMessageId());
    }
}

void CZQVCPSTreeView::UpdateAllViews(QObject *sender, const ViewHint &hint)
{
    try {
        switch (hint.operation) {
        case kHintAdd: AddElement(static_cast<NodeKind>(hint.kind)); break;
        case kHintDelete: DeleteElement(static_cast<NodeKind>(hint.kind), hint.index); break;
        case kHintRefresh:
            switch (hint.kind) {
            case kNodeTextMessage: RebuildFolder(kNodeTextMessages); break;
            case kNodePublicGroup:
                RebuildFolder(kNodePublicGroups);
                RefreshAllChannelCounts();
                break;
            case kNodePrivateGroup:
                RebuildFolder(kNodePrivateGroups);
                RefreshScrollCount();
                break;
            case kNodePrivate:
                // A channel change may have deleted groups it left empty, scroll-list
                // members among them.
                RebuildFolder(kNodePrivateGroups);
                RebuildFolder(kNodePrivates);
                RefreshScrollCount();
                break;
            case kNodeScrollList: RefreshScrollCount(); break;
            case kNodeScanChannel: RefreshChannelCount(hint.index + 1); break;
            }
            SyncCurrentToShown();
            break;
        }
    } catch (const CZQVCPSException &e) {
        ShowException(e.GetMessageId());
    }
    if (hint.operation == kHintRefresh) {
        CBaseView *form = CurrentForm();
        if (form && form != sender)
            form->OnUpdate(hint);
    }
}

// ------------------------------------------------------------------ command flags, keys, menu

CZQVCPSTreeView::CommandFlags CZQVCPSTreeView::AvailableCommands() const
{
    CommandFlags f;
    const NodeKind kind = ItemKind(NodeValue(currentItem()));
    if (kind == kNodeTextMessages || kind == kNodePublicGroups || kind == kNodePrivateGroups || kind == kNodePrivates) {
        try {
            f.add = ListItem(Root(), kind).CanAddChild();
        } catch (const CZQVCPSException &) {
            f.add = false;
        }
        f.scan = kind == kNodePrivates && f.add;
    }
    f.del = IsElementKind(kind);
    f.rename = IsRenameKind(kind);
    return f;
}

void CZQVCPSTreeView::SetCommandFlags(const CommandFlags &flags)
{
    if (flags == m_flags)
        return;
    m_flags = flags;
    emit CommandFlagsChanged();
}

void CZQVCPSTreeView::UpdateCommandFlags()
{
    SetCommandFlags(hasFocus() ? AvailableCommands() : CommandFlags{});
}

void CZQVCPSTreeView::ClearCommandFlags()
{
    SetCommandFlags(CommandFlags{});
}

void CZQVCPSTreeView::focusInEvent(QFocusEvent *event)
{
    QTreeWidget::focusInEvent(event);
    UpdateCommandFlags();
}

void CZQVCPSTreeView::focusOutEvent(QFocusEvent *event)
{
    QTreeWidget::focusOutEvent(event);
    // A menu opening over the tree keeps the commands it offers.
    if (event->reason() != Qt::PopupFocusReason)
        ClearCommandFlags();
}

void CZQVCPSTreeView::keyPressEvent(QKeyEvent *event)
{
    if (state() != QAbstractItemView::EditingState && event->modifiers() == Qt::NoModifier) {
        if (event->key() == Qt::Key_Delete) {
            OnDelete();
            return;
        }
        if (event->key() == Qt::Key_F2) {
            OnRename();
            return;
        }
        // F6 goes over to the form, where it left off.
        if (event->key() == Qt::Key_F6) {
            if (CBaseView *form = CurrentForm())
                form->TakeFocusFromTree();
            return;
        }
    }
    // Shift+F10 opens the context menu of the selected node, as the menu key does.
    if (state() != QAbstractItemView::EditingState && event->key() == Qt::Key_F10 &&
        event->modifiers() == Qt::ShiftModifier) {
        ShowContextMenuOfCurrent();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void CZQVCPSTreeView::ShowContextMenuOfCurrent()
{
    QTreeWidgetItem *item = currentItem();
    if (!item)
        return;
    scrollToItem(item);
    const QRect rect = visualItemRect(item);
    QMenu *menu = CreateContextMenu(this);
    menu->exec(viewport()->mapToGlobal(QPoint(rect.left() + rect.height(), rect.bottom())));
    delete menu;
}

QMenu *CZQVCPSTreeView::CreateContextMenu(QWidget *parent)
{
    const CommandFlags f = AvailableCommands();
    auto *menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("TreeContextMenu"));
    QAction *add = menu->addAction(LoadStr(IDS_MENU_EDIT_ADD), this, [this] { OnAdd(); });
    QAction *scan = menu->addAction(LoadStr(IDS_MENU_EDIT_SCAN_ADD), this, [this] {
        if (CommitPendingEdits())
            OnScanAdd();
    });
    QAction *del = menu->addAction(LoadStr(IDS_MENU_EDIT_DELETE), this, [this] { OnDelete(); });
    QAction *rename = menu->addAction(LoadStr(IDS_MENU_EDIT_RENAME), this, [this] { OnRename(); });
    add->setEnabled(f.add);
    scan->setEnabled(f.scan);
    del->setEnabled(f.del);
    rename->setEnabled(f.rename);
    return menu;
}

void CZQVCPSTreeView::contextMenuEvent(QContextMenuEvent *event)
{
    // From the keyboard (the menu key) the menu belongs to the selected node, wherever the
    // mouse pointer is.
    if (event->reason() == QContextMenuEvent::Keyboard) {
        ShowContextMenuOfCurrent();
        return;
    }
    QTreeWidgetItem *item = itemAt(event->pos());
    if (!item || !visualItemRect(item).contains(event->pos()))
        return;
    if (item != currentItem() && !SelectNode(item))
        return;
    QMenu *menu = CreateContextMenu(this);
    menu->exec(event->globalPos());
    delete menu;
}

}  // namespace zqv
