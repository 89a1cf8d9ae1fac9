// The profile tree's selection: which node is current, the form shown for it, and the form's
// say before the selection moves away from it.
#include "ZQVCPSTreeView.h"

#include "BaseView.h"
#include "ContactFolderViews.h"
#include "ContactsTableView.h"
#include "ContactsView.h"
#include "EditorHost.h"
#include "ListFormViews.h"
#include "ListsView.h"
#include "PrivateGroupView.h"
#include "PrivateView.h"
#include "ProfileItems.h"
#include "PublicGroupView.h"
#include "RadioInfoView.h"
#include "ScanListView.h"
#include "SettingsView.h"
#include "TextMessageView.h"
#include "TextMessagesView.h"
#include "ZQVCPSDoc.h"
#include "ZQVCPSException.h"

namespace zqv {

void CZQVCPSTreeView::SetCurrentQuietly(QTreeWidgetItem *item)
{
    if (!item)
        return;
    CQuiet quiet(*this);
    setCurrentItem(item, 0, QItemSelectionModel::ClearAndSelect);
    scrollToItem(item);
}

void CZQVCPSTreeView::SyncCurrentToShown()
{
    if (m_bShownDeleted)
        return;
    QTreeWidgetItem *shown = ShownNode();
    if (!shown)
        return;
    const QList<QTreeWidgetItem *> selected = selectedItems();
    if (currentItem() != shown || selected.size() != 1 || selected.first() != shown)
        SetCurrentQuietly(shown);
}

void CZQVCPSTreeView::PostSyncCurrentToShown()
{
    if (m_bSyncPosted)
        return;
    m_bSyncPosted = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_bSyncPosted = false;
            SyncCurrentToShown();
        },
        Qt::QueuedConnection);
}

void CZQVCPSTreeView::selectionChanged(const QItemSelection &selected, const QItemSelection &deselected)
{
    QTreeWidget::selectionChanged(selected, deselected);
    // The tree's own moves select the right node; any other change is checked once the event
    // that caused it has been handled.
    if (m_nQuiet == 0)
        PostSyncCurrentToShown();
}

// ------------------------------------------------------------------ selection

void CZQVCPSTreeView::OnCurrentItemChanged(QTreeWidgetItem *now, QTreeWidgetItem *)
{
    if (m_nQuiet > 0 || !now)
        return;
    if (!m_bShownDeleted && NodeValue(now) == m_nShownValue)
        return;
    // The click or key that moved the selection may still be running and select the node it
    // aimed at, although the form refused to be left or the nodes were re-sorted under it: put
    // the selection on the shown node afterwards as well.
    MoveSelection(TargetOf(now), true);
    PostSyncCurrentToShown();
}

bool CZQVCPSTreeView::SelectNode(QTreeWidgetItem *item)
{
    if (!item)
        return false;
    if (!m_bShownDeleted && NodeValue(item) == m_nShownValue) {
        SetCurrentQuietly(item);
        return true;
    }
    return MoveSelection(TargetOf(item), true);
}

int CZQVCPSTreeView::ValidateForm()
{
    CBaseView *form = CurrentForm();
    if (!form || m_bShownDeleted || form->HasDataError())
        return 1;
    m_bValidating = true;
    int result = 0;
    try {
        result = form->ValidateBeforeLeaving();
    } catch (const CZQVCPSException &e) {
        ShowException(e.GetMessageId());
        result = 0;
    }
    m_bValidating = false;
    return result;
}

bool CZQVCPSTreeView::MoveSelection(const Target &target, bool validate)
{
    try {
        if (validate && ValidateForm() == 0) {
            SyncCurrentToShown();
            UpdateCommandFlags();
            return false;
        }
        if (!m_bShownDeleted)
            ResortLeftNode();
        QTreeWidgetItem *node = Resolve(target);
        if (!node)
            node = target.element ? FolderOf(target.kind) : m_folders[kNodeRoot];
        SetCurrentQuietly(node);
        ShowFormFor(node);
    } catch (const CZQVCPSException &e) {
        ShowException(e.GetMessageId());
        SyncCurrentToShown();
        UpdateCommandFlags();
        return false;
    }
    UpdateCommandFlags();
    return true;
}

