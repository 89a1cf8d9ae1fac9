#include "NodeKinds.h"

namespace zqv {

bool IsElementKind(NodeKind kind)
{
    return kind == kNodeTextMessage || kind == kNodePublicGroup || kind == kNodePrivateGroup || kind == kNodePrivate;
}

bool IsAddKind(NodeKind kind)
{
    return kind == kNodeTextMessages || kind == kNodePublicGroups || kind == kNodePrivateGroups ||
        kind == kNodePrivates || kind == kNodePrivatesWithScanner;
}

bool IsRenameKind(NodeKind kind)
{
    return kind == kNodePublicGroup || kind == kNodePrivateGroup || kind == kNodePrivate;
}

NodeKind FolderKindOf(NodeKind kind)
{
    switch (kind) {
    case kNodeTextMessage: return kNodeTextMessages;
    case kNodePublicGroup: return kNodePublicGroups;
    case kNodePrivateGroup: return kNodePrivateGroups;
    case kNodePrivate:
    case kNodePrivatesWithScanner: return kNodePrivates;
    default: return kind;
    }
}

NodeKind ElementKindOf(NodeKind folderKind)
{
    switch (folderKind) {
    case kNodeTextMessages: return kNodeTextMessage;
    case kNodePublicGroups: return kNodePublicGroup;
    case kNodePrivateGroups: return kNodePrivateGroup;
    case kNodePrivates: return kNodePrivate;
    default: return folderKind;
    }
}

const char *NodeViewClass(NodeKind kind)
{
    static const char *const kClasses[kNodeKindCount] = {
        "CRadioInfoView",     "CSettingsView",     "CTextMessagesView",  "CTextMessageView",
        "CContactsView",      "CPublicGroupsView", "CPrivateGroupsView", "CPrivatesView",
        "CPublicGroupView",   "CPrivateGroupView", "CPrivateView",       "CListsView",
        "CScrollListView",    "CScanListView",     "CScanChannelView",   nullptr,
        "CContactsTableView",
    };
    return kind >= 0 && kind < kNodeKindCount ? kClasses[kind] : nullptr;
}

}  // namespace zqv
