#include "ZQVCPSTreeView.h"

#include "BaseView.h"
#include "ContactFolderViews.h"
#include "ContactsView.h"
#include "EditorHost.h"
#include "HeadingView.h"
#include "ListsView.h"
#include "NodeIcons.h"
#include "ProfileFormat.h"
#include "ProfileItems.h"
#include "Prompter.h"
#include "PublicGroupView.h"
#include "RadioInfoView.h"
#include "ScanListView.h"
#include "StringTable.h"
#include "TextMessageView.h"
#include "TextMessagesView.h"
#include "ZQVCPSDoc.h"
#include "ZQVCPSException.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QStyledItemDelegate>

namespace zqv {

namespace {

bool IsElementKind(int kind)
{
    return kind == kNodeTextMessage || kind == kNodePublicGroup || kind == kNodePrivateGroup || kind == kNodePrivate;
}

bool IsAddKind(int kind)
{
    return kind == kNodeTextMessages || kind == kNodePublicGroups || kind == kNodePrivateGroups ||
           kind == kNodePrivates || kind == kNodePrivatesWithScanner;
}

bool IsRenameKind(int kind)
{
    return kind == kNodePublicGroup || kind == kNodePrivateGroup || kind == kNodePrivate;
}

// The folder of an element kind and the element kind of a folder.
int FolderKindOf(int kind)
{
    switch (kind) {
    case kNodeTextMessage: return kNodeTextMessages;
    case kNodePublicGroup: return kNodePublicGroups;
    case kNodePrivateGroup: return kNodePrivateGroups;
    case kNodePrivate:
    case kNodePrivatesWithScanner: return kNodePrivates;
    default: return kind;
    }
}

int ElementKindOf(int folderKind)
{
    switch (folderKind) {
    case kNodeTextMessages: return kNodeTextMessage;
    case kNodePublicGroups: return kNodePublicGroup;
    case kNodePrivateGroups: return kNodePrivateGroup;
    case kNodePrivates: return kNodePrivate;
    default: return -1;
    }
}

// More channels than any radio has; a channel number beyond it names no node.
constexpr double kNodeScanChannelLimit = 0xFFFF;

bool IsYes(int answer)
{
    return answer == IDOK || answer == IDYES;
}

// The position of `element` among the element children of its parent.
int ElementIndex(xmlNodePtr element)
{
    int index = 0;
    for (xmlNodePtr n = element->prev; n; n = n->prev)
        if (n->type == XML_ELEMENT_NODE)
            ++index;
    return index;
}

}  // namespace

// Holds the tree's own node moves and rebuilds out of the selection handling.
class CZQVCPSTreeView::CQuiet {
public:
    explicit CQuiet(CZQVCPSTreeView &tree) : m_tree(tree) { ++m_tree.m_nQuiet; }
    ~CQuiet() { --m_tree.m_nQuiet; }
    CQuiet(const CQuiet &) = delete;
    CQuiet &operator=(const CQuiet &) = delete;

private:
    CZQVCPSTreeView &m_tree;
};

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

CZQVCPSTreeView::CZQVCPSTreeView(IEditorHost &host, QWidget *parent)
    : QTreeWidget(parent), m_host(host), m_pDelegate(new CRenameDelegate(*this))
{
    setObjectName(QStringLiteral("ProfileTree"));
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setItemDelegate(m_pDelegate);
    setContextMenuPolicy(Qt::DefaultContextMenu);
    setIconSize(QSize(16, 16));
    connect(this, &QTreeWidget::currentItemChanged, this, &CZQVCPSTreeView::OnCurrentItemChanged);
}

CZQVCPSTreeView::~CZQVCPSTreeView() = default;

CDataItem CZQVCPSTreeView::Root() const
{
    return m_host.Document().Model().RootItem();
}

quint32 CZQVCPSTreeView::NodeValue(const QTreeWidgetItem *item)
{
    return item ? item->data(0, Qt::UserRole).toUInt() : kNoNode;
}

QString CZQVCPSTreeView::TextMessageLabel(const QString &text)
{
    if (text.size() <= kMaxLabelLength)
        return text;
    return text.left(kMaxLabelLength) + LoadStr(IDS_TREE_LABEL_ELLIPSIS);
}

// ------------------------------------------------------------------ building

QTreeWidgetItem *CZQVCPSTreeView::AddNode(QTreeWidgetItem *parent, int kind, int index, const QString &label)
{
    auto *node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    node->setData(0, Qt::UserRole, MakeItemValue(kind, index));
    node->setText(0, label);
    node->setIcon(0, NodeIcon(kind));
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (IsRenameKind(kind))
        flags |= Qt::ItemIsEditable;
    node->setFlags(flags);
    if (!IsElementKind(kind) && kind != kNodeScanChannel)
        m_folders[kind] = node;
    return node;
}

void CZQVCPSTreeView::Build()
{
    CQuiet quiet(*this);
    clear();
    std::fill(std::begin(m_folders), std::end(m_folders), nullptr);
    m_nShownValue = kNoNode;
    m_bShownDeleted = false;
    m_nCurrentIndex = 0;
    const CDataItem root = Root();
    if (root.IsEmpty())
        return;
    try {
        const CDataItem limit = ChildItem(root, "limit");
        QTreeWidgetItem *rootNode = AddNode(nullptr, kNodeRoot, 0, profile::ModelDisplayName(AttrText(limit, "model")));

        QTreeWidgetItem *contacts = AddNode(rootNode, kNodeContacts, 0, LoadStr(IDS_CONTACTS));
        const struct {
            int kind;
            const char *element;
            int label;
        } folders[] = {
            {kNodePrivates, "Privates", IDS_PRIVATES},
            {kNodePrivateGroups, "PrivateGroups", IDS_PRIVATE_GROUPS},
            {kNodePublicGroups, "PublicGroups", IDS_PUBLIC_GROUPS},
        };
        const CDataItem contactsItem = ChildItem(root, "Contacts");
        for (const auto &f : folders) {
            if (!ChildItem(contactsItem, f.element).IsEnabled())
                continue;
            AddNode(contacts, f.kind, 0, LoadStr(f.label));
            RebuildFolder(f.kind);
        }

        AddNode(rootNode, kNodeSettings, 0, LoadStr(IDS_SETTINGS));

        QTreeWidgetItem *lists = AddNode(rootNode, kNodeLists, 0, LoadStr(IDS_LISTS));
        AddNode(lists, kNodeScrollList, 0, QString());
        RefreshScrollCount();
        if (limit.GetAttributeValue(QStringLiteral("public_scan_en")).toBool()) {
            QTreeWidgetItem *scan = AddNode(lists, kNodeScanList, 0, LoadStr(IDS_SCAN_LIST));
            const qint64 channels = LimitNumber(root, "max_num_of_channels");
            for (int c = 0; c < channels; ++c)
                AddNode(scan, kNodeScanChannel, c, QString());
            RefreshAllChannelCounts();
        }

        const CDataItem texts = ChildItem(root, "TextMessages");
        if (texts.IsEnabled()) {
            AddNode(rootNode, kNodeTextMessages, 0, LoadStr(IDS_TEXT_MESSAGES));
            RebuildFolder(kNodeTextMessages);
        }
        expandAll();
        SetCurrentQuietly(rootNode);
        ShowFormFor(rootNode);
    } catch (const CZQVCPSException &e) {
        ShowException(e.GetMessageId());
    }
    UpdateCommandFlags();
}

void CZQVCPSTreeView::SetLabel(QTreeWidgetItem *node, const QString &label)
{
    if (node->text(0) != label)
        node->setText(0, label);
}

void CZQVCPSTreeView::LabelElementNode(QTreeWidgetItem *node, int kind, int index, xmlNodePtr element,
                                       const QString &ownPid)
{
    const quint32 value = MakeItemValue(kind, index);
    if (NodeValue(node) != value)
        node->setData(0, Qt::UserRole, value);
    if (kind == kNodeTextMessage) {
        SetLabel(node, TextMessageLabel(GetAttr(element, "txt")));
        return;
    }
    SetLabel(node, GetAttr(element, "name"));
    if (kind != kNodePrivate)
        return;
    const bool own = !ownPid.isEmpty() && GetAttr(element, "pid") == ownPid;
    if (node->font(0).bold() != own) {
        QFont font = node->font(0);
        font.setBold(own);
        node->setFont(0, font);
        node->setIcon(0, NodeIcon(kNodePrivate, own));
    }
}

void CZQVCPSTreeView::RebuildFolder(int folderKind)
{
    QTreeWidgetItem *folder = FolderOf(folderKind);
    if (!folder)
        return;
    CQuiet quiet(*this);
    const int kind = ElementKindOf(folderKind);
    const CDataItem root = Root();
    const std::vector<xmlNodePtr> children = ElementChildren(ListItem(root, folderKind).Node());
    const QString ownPid = kind == kNodePrivate ? OwnPid(root) : QString();
    const int count = static_cast<int>(children.size());
    for (int i = 0; i < count; ++i) {
        QTreeWidgetItem *node = i < folder->childCount() ? folder->child(i) : AddNode(folder, kind, i, QString());
        LabelElementNode(node, kind, i, children[i], ownPid);
    }
    while (folder->childCount() > count)
        delete folder->takeChild(folder->childCount() - 1);
}

void CZQVCPSTreeView::RefreshScrollCount()
{
    if (QTreeWidgetItem *node = m_folders[kNodeScrollList])
        SetLabel(node, FormatStr(IDS_TREE_SCROLL_COUNT, {QString::number(Root().GetScrollListCount())}));
}

void CZQVCPSTreeView::RefreshChannelCount(int channel)
{
    QTreeWidgetItem *node = FindNode(kNodeScanChannel, channel - 1);
    if (!node)
        return;
    const int count = Root().GetScanListCount(channel);
    SetLabel(node, FormatStr(IDS_TREE_CHANNEL_COUNT, {QString::number(channel), QString::number(count)}));
}

void CZQVCPSTreeView::RefreshAllChannelCounts()
{
    QTreeWidgetItem *scan = m_folders[kNodeScanList];
    if (!scan)
        return;
    // One walk over the public groups counts every channel's scan list at once.
    std::vector<int> counts(scan->childCount() + 1, 0);
    for (xmlNodePtr group : ElementChildren(ListItem(Root(), kNodePublicGroups).Node())) {
        if (AttrNumber(group, "in_scan_list") != 1)
            continue;
        const double channel = AttrNumber(group, "channel");
        if (channel >= 1 && channel < counts.size() && channel == static_cast<int>(channel))
            ++counts[static_cast<int>(channel)];
    }
    for (int c = 1; c <= scan->childCount(); ++c)
        SetLabel(scan->child(c - 1),
                 FormatStr(IDS_TREE_CHANNEL_COUNT, {QString::number(c), QString::number(counts[c])}));
}

// ------------------------------------------------------------------ nodes

QTreeWidgetItem *CZQVCPSTreeView::FolderOf(int kind) const
{
    const int folder = FolderKindOf(kind);
    return folder >= 0 && folder < kNodeKindCount ? m_folders[folder] : nullptr;
}

QTreeWidgetItem *CZQVCPSTreeView::FindNode(int kind, int index) const
{
    QTreeWidgetItem *parent = nullptr;
    if (IsElementKind(kind))
        parent = FolderOf(kind);
    else if (kind == kNodeScanChannel)
        parent = m_folders[kNodeScanList];
    else
        return kind >= 0 && kind < kNodeKindCount ? m_folders[kind] : nullptr;
    return parent && index >= 0 && index < parent->childCount() ? parent->child(index) : nullptr;
}

QTreeWidgetItem *CZQVCPSTreeView::ShownNode() const
{
    return m_nShownValue == kNoNode ? nullptr : FindNode(ItemKind(m_nShownValue), ItemIndex(m_nShownValue));
}

CZQVCPSTreeView::Target CZQVCPSTreeView::TargetOf(QTreeWidgetItem *item) const
{
    const quint32 value = NodeValue(item);
    Target t{ItemKind(value), ItemIndex(value), nullptr};
    if (IsElementKind(t.kind))
        t.element = ListChild(Root(), t.kind, t.index).Node();
    return t;
}

QTreeWidgetItem *CZQVCPSTreeView::NodeOfElement(int kind, xmlNodePtr element) const
{
    const CDataItem list = ListItem(Root(), kind);
    if (!element || list.IsEmpty() || element->parent != list.Node())
        return nullptr;
    return FindNode(kind, ElementIndex(element));
}

QTreeWidgetItem *CZQVCPSTreeView::Resolve(const Target &target) const
{
    if (target.element)
        return NodeOfElement(target.kind, target.element);
    return FindNode(target.kind, target.index);
}

void CZQVCPSTreeView::SetCurrentQuietly(QTreeWidgetItem *item)
{
    if (!item)
        return;
    CQuiet quiet(*this);
    setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item);
}

