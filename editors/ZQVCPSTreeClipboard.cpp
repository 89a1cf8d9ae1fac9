#include "ZQVCPSTreeView.h"

#include "EditorHost.h"
#include "ProfileItems.h"
#include "Prompter.h"
#include "StringIds.h"
#include "StringTable.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>

namespace zqv {

namespace {

// The most left-out items the message names one by one.
constexpr int kMaxListedLeftOut = 20;

// The elements a node of this kind and index stands for.
std::vector<xmlNodePtr> NodeElements(const CDataItem &root, NodeKind kind, int index)
{
    std::vector<xmlNodePtr> elements;
    auto addChildren = [&](NodeKind folder) {
        const CDataItem list = ListItem(root, folder);
        if (!list.IsEmpty())
            for (xmlNodePtr child : ElementChildren(list.Node()))
                elements.push_back(child);
    };
    switch (kind) {
    case kNodeTextMessage:
    case kNodePublicGroup:
    case kNodePrivateGroup:
    case kNodePrivate:
        if (const CDataItem item = ListChild(root, kind, index); !item.IsEmpty())
            elements.push_back(item.Node());
        break;
    case kNodeTextMessages:
    case kNodePublicGroups:
    case kNodePrivateGroups:
    case kNodePrivates: addChildren(kind); break;
    case kNodeContacts:
        for (NodeKind folder : {kNodePublicGroups, kNodePrivateGroups, kNodePrivates})
            addChildren(folder);
        break;
    default: break;
    }
    return elements;
}

// The message after a paste that left something out: every refused item and every part left
// out of an item that went in, with the reason.
QString LeftOutText(const ImportReport &report)
{
    QStringList lines;
    int more = 0;
    for (const ImportRowResult &row : report.rows) {
        const QString reason =
            row.verdict == ImportRowResult::Refused ? row.detail : row.leftOut.join(QLatin1Char(' '));
        if (row.verdict != ImportRowResult::Refused && row.leftOut.isEmpty())
            continue;
        if (lines.size() < kMaxListedLeftOut)
            lines << FormatStr(IDS_PASTE_LEFT_OUT_ITEM, {row.name, reason});
        else
            ++more;
    }
    if (more > 0)
        lines << FormatStr(IDS_PASTE_MORE, {QString::number(more)});
    return FormatStr(IDS_PASTE_LEFT_OUT, {report.Summary(), lines.join(QLatin1Char('\n'))});
}

}  // namespace

ExchangeClip CZQVCPSTreeView::CopyItems() const
{
    const QTreeWidgetItem *item = currentItem();
    if (!item)
        return {};
    const quint32 value = NodeValue(item);
    return CContactExchange::Copy(Root(), NodeElements(Root(), ItemKind(value), ItemIndex(value)));
}

void CZQVCPSTreeView::PasteItems(const ExchangeClip &clip)
{
    if (clip.IsEmpty() || !CommitPendingEdits())
        return;
    ImportReport report;
    {
        CEditScope scope(m_host, LoadStr(IDS_PASTE_STEP));
        report = CContactExchange::Paste(Root(), clip);
        if (report.Changed())
            m_host.SetModified();
    }
    Build();
    m_host.ShowStatusText(report.fileError.isEmpty() ? report.Summary() : report.fileError);
    if (!report.fileError.isEmpty())
        m_host.Prompter().Show(report.fileError, MB_OK | MB_ICONWARNING);
    else if (report.AnyLeftOut())
        m_host.Prompter().Show(LeftOutText(report), MB_OK | MB_ICONWARNING);
}

void CZQVCPSTreeView::startDrag(Qt::DropActions)
{
    const ExchangeClip clip = CopyItems();
    if (clip.IsEmpty())
        return;
    auto *drag = new QDrag(this);
    drag->setMimeData(clip.ToMimeData());
    if (const QTreeWidgetItem *item = currentItem())
        drag->setPixmap(item->icon(0).pixmap(iconSize()));
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}

void CZQVCPSTreeView::dragEnterEvent(QDragEnterEvent *event)
{
    // Items from this very tree would only meet themselves again.
    if (event->source() != this && ExchangeClip::IsIn(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void CZQVCPSTreeView::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->source() != this && ExchangeClip::IsIn(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void CZQVCPSTreeView::dropEvent(QDropEvent *event)
{
    if (event->source() == this || !ExchangeClip::IsIn(event->mimeData())) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::CopyAction);
    event->accept();
    // The drag is still running in its source; the paste, its questions and its message come
    // once it has ended.
    QTimer::singleShot(0, this, [this, clip = ExchangeClip::FromMimeData(event->mimeData())] { PasteItems(clip); });
}

}  // namespace zqv
