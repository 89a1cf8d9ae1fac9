#include "HeadingView.h"

#include "ControlIds.h"
#include "ProfileItems.h"
#include "StringTable.h"

#include <QLabel>

namespace zqv {

namespace {

struct HeadingInfo {
    int kind;
    int controlId;
    const char *page;
};

constexpr HeadingInfo kHeadings[] = {
    {kNodeSettings, IDC_SETTINGS_HEADING, "Settings"},
    {kNodePrivateGroup, IDC_PRIVATEGROUP_HEADING, "PrivateGroupX"},
    {kNodePrivate, IDC_PRIVATE_HEADING, "PrivateX"},
    {kNodeScrollList, IDC_SCROLL_HEADING, "Scroll"},
    {kNodeScanChannel, IDC_SCANCHANNEL_HEADING, "ChannelX"},
};

const HeadingInfo &InfoOf(int kind)
{
    for (const HeadingInfo &s : kHeadings)
        if (s.kind == kind)
            return s;
    return kHeadings[0];
}

}  // namespace

CHeadingView::CHeadingView(IEditorHost &host, CZQVCPSTreeView &tree, NodeKind kind, QWidget *parent)
    : CBaseView(host, tree, kind, parent)
{
    m_pHeading = AddHeading(InfoOf(kind).controlId, QString());
}

QString CHeadingView::HeadingText() const
{
    switch (Kind()) {
    case kNodeSettings: return LoadStr(IDS_SETTINGS);
    case kNodeScrollList: return LoadStr(IDS_SCROLL_LIST);
    case kNodeScanChannel: return FormatStr(IDS_SCAN_LIST_CHANNEL_N, {QString::number(CurrentIndex() + 1)});
    default: return AttrText(ListChild(ProfileRoot(), Kind(), CurrentIndex()), "name");
    }
}

void CHeadingView::Load()
{
    ApplyPageVisibility(QLatin1String(InfoOf(Kind()).page));
    m_pHeading->setText(HeadingText());
}

void CHeadingView::OnUpdate(const ViewHint &hint)
{
    if (hint.operation == kHintRefresh && hint.kind == Kind() && hint.index == CurrentIndex())
        m_pHeading->setText(HeadingText());
}

QString CHeadingView::Heading() const
{
    return m_pHeading->text();
}

}  // namespace zqv