void CZQVCPSTreeView::SyncCurrentToShown()
{
    if (m_bShownDeleted)
        return;
    QTreeWidgetItem *shown = ShownNode();
    if (!shown)
        return;
    const QList<QTreeWidgetItem *> selected = selectedItems();
    if (currentItem() != shown || selected.size() != 1 || selected.first() != shown)
        SetCurrentQuietly(shown);
}

void CZQVCPSTreeView::PostSyncCurrentToShown()
{
    if (m_bSyncPosted)
        return;
    m_bSyncPosted = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_bSyncPosted = false;
            SyncCurrentToShown();
        },
        Qt::QueuedConnection);
}

void CZQVCPSTreeView::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    QTreeWidget::selectionChanged(selected, deselected);
    // The tree's own moves select the right node; any other change is checked once the event
    // that caused it has been handled.
    if (m_nQuiet == 0)
        PostSyncCurrentToShown();
}

// ------------------------------------------------------------------ selection

void CZQVCPSTreeView::OnCurrentItemChanged(QTreeWidgetItem *now, QTreeWidgetItem *)
{
    if (m_nQuiet > 0 || !now)
        return;
    if (!m_bShownDeleted && NodeValue(now) == m_nShownValue)
        return;
    // The click or key that moved the selection may still be running and select the node it
    // aimed at, although the form refused to be left or the nodes were re-sorted under it: put
    // the selection on the shown node afterwards as well.
    MoveSelection(TargetOf(now), true);
    PostSyncCurrentToShown();
}

