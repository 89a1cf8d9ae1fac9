#include "ListsView.h"

#include "ContactLists.h"
#include "ControlIds.h"
#include "NodeIcons.h"
#include "ProfileFormat.h"
#include "ProfileItems.h"
#include "StringTable.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QListWidget>
#include <QTableWidget>

namespace zqv {

CListsView::CListsView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent)
    : CBaseView(host, tree, kNodeLists, parent)
{
    AddHeading(IDC_LISTS_HEADING, LoadStr(IDS_LISTS));
    AddLabel(IDC_LISTS_SCROLL_LABEL, LoadStr(IDS_SCROLL_LIST), QRect(0, 56, 220, 24));
    m_pScroll = AddControl(IDC_LISTS_SCROLL, new QListWidget, QRect(0, 82, 220, 300));
    m_pScroll->setSelectionMode(QAbstractItemView::NoSelection);
    AddLabel(IDC_LISTS_SCAN_LABEL, LoadStr(IDS_SCAN_LIST), QRect(240, 56, 360, 24));
    m_pScan = AddControl(IDC_LISTS_SCAN, new QTableWidget, QRect(240, 82, 360, 300));
    m_pScan->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pScan->setSelectionMode(QAbstractItemView::NoSelection);
    m_pScan->verticalHeader()->hide();
    m_pScanMode = AddControl(IDC_LISTS_SCAN_MODE, new QCheckBox(LoadStr(IDS_SCAN_MODE)), QRect(240, 392, 200, 24));
    m_pScanMode->setEnabled(false);
    // The grid has a column per channel: the scroll list keeps its width and the grid takes all
    // the width the window gives, so that as many channels show as it allows.
    m_pScroll->setMaximumWidth(220);
    m_pScan->setMaximumWidth(QWIDGETSIZE_MAX);
}

void CListsView::Load()
{
    ApplyPageVisibility(QStringLiteral("Lists"));
    const CDataItem root = ProfileRoot();
    const QString ownPid = OwnPid(root);
    const CDataItem contacts = ChildItem(root, "Contacts");

    // The scroll list: every contact on it, in the order the profile holds them.
    for (xmlNodePtr contact : contacts.Context()->doc->Select(nullptr, QLatin1String(profile::kQueryScrollList))) {
        const NodeKind kind = ContactKind(contact);
        const bool own = kind == kNodePrivate && GetAttr(contact, "pid") == ownPid;
        m_pScroll->addItem(new QListWidgetItem(NodeIcon(kind, own), GetAttr(contact, "name")));
    }

    // The scan lists: one column per channel.
    const int channels = static_cast<int>(LimitNumber(root, "max_num_of_channels"));
    std::vector<QStringList> columns(channels > 0 ? channels : 0);
    for (xmlNodePtr group : ElementChildren(ChildItem(contacts, "PublicGroups").Node())) {
        const double channel = AttrNumber(group, "channel");
        if (AttrNumber(group, "in_scan_list") == 1 && channel >= 1 && channel <= channels)
            columns[static_cast<int>(channel) - 1] << GetAttr(group, "name");
    }
    int rows = 0;
    for (const QStringList &c : columns)
        rows = qMax(rows, static_cast<int>(c.size()));
    m_pScan->setColumnCount(channels);
    m_pScan->setRowCount(rows);
    for (int c = 0; c < channels; ++c) {
        m_pScan->setHorizontalHeaderItem(c, new QTableWidgetItem(FormatStr(IDS_CHANNEL_N, {QString::number(c + 1)})));
        for (int r = 0; r < columns[c].size(); ++r)
            m_pScan->setItem(r, c, new QTableWidgetItem(NodeIcon(kNodePublicGroup), columns[c].at(r)));
    }
    m_pScanMode->setChecked(ChildItem(root, "setting").GetAttributeValue(QStringLiteral("scan_en")).toBool());
}

}  // namespace zqv
