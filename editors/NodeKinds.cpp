#include "NodeKinds.h"

namespace zqv {

const char *NodeViewClass(int kind)
{
    static const char *const kClasses[kNodeKindCount] = {
        "CRadioInfoView",   "CSettingsView",     "CTextMessagesView", "CTextMessageView",
        "CContactsView",    "CPublicGroupsView", "CPrivateGroupsView", "CPrivatesView",
        "CPublicGroupView", "CPrivateGroupView", "CPrivateView",       "CListsView",
        "CScrollListView",  "CScanListView",     "CScanChannelView",
    };
    return kind >= 0 && kind < kNodeKindCount ? kClasses[kind] : nullptr;
}

}  // namespace zqv