bool CZQVCPSTreeView::SelectNode(QTreeWidgetItem *item)
{
    if (!item)
        return false;
    if (!m_bShownDeleted && NodeValue(item) == m_nShownValue) {
        SetCurrentQuietly(item);
        return true;
    }
    return MoveSelection(TargetOf(item), true);
}

int CZQVCPSTreeView::ValidateForm()
{
    CBaseView *form = CurrentForm();
    if (!form || m_bShownDeleted || form->HasDataError())
        return 1;
    m_bValidating = true;
    int result = 0;
    try {
        result = form->ValidateBeforeLeaving();
    } catch (const CZQVCPSException &e) {
        ShowException(e.GetMessageId());
        result = 0;
    }
    m_bValidating = false;
    return result;
}

bool CZQVCPSTreeView::MoveSelection(const Target &target, bool validate)
{
    try {
        if (validate && ValidateForm() == 0) {
            SyncCurrentToShown();
            UpdateCommandFlags();
            return false;
        }
        if (!m_bShownDeleted)
            ResortLeftNode();
        QTreeWidgetItem *node = Resolve(target);
        if (!node)
            node = target.element ? FolderOf(target.kind) : m_folders[kNodeRoot];
        SetCurrentQuietly(node);
        ShowFormFor(node);
    } catch (const CZQVCPSException &e) {
        ShowException(e.GetMessageId());
        SyncCurrentToShown();
        UpdateCommandFlags();
        return false;
    }
    UpdateCommandFlags();
    return true;
}

