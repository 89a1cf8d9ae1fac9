// The profile tree's nodes: building them from the profile, their labels and counts, and
// finding the node of a kind and index or of a profile element.
#include "ZQVCPSTreeView.h"

#include "EditorHost.h"
#include "NodeIcons.h"
#include "ProfileFormat.h"
#include "ProfileItems.h"
#include "Prompter.h"
#include "StringTable.h"
#include "ZQVCPSDoc.h"
#include "ZQVCPSException.h"

namespace zqv {

CZQVCPSTreeView::CZQVCPSTreeView(IEditorHost &host, QWidget *parent) : QTreeWidget(parent), m_host(host)
{
    setObjectName(QStringLiteral("ProfileTree"));
    setAccessibleName(LoadStr(IDS_A11Y_PROFILE_TREE));
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Contacts and texts are dragged to other profile windows and dropped from them; the
    // nodes never move inside the tree.
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::CopyAction);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    InstallRenameDelegate();
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

QTreeWidgetItem *CZQVCPSTreeView::AddNode(QTreeWidgetItem *parent, NodeKind kind, int index, const QString &label)
{
    auto *node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(this);
    node->setData(0, Qt::UserRole, MakeItemValue(kind, index));
    node->setText(0, label);
    node->setIcon(0, NodeIcon(kind));
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (IsRenameKind(kind))
        flags |= Qt::ItemIsEditable;
    // Contacts, texts and their folders are dragged to other profile windows (CopyItems).
    if (IsElementKind(kind) || IsAddKind(kind) || kind == kNodeContacts)
        flags |= Qt::ItemIsDragEnabled;
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

        AddNode(rootNode, kNodeAllContacts, 0, LoadStr(IDS_ALL_CONTACTS));
        QTreeWidgetItem *contacts = AddNode(rootNode, kNodeContacts, 0, LoadStr(IDS_CONTACTS));
        const struct {
            NodeKind kind;
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
        ApplyFilter();
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

void CZQVCPSTreeView::LabelElementNode(QTreeWidgetItem *node, NodeKind kind, int index, xmlNodePtr element,
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

void CZQVCPSTreeView::RebuildFolder(NodeKind folderKind)
{
    QTreeWidgetItem *folder = FolderOf(folderKind);
    if (!folder)
        return;
    CQuiet quiet(*this);
    const NodeKind kind = ElementKindOf(folderKind);
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
    ApplyFilter();
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

QTreeWidgetItem *CZQVCPSTreeView::FolderOf(NodeKind kind) const
{
    const int folder = FolderKindOf(kind);
    return folder >= 0 && folder < kNodeKindCount ? m_folders[folder] : nullptr;
}

QTreeWidgetItem *CZQVCPSTreeView::FindNode(int kindValue, int index) const
{
    const auto kind = static_cast<NodeKind>(kindValue);
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

QTreeWidgetItem *CZQVCPSTreeView::NodeOfElement(NodeKind kind, xmlNodePtr element) const
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

void CZQVCPSTreeView::ShowException(int messageId)
{
    m_host.Prompter().ShowMessage(messageId, MB_OK);
}

}  // namespace zqv
