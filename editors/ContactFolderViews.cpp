#include "ContactFolderViews.h"

#include "ControlIds.h"
#include "ProfileItems.h"
#include "StringTable.h"

#include <QPushButton>

namespace zqv {

CContactFolderView::CContactFolderView(IEditorHost &host, CZQVCPSTreeView &tree, NodeKind kind, const char *page,
                                       int headingId, int heading, QWidget *parent)
    : CBaseView(host, tree, kind, parent), m_szPage(page)
{
    AddHeading(headingId, LoadStr(heading));
}

void CContactFolderView::AddButtonRow(int buttonId, int labelId, int caption, NodeKind addKind, int row)
{
    const int y = 70 + row * 56;
    const NodeKind iconKind = addKind == kNodePublicGroups ? kNodePublicGroup
        : addKind == kNodePrivateGroups                    ? kNodePrivateGroup
                                                           : kNodePrivate;
    AddAddButton(buttonId, iconKind, addKind, QRect(0, y, 44, 40));
    AddLabel(labelId, LoadStr(caption), QRect(54, y + 7, 300, 26));
    m_buttons.push_back(buttonId);
}

void CContactFolderView::Load()
{
    ApplyPageVisibility(QLatin1String(m_szPage));
    const bool canAdd = ListItem(ProfileRoot(), Kind()).CanAddChild();
    for (int id : m_buttons)
        Control(id)->setEnabled(canAdd);
}

CPublicGroupsView::CPublicGroupsView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent)
    : CContactFolderView(host, tree, kNodePublicGroups, "PublicGroups", IDC_PUBLICGROUPS_HEADING, IDS_PUBLIC_GROUPS,
                         parent)
{
    AddButtonRow(IDC_PUBLICGROUPS_ADD, IDC_PUBLICGROUPS_ADD_LABEL, IDS_ADD_PUBLIC_GROUP, kNodePublicGroups, 0);
}

CPrivateGroupsView::CPrivateGroupsView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent)
    : CContactFolderView(host, tree, kNodePrivateGroups, "PrivateGroups", IDC_PRIVATEGROUPS_HEADING, IDS_PRIVATE_GROUPS,
                         parent)
{
    AddButtonRow(IDC_PRIVATEGROUPS_ADD, IDC_PRIVATEGROUPS_ADD_LABEL, IDS_ADD_PRIVATE_GROUP, kNodePrivateGroups, 0);
}

CPrivatesView::CPrivatesView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent)
    : CContactFolderView(host, tree, kNodePrivates, "Privates", IDC_PRIVATES_HEADING, IDS_PRIVATES, parent)
{
    AddButtonRow(IDC_PRIVATES_ADD, IDC_PRIVATES_ADD_LABEL, IDS_ADD_PRIVATES, kNodePrivates, 0);
    AddButtonRow(IDC_PRIVATES_ADD_SCANNER, IDC_PRIVATES_ADD_SCANNER_LABEL, IDS_ADD_PRIVATES_WITH_SCANNER,
                 kNodePrivatesWithScanner, 1);
}

}  // namespace zqv
