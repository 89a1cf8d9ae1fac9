#include "ProfileItems.h"

#include "NodeKinds.h"
#include "XmlDom.h"

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
    case kNodeTextMessage:
        return ChildItem(root, "TextMessages");
    case kNodePublicGroups:
    case kNodePublicGroup:
        return ChildItem(ChildItem(root, "Contacts"), "PublicGroups");
    case kNodePrivateGroups:
    case kNodePrivateGroup:
        return ChildItem(ChildItem(root, "Contacts"), "PrivateGroups");
    case kNodePrivates:
    case kNodePrivate:
    case kNodePrivatesWithScanner:
        return ChildItem(ChildItem(root, "Contacts"), "Privates");
    default:
        return CDataItem();
    }
}

CDataItem ListChild(const CDataItem &root, int kind, int index)
{
    CDataItem list = ListItem(root, kind);
    CDataItem child;
    if (!list.IsEmpty())
        list.GetChildByIndex(index, child);
    return child;
}

const char *ListKey(int kind)
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

}  // namespace zqv