void CZQVCPSTreeView::ResortLeftNode()
{
    const NodeKind kind = ItemKind(m_nShownValue);
    const int index = ItemIndex(m_nShownValue);
    if (m_nShownValue == kNoNode || !IsElementKind(kind))
        return;
    const CDataItem list = ListItem(Root(), kind);
    if (index >= list.GetChildCount())
        return;
    const int newIndex = CDataItem::RepositionChild(list, index, QLatin1String(ListKey(kind)));
    if (newIndex == index)
        return;
    m_host.SetModified();
    RebuildFolder(FolderKindOf(kind));
    m_nShownValue = MakeItemValue(kind, newIndex);
    m_nCurrentIndex = newIndex;
}

QWidget *CZQVCPSTreeView::CreateForm(int kind)
{
    CBaseView *form = nullptr;
    switch (kind) {
    case kNodeRoot: form = new CRadioInfoView(m_host, *this); break;
    case kNodeSettings: form = new CSettingsView(m_host, *this); break;
    case kNodeTextMessages: form = new CTextMessagesView(m_host, *this); break;
    case kNodeTextMessage: form = new CTextMessageView(m_host, *this); break;
    case kNodeContacts: form = new CContactsView(m_host, *this); break;
    case kNodePublicGroups: form = new CPublicGroupsView(m_host, *this); break;
    case kNodePrivateGroups: form = new CPrivateGroupsView(m_host, *this); break;
    case kNodePrivates: form = new CPrivatesView(m_host, *this); break;
    case kNodePublicGroup: form = new CPublicGroupView(m_host, *this); break;
    case kNodePrivateGroup: form = new CPrivateGroupView(m_host, *this); break;
    case kNodePrivate: form = new CPrivateView(m_host, *this); break;
    case kNodeScrollList: form = new CScrollListView(m_host, *this); break;
    case kNodeScanChannel: form = new CScanChannelView(m_host, *this); break;
    case kNodeLists: form = new CListsView(m_host, *this); break;
    case kNodeScanList: form = new CScanListView(m_host, *this); break;
    case kNodeAllContacts: form = new CContactsTableView(m_host, *this); break;
    default: return nullptr;
    }
    try {
        form->Load();
        form->NameControlsByLabels();
    } catch (...) {
        delete form;
        throw;
    }
    return form;
}

CBaseView *CZQVCPSTreeView::CurrentForm() const
{
    return qobject_cast<CBaseView *>(m_host.RightView());
}

void CZQVCPSTreeView::ShowFormFor(QTreeWidgetItem *item)
{
    const quint32 value = NodeValue(item);
    const int oldIndex = m_nCurrentIndex;
    const QString oldAddText = m_strFormAddText;
    m_nCurrentIndex = ItemIndex(value);
    m_strFormAddText = m_strAddText;
    try {
        // What the form left says about its own controls (a contact that cannot join a group,
        // say) goes with it: the next form starts with the idle prompt.
        m_host.ShowStatusText(QString());
        m_host.ShowView(ItemKind(value));
    } catch (...) {
        m_nCurrentIndex = oldIndex;
        m_strFormAddText = oldAddText;
        throw;
    }
    m_nShownValue = value;
    m_bShownDeleted = false;
    if (m_host.HelpPaneShown())
        m_host.BlankHelpPane();
    if (isVisible() && !hasFocus())
        setFocus(Qt::OtherFocusReason);
}

void CZQVCPSTreeView::ShowAfterDelete(NodeKind kind, int index)
{
    QTreeWidgetItem *node = FindNode(kind, index);
    if (!node)
        node = FindNode(kind, index - 1);
    if (!node)
        node = FolderOf(kind);
    SetCurrentQuietly(node);
    // While the form validates itself it is still running: the tree shows the next form once
    // the validation has returned.
    if (node && !m_bValidating)
        ShowFormFor(node);
}

}  // namespace zqv
