#include "ProfileItems.h"

#include "NodeKinds.h"
#include "XmlDom.h"

#include <QSet>

namespace zqv {

CDataItem ChildItem(const CDataItem &parent, const char *name)
{
    CDataItem item;
    parent.GetChildByName(QLatin1String(name), item);
    return item;
}

CDataItem ListItem(const CDataItem &root, int kind)
{
    switch (kind) {
    case kNodeTextMessages:
    case kNodeTextMessage: return ChildItem(root, "TextMessages");
    case kNodePublicGroups:
    case kNodePublicGroup: return ChildItem(ChildItem(root, "Contacts"), "PublicGroups");
    case kNodePrivateGroups:
    case kNodePrivateGroup: return ChildItem(ChildItem(root, "Contacts"), "PrivateGroups");
    case kNodePrivates:
    case kNodePrivate:
    case kNodePrivatesWithScanner: return ChildItem(ChildItem(root, "Contacts"), "Privates");
    default: return CDataItem();
    }
}

CDataItem ListChild(const CDataItem &root, NodeKind kind, int index)
{
    CDataItem list = ListItem(root, kind);
    CDataItem child;
    if (!list.IsEmpty())
        list.GetChildByIndex(index, child);
    return child;
}

const char *ListKey(NodeKind kind)
{
    return kind == kNodeTextMessages || kind == kNodeTextMessage ? "txt" : "name";
}

qint64 LimitNumber(const CDataItem &root, const char *name)
{
    bool ok = false;
    const qint64 value = AttrText(ChildItem(root, "limit"), name).trimmed().toLongLong(&ok);
    return ok ? value : 0;
}

QString OwnPid(const CDataItem &root)
{
    return AttrText(ChildItem(root, "limit"), "pid");
}

QString AttrText(const CDataItem &item, const char *name)
{
    return item.IsEmpty() ? QString() : GetAttr(item.Node(), name);
}

namespace {

// IDs compare as numbers, as the rule script compares them ("0012" is 12); text that is not
// a number compares as it is.
QString PidKey(const QString &pid)
{
    bool ok = false;
    const qulonglong n = pid.trimmed().toULongLong(&ok);
    return ok ? QString::number(n) : pid;
}

}  // namespace

QStringList PrivateGroupIdChoices(const CDataItem &root, const CDataItem &group)
{
    const xmlNodePtr own = group.IsEmpty() ? nullptr : group.Node();
    const QString ownPid = AttrText(group, "pid");

    QSet<QString> held;  // IDs the group may not share
    for (int kind : {kNodePrivateGroups, kNodePublicGroups})
        for (xmlNodePtr contact : ElementChildren(ListItem(root, kind).Node()))
            if (contact != own)
                held.insert(PidKey(GetAttr(contact, "pid")));
    const std::vector<xmlNodePtr> privates = ElementChildren(ListItem(root, kNodePrivates).Node());
    for (xmlNodePtr contact : privates)
        if (GetAttr(contact, "id_in_use").trimmed() != QLatin1String("0"))
            held.insert(PidKey(GetAttr(contact, "pid")));

    QStringList ids;
    QSet<QString> listed;
    const auto offer = [&](const QString &pid) {
        const QString key = PidKey(pid);
        if (!pid.isEmpty() && !listed.contains(key)) {
            listed.insert(key);
            ids << pid;
        }
    };
    for (xmlNodePtr contact : privates) {
        const QString pid = GetAttr(contact, "pid");
        if (GetAttr(contact, "id_in_use").trimmed() == QLatin1String("0") && !held.contains(PidKey(pid)))
            offer(pid);
    }
    offer(ownPid);
    ids.sort();
    return ids;
}

int ElementIndex(xmlNodePtr element)
{
    int index = 0;
    for (xmlNodePtr n = element->prev; n; n = n->prev)
        if (n->type == XML_ELEMENT_NODE)
            ++index;
    return index;
}

}  // namespace zqv
