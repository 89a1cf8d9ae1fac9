#include "ContactLists.h"

#include "NodeIcons.h"
#include "ProfileFormat.h"
#include "ProfileItems.h"
#include "XmlDom.h"

#include <QListWidget>

namespace zqv {

std::vector<xmlNodePtr> AllContactNodes(const CDataItem &root)
{
    std::vector<xmlNodePtr> out;
    const CDataItem contacts = ChildItem(root, "Contacts");
    for (xmlNodePtr list : ElementChildren(contacts.Node()))
        for (xmlNodePtr contact : ElementChildren(list))
            if (HasAttr(contact, "cntct_type"))
                out.push_back(contact);
    return out;
}

NodeKind ContactKind(xmlNodePtr contact)
{
    const QString type = GetAttr(contact, "cntct_type").trimmed();
    if (type == QString::number(profile::kPublicGroup))
        return kNodePublicGroup;
    return type == QString::number(profile::kPrivateGroup) ? kNodePrivateGroup : kNodePrivate;
}

CTwoListWidget::Entry ContactEntry(xmlNodePtr contact, const QString &ownPid, const QString &text)
{
    const NodeKind kind = ContactKind(contact);
    CTwoListWidget::Entry entry;
    entry.name = GetAttr(contact, "name");
    entry.text = text;
    entry.icon = NodeIcon(kind, kind == kNodePrivate && !ownPid.isEmpty() && GetAttr(contact, "pid") == ownPid);
    entry.data = QVariant::fromValue(reinterpret_cast<quintptr>(contact));
    return entry;
}

xmlNodePtr EntryNode(const QListWidgetItem *item)
{
    return reinterpret_cast<xmlNodePtr>(CTwoListWidget::DataOf(item).value<quintptr>());
}

int LastSelectedRow(const QList<QListWidgetItem *> &selected)
{
    if (selected.isEmpty())
        return -1;
    QListWidgetItem *last = selected.last();
    return last->listWidget() ? last->listWidget()->row(last) : -1;
}

}  // namespace zqv