void CZQVCPSTreeView::ResortLeftNode()
{
    const int kind = ItemKind(m_nShownValue);
    const int index = ItemIndex(m_nShownValue);
    if (m_nShownValue == kNoNode || !IsElementKind(kind))
        return;
    const CDataItem list = ListItem(Root(), kind);
    if (index >= list.GetChildCount())
        return;
    const int newIndex = CDataItem::RepositionChild(list, index, QLatin1String(ListKey(kind)));
    if (newIndex == index)
        return;
    m_host.SetModified();
    RebuildFolder(FolderKindOf(kind));
    m_nShownValue = MakeItemValue(kind, newIndex);
    m_nCurrentIndex = newIndex;
}

QWidget *CZQVCPSTreeView::CreateForm(int kind)
{
    CBaseView *form = nullptr;
    switch (kind) {
    case kNodeSettings:
    case kNodePrivateGroup:
    case kNodePrivate:
    case kNodeScrollList:
    case kNodeScanChannel:
        form = new CHeadingView(m_host, *this, kind);
        break;
    case kNodeRoot: form = new CRadioInfoView(m_host, *this); break;
    case kNodeTextMessages: form = new CTextMessagesView(m_host, *this); break;
    case kNodeTextMessage: form = new CTextMessageView(m_host, *this); break;
    case kNodeContacts: form = new CContactsView(m_host, *this); break;
    case kNodePublicGroups: form = new CPublicGroupsView(m_host, *this); break;
    case kNodePrivateGroups: form = new CPrivateGroupsView(m_host, *this); break;
    case kNodePrivates: form = new CPrivatesView(m_host, *this); break;
    case kNodePublicGroup: form = new CPublicGroupView(m_host, *this); break;
    case kNodeLists: form = new CListsView(m_host, *this); break;
    case kNodeScanList: form = new CScanListView(m_host, *this); break;
    default: return nullptr;
    }
    try {
        form->Load();
    } catch (...) {
        delete form;
        throw;
    }
    return form;
}

CBaseView *CZQVCPSTreeView::CurrentForm() const
{
    return qobject_cast<CBaseView *>(m_host.RightView());
}

