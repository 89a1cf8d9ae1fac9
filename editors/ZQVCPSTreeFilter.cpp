// The profile tree's filter: hiding the nodes that do not match a typed text.
#include "Collation.h"
#include "EditorHost.h"
#include "ProfileItems.h"
#include "ZQVCPSDoc.h"
#include "ZQVCPSTreeView.h"

#include <QTreeWidgetItemIterator>

namespace zqv {

void CZQVCPSTreeView::SetFilter(const QString &text)
{
    m_strFilterText = text;
    m_strFilterKey = CollationSearchKey(text.trimmed());
    // With the filter gone every node shows again.
    if (m_strFilterKey.isEmpty()) {
        for (QTreeWidgetItemIterator it(this); *it; ++it)
            if ((*it)->isHidden())
                (*it)->setHidden(false);
        return;
    }
    ApplyFilter();
}

bool CZQVCPSTreeView::MatchesFilter(QTreeWidgetItem *node, FilterElements &elements) const
{
    if (m_strFilterKey.isEmpty())
        return false;
    if (CollationSearchKey(node->text(0)).contains(m_strFilterKey))
        return true;
    // A contact is found by its PID too, a text message by its whole text (the label is cut).
    const quint32 value = NodeValue(node);
    const NodeKind kind = ItemKind(value);
    if (!IsElementKind(kind))
        return false;
    // Each folder's elements are looked up once per pass, not once per node.
    auto found = elements.find(kind);
    if (found == elements.end())
        found = elements.emplace(kind, ElementChildren(ListItem(Root(), FolderKindOf(kind)).Node())).first;
    const int index = ItemIndex(value);
    if (index >= int(found->second.size()))
        return false;
    const char *attribute = kind == kNodeTextMessage ? "txt" : "pid";
    return CollationSearchKey(GetAttr(found->second[index], attribute)).contains(m_strFilterKey);
}

bool CZQVCPSTreeView::FilterNode(QTreeWidgetItem *node, FilterElements &elements)
{
    bool shown = MatchesFilter(node, elements);
    for (int i = 0; i < node->childCount(); ++i)
        shown = FilterNode(node->child(i), elements) || shown;
    if (node->isHidden() == shown)
        node->setHidden(!shown);
    return shown;
}

void CZQVCPSTreeView::ApplyFilter()
{
    if (m_strFilterKey.isEmpty())
        return;
    FilterElements elements;
    // The root stays, so the tree never looks empty; below it only matches and their folders.
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem *root = topLevelItem(i);
        for (int c = 0; c < root->childCount(); ++c)
            FilterNode(root->child(c), elements);
        root->setHidden(false);
    }
}

QTreeWidgetItem *CZQVCPSTreeView::FirstMatch() const
{
    FilterElements elements;
    for (QTreeWidgetItemIterator it(const_cast<CZQVCPSTreeView *>(this)); *it; ++it)
        if (MatchesFilter(*it, elements))
            return *it;
    return nullptr;
}

}  // namespace zqv
