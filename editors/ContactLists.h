// What the contact forms' list pairs share: the contacts of a profile in the order they stand
// under Contacts, the node kind and icon of a contact, and a two-list entry for one.
#pragma once

#include "DataItem.h"
#include "NodeKinds.h"
#include "TwoListWidget.h"

#include <libxml/tree.h>
#include <vector>

namespace zqv {

// Every contact element (public groups, private groups, private contacts), in document order.
std::vector<xmlNodePtr> AllContactNodes(const CDataItem &root);
// The node kind of a contact element by its cntct_type (private contact for anything else).
NodeKind ContactKind(xmlNodePtr contact);
// A two-list entry for `contact`: its name, the icon of its kind (the radio's own icon when its
// pid is `ownPid`), the element as payload.
CTwoListWidget::Entry ContactEntry(xmlNodePtr contact, const QString &ownPid, const QString &text = QString());
// The element an entry stands for.
xmlNodePtr EntryNode(const QListWidgetItem *item);
// Both lists' selection rows as they stood before a move: the row of the last selected entry.
int LastSelectedRow(const QList<QListWidgetItem *> &selected);

}  // namespace zqv
