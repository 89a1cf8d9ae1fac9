#include "ContactsView.h"

#include "ControlIds.h"
#include "ProfileItems.h"
#include "StringTable.h"

#include <QLabel>
#include <QLineEdit>

namespace zqv {

namespace {
constexpr int kTop = 60;
constexpr int kRowHeight = 36;
}  // namespace

CContactsView::CContactsView(IEditorHost &host, CZQVCPSTreeView &tree, QWidget *parent)
    : CBaseView(host, tree, kNodeContacts, parent)
{
    AddHeading(IDC_CONTACTS_HEADING, LoadStr(IDS_CONTACTS));
    AddNumber(IDC_CONTACTS_MAX_CONTACTS_LABEL, IDS_MAXIMUM_CONTACTS, IDC_CONTACTS_MAX_CONTACTS, 0, 0);
    AddNumber(IDC_CONTACTS_CUR_CONTACTS_LABEL, IDS_CURRENT_CONTACTS, IDC_CONTACTS_CUR_CONTACTS, 1, 0);
    AddNumber(IDC_CONTACTS_MAX_PRIVATE_GROUPS_LABEL, IDS_MAXIMUM_PRIVATE_GROUPS, IDC_CONTACTS_MAX_PRIVATE_GROUPS, 0, 1);
    AddNumber(IDC_CONTACTS_CUR_PRIVATE_GROUPS_LABEL, IDS_CURRENT_PRIVATE_GROUPS, IDC_CONTACTS_CUR_PRIVATE_GROUPS, 1, 1);
    AddNumber(IDC_CONTACTS_MAX_PUBLIC_GROUPS_LABEL, IDS_MAXIMUM_PUBLIC_GROUPS, IDC_CONTACTS_MAX_PUBLIC_GROUPS, 0, 2);
    AddNumber(IDC_CONTACTS_CUR_PUBLIC_GROUPS_LABEL, IDS_CURRENT_PUBLIC_GROUPS, IDC_CONTACTS_CUR_PUBLIC_GROUPS, 1, 2);
    AddNumber(IDC_CONTACTS_MAX_PRIVATES_LABEL, IDS_MAXIMUM_PRIVATES, IDC_CONTACTS_MAX_PRIVATES, 0, 3);
    AddNumber(IDC_CONTACTS_CUR_PRIVATES_LABEL, IDS_CURRENT_PRIVATES, IDC_CONTACTS_CUR_PRIVATES, 1, 3);
}

QLineEdit *CContactsView::AddNumber(int labelId, int labelText, int valueId, int column, int row)
{
    const int y = kTop + row * kRowHeight;
    const int x = column == 0 ? 0 : 290;
    const int labelWidth = column == 0 ? 180 : 230;
    AddLabel(labelId, LoadStr(labelText), QRect(x, y, labelWidth, 26));
    QLineEdit *value = AddReadOnlyField(valueId, QRect(x + labelWidth + 5, y, 60, 26));
    value->setAlignment(Qt::AlignRight);
    // A count keeps its width.
    value->setFixedWidth(60);
    return value;
}

void CContactsView::Load()
{
    ApplyPageVisibility(QStringLiteral("Contacts"));
    const CDataItem root = ProfileRoot();
    const CDataItem contacts = ChildItem(root, "Contacts");
    const int privateGroups = ChildItem(contacts, "PrivateGroups").GetChildCount();
    const int publicGroups = ChildItem(contacts, "PublicGroups").GetChildCount();
    const int privates = ChildItem(contacts, "Privates").GetChildCount();
    const qint64 maxContacts = LimitNumber(root, "max_num_of_contacts");
    const struct {
        int id;
        qint64 value;
    } values[] = {
        {IDC_CONTACTS_MAX_CONTACTS, maxContacts},
        {IDC_CONTACTS_CUR_CONTACTS, privateGroups + publicGroups + privates},
        {IDC_CONTACTS_MAX_PRIVATE_GROUPS, LimitNumber(root, "max_num_of_private_grps")},
        {IDC_CONTACTS_CUR_PRIVATE_GROUPS, privateGroups},
        {IDC_CONTACTS_MAX_PUBLIC_GROUPS, LimitNumber(root, "max_num_of_public_grps")},
        {IDC_CONTACTS_CUR_PUBLIC_GROUPS, publicGroups},
        {IDC_CONTACTS_MAX_PRIVATES, maxContacts},
        {IDC_CONTACTS_CUR_PRIVATES, privates},
    };
    for (const auto &v : values)
        static_cast<QLineEdit *>(Control(v.id))->setText(QString::number(v.value));
}

}  // namespace zqv
