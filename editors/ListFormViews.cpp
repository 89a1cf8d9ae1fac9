#include "ListFormViews.h"

#include "ContactLists.h"
#include "ControlIds.h"
#include "ProfileItems.h"
#include "Prompter.h"
#include "StringTable.h"
#include "TwoListWidget.h"
#include "XmlDom.h"

#include <QLabel>
#include <QListWidget>

namespace zqv {

CFlagListView::CFlagListView(IEditorHost &host, CZQVCPSTreeView &tree, NodeKind kind, const char *page,
                             const char *flag, const Ids &ids, int availableCaption, int listCaption, QWidget *parent)
    : CBaseView(host, tree, kind, parent), m_szPage(page), m_szFlag(flag)
{
    m_pHeading = AddHeading(ids.heading, QString());
    m_pLists = AddTwoList(new CTwoListWidget, ids.lists, QRect(0, 60, 560, 400));
    m_pLists->SetCaptions(LoadStr(availableCaption), LoadStr(listCaption));
    connect(m_pLists, &CTwoListWidget::addRequested, this, [this] { Guarded([this] { Move(true); }); });
    connect(m_pLists, &CTwoListWidget::removeRequested, this, [this] { Guarded([this] { Move(false); }); });
}

void CFlagListView::Load()
{
    ApplyPageVisibility(QLatin1String(m_szPage));
    m_pHeading->setText(HeadingText());
    Fill();
}

void CFlagListView::Fill()
{
    const QString ownPid = OwnPid(ProfileRoot());
    m_pLists->Clear();
    for (xmlNodePtr contact : Candidates()) {
        if (AttrNumber(contact, m_szFlag) == 1)
            m_pLists->AddSelected(ContactEntry(contact, ownPid));
        else
            m_pLists->AddAvailable(ContactEntry(contact, ownPid));
    }
    m_pLists->UpdateButtons();
}

void CFlagListView::Move(bool add)
{
    QListWidget *from = add ? m_pLists->AvailableList() : m_pLists->SelectedList();
    const QList<QListWidgetItem *> chosen = add ? m_pLists->SelectedAvailable() : m_pLists->SelectedChosen();
    if (chosen.isEmpty())
        return;
    if (add && Room() == 0) {
        ShowFull(true);
        from->clearSelection();
        m_pLists->UpdateButtons();
        return;
    }
    const int row = LastSelectedRow(chosen);
    std::vector<xmlNodePtr> nodes;
    for (QListWidgetItem *item : chosen)
        nodes.push_back(EntryNode(item));
    const CDataItem root = ProfileRoot();
    bool changed = false;
    for (xmlNodePtr node : nodes) {
        if (add && Room() == 0) {
            ShowFull(false);
            break;
        }
        CDataItem contact(root.Context(), node);
        if (SetValue(contact, QLatin1String(m_szFlag), add) == RuleResult::Applied)
            changed = true;
    }
    if (!changed)
        return;
    QStringList names;
    for (xmlNodePtr node : nodes)
        names << GetAttr(node, "name");
    SetModifiedByMove(add, names, HeadingText());
    NotifyTree();
    Fill();
    m_pLists->SelectAfterMove(from, row - static_cast<int>(nodes.size()) + 1);
}

// ------------------------------------------------------------------ the global scroll list

CScrollListView::CScrollListView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent)
    : CFlagListView(host, tree, kNodeScrollList, "Scroll", "in_scroll_list",
                    {IDC_SCROLL_HEADING,
                     {IDC_SCROLL_AVAILABLE_LABEL, IDC_SCROLL_AVAILABLE, IDC_SCROLL_LIST_LABEL, IDC_SCROLL_LIST,
                      IDC_SCROLL_ADD, IDC_SCROLL_REMOVE}},
                    IDS_AVAILABLE_CONTACTS, IDS_SCROLL_LIST, parent)
{
}

QString CScrollListView::HeadingText() const
{
    return LoadStr(IDS_SCROLL_LIST);
}

std::vector<xmlNodePtr> CScrollListView::Candidates() const
{
    return AllContactNodes(ProfileRoot());
}

void CScrollListView::NotifyTree()
{
    SendHint(kHintRefresh, kNodeScrollList, 0);
}

// ------------------------------------------------------------------ one channel's scan list

CScanChannelView::CScanChannelView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent)
    : CFlagListView(host, tree, kNodeScanChannel, "ChannelX", "in_scan_list",
                    {IDC_SCANCHANNEL_HEADING,
                     {IDC_SCANCHANNEL_AVAILABLE_LABEL, IDC_SCANCHANNEL_AVAILABLE, IDC_SCANCHANNEL_LIST_LABEL,
                      IDC_SCANCHANNEL_LIST, IDC_SCANCHANNEL_ADD, IDC_SCANCHANNEL_REMOVE}},
                    IDS_ALL_PUBLIC_GROUPS, IDS_SCAN_LIST, parent)
{
}

QString CScanChannelView::HeadingText() const
{
    return FormatStr(IDS_SCAN_LIST_CHANNEL_N, {QString::number(CurrentIndex() + 1)});
}

std::vector<xmlNodePtr> CScanChannelView::Candidates() const
{
    std::vector<xmlNodePtr> out;
    const double channel = CurrentIndex() + 1;
    for (xmlNodePtr group : ElementChildren(ListItem(ProfileRoot(), kNodePublicGroups).Node()))
        if (AttrNumber(group, "channel") == channel)
            out.push_back(group);
    return out;
}

void CScanChannelView::NotifyTree()
{
    SendHint(kHintRefresh, kNodeScanChannel, CurrentIndex());
}

int CScanChannelView::Room() const
{
    return qMax(0, kMaxScanList - ProfileRoot().GetScanListCount(CurrentIndex() + 1));
}

void CScanChannelView::ShowFull(bool beforeAnyMove)
{
    if (beforeAnyMove)
        ShowMessage(IDS_SCAN_LIST_AT_MAXIMUM, MB_OK | MB_ICONWARNING);
    else
        Prompter().Show(FormatStr(IDS_SCAN_LIST_ADD_LIMIT, {QString::number(kMaxScanList)}), MB_OK | MB_ICONWARNING);
}

}  // namespace zqv
