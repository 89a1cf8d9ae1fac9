// The profile elements the tree and the forms work on, reached through data items: the list
// element of each node kind, its children by index, and the model limits.
#pragma once

#include "DataItem.h"
#include "NodeKinds.h"

#include <QString>
#include <QStringList>

namespace zqv {

// The child element `name` of `parent` (throws 107 when missing, as GetChildByName does).
CDataItem ChildItem(const CDataItem &parent, const char *name);

// The list element behind a node kind: TextMessages for kinds 2 and 3, PublicGroups for 5
// and 8, PrivateGroups for 6 and 9, Privates for 7, 10 and 15 (under Contacts). Empty for
// every other kind.
CDataItem ListItem(const CDataItem &root, int kind);

// The element a node of kind 3, 8, 9 or 10 stands for: child `index` of its list (empty when
// there is none).
CDataItem ListChild(const CDataItem &root, NodeKind kind, int index);

// The key attribute of the elements of a list kind: "txt" for text messages, "name" for
// contacts.
const char *ListKey(NodeKind kind);

// A whole-number attribute of the `limit` element (0 when absent or not a number).
qint64 LimitNumber(const CDataItem &root, const char *name);

// The radio's own private ID (the `pid` of `limit`).
QString OwnPid(const CDataItem &root);

// The attribute text of an item's element ("" when absent).
QString AttrText(const CDataItem &item, const char *name);

// The IDs a private group's ID list offers, sorted as the list shows them (by text, each
// once): the `pid` of every private contact whose `id_in_use` is 0, except the IDs another
// contact holds that the group may not share (another private group, a public group, a
// private contact in use), and the group's own `pid`. Every ID offered is one the rule
// script lets the group take. `group` is a PrivateGroup element.
QStringList PrivateGroupIdChoices(const CDataItem &root, const CDataItem &group);

// The position of `element` among the element children of its parent.
int ElementIndex(xmlNodePtr element);

}  // namespace zqv