void CZQVCPSTreeView::ShowFormFor(QTreeWidgetItem *item)
{
    const quint32 value = NodeValue(item);
    const int oldIndex = m_nCurrentIndex;
    const QString oldAddText = m_strFormAddText;
    m_nCurrentIndex = ItemIndex(value);
    m_strFormAddText = m_strAddText;
    try {
        m_host.ShowView(ItemKind(value));
    } catch (...) {
        m_nCurrentIndex = oldIndex;
        m_strFormAddText = oldAddText;
        throw;
    }
    m_nShownValue = value;
    m_bShownDeleted = false;
    if (m_host.HelpPaneShown())
        m_host.BlankHelpPane();
    if (isVisible() && !hasFocus())
        setFocus(Qt::OtherFocusReason);
}

void CZQVCPSTreeView::ShowAfterDelete(int kind, int index)
{
    QTreeWidgetItem *node = FindNode(kind, index);
    if (!node)
        node = FindNode(kind, index - 1);
    if (!node)
        node = FolderOf(kind);
    SetCurrentQuietly(node);
    // While the form validates itself it is still running: the tree shows the next form once
    // the validation has returned.
    if (node && !m_bValidating)
        ShowFormFor(node);
}

// ------------------------------------------------------------------ adding, deleting, renaming

void CZQVCPSTreeView::AddElement(int kind)
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
        m_host.SetModified();
        const int folderKind = FolderKindOf(kind);
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

void CZQVCPSTreeView::DeleteElement(int kind, int index)
{
    if (!IsElementKind(kind))
        return;
    try {
        CDataItem list = ListItem(Root(), kind);
        if (index < 0 || index >= list.GetChildCount())
            return;
        const Target shown = m_bShownDeleted ? Target{} : TargetOf(ShownNode());
        int r1 = 0;
        int r2 = 0;
        int result = list.RemoveChildByIndex(index, r1, 0, r2);
        if (result == 2) {
            if (!IsYes(m_host.Prompter().ShowMessage(r1, static_cast<unsigned>(r2))))
                return;
            result = list.RemoveChildByIndex(index, r1, 1, r2);
        }
        if (result != 0) {
            if (r1 != 0)
                m_host.Prompter().ShowMessage(r1, static_cast<unsigned>(r2));
            return;
        }
        m_host.SetModified();
        switch (kind) {
        case kNodeTextMessage:
            RebuildFolder(kNodeTextMessages);
            break;
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
        }
        // The shown form's element may have gone, or moved up a place.
        QTreeWidgetItem *shownNode = shown.kind >= 0 ? Resolve(shown) : nullptr;
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
    const int kind = ItemKind(value);
    const int index = ItemIndex(value);
    try {
        CDataItem element = ListChild(Root(), kind, index);
        if (IsRenameKind(kind) && !element.IsEmpty()) {
            const QString old = AttrText(element, "name");
            int r1 = 0;
            int r2 = 0;
            if (element.SetAttributeValue(QStringLiteral("name"), text, r1, 0, r2) == 0) {
                applied = true;
                SetLabel(item, AttrText(element, "name"));
                if (AttrText(element, "name") != old)
                    m_host.SetModified();
                UpdateAllViews(this, ViewHint{kHintRefresh, kind, index});
            } else {
                m_host.Prompter().ShowMessage(r1, static_cast<unsigned>(r2));
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
    const int kind = ItemKind(NodeValue(currentItem()));
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
    const int kind = ItemKind(value);
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
        case kHintAdd:
            AddElement(hint.kind);
            break;
        case kHintDelete:
            DeleteElement(hint.kind, hint.index);
            break;
        case kHintRefresh:
            switch (hint.kind) {
            case kNodeTextMessage:
                RebuildFolder(kNodeTextMessages);
                break;
            case kNodePublicGroup:
                RebuildFolder(kNodePublicGroups);
                RefreshAllChannelCounts();
                break;
            case kNodePrivateGroup:
                RebuildFolder(kNodePrivateGroups);
                break;
            case kNodePrivate:
                RebuildFolder(kNodePrivateGroups);
                RebuildFolder(kNodePrivates);
                break;
            case kNodeScrollList:
                RefreshScrollCount();
                break;
            case kNodeScanChannel:
                RefreshChannelCount(hint.index + 1);
                break;
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
    const int kind = ItemKind(NodeValue(currentItem()));
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
    }
    QTreeWidget::keyPressEvent(event);
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
    QTreeWidgetItem *item = itemAt(event->pos());
    if (!item || !visualItemRect(item).contains(event->pos()))
        return;
    if (item != currentItem() && !SelectNode(item))
        return;
    QMenu *menu = CreateContextMenu(this);
    menu->exec(event->globalPos());
    delete menu;
}

void CZQVCPSTreeView::ShowException(int messageId)
{
    m_host.Prompter().ShowMessage(messageId, MB_OK);
}

}  // namespace zqv
