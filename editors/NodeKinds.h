// The node kinds of the profile tree, the value each tree node carries, and the change notice
// (ViewHint) that the tree and the forms of one profile window exchange.
//
// A node kind also names the form shown for the node (its view kind).
#pragma once

#include <QtGlobal>

namespace zqv {

enum NodeKind : int {
    kNodeRoot = 0,
    kNodeSettings = 1,
    kNodeTextMessages = 2,
    kNodeTextMessage = 3,
    kNodeContacts = 4,
    kNodePublicGroups = 5,
    kNodePrivateGroups = 6,
    kNodePrivates = 7,
    kNodePublicGroup = 8,
    kNodePrivateGroup = 9,
    kNodePrivate = 10,
    kNodeLists = 11,
    kNodeScrollList = 12,
    kNodeScanList = 13,
    kNodeScanChannel = 14,
    // Not a node: private contacts added with a bar-code scanner (used in Add notices only).
    kNodePrivatesWithScanner = 15,
    // Every contact in one table, at the top of the tree.
    kNodeAllContacts = 16,
};

inline constexpr int kNodeKindCount = 17;

// A tree node's value: the node kind in the low 16 bits, the element's index among its
// siblings in the high 16 bits.
constexpr quint32 MakeItemValue(int kind, int index)
{
    return (static_cast<quint32>(index) << 16) | (static_cast<quint32>(kind) & 0xFFFFu);
}
constexpr NodeKind ItemKind(quint32 value)
{
    return static_cast<NodeKind>(value & 0xFFFFu);
}
constexpr int ItemIndex(quint32 value)
{
    return static_cast<int>(value >> 16);
}

enum HintOperation : int {
    kHintAdd = 1,
    kHintDelete = 2,
    kHintRefresh = 3,
};

// The change notice: operation, node kind and element index (8, 8 and 16 bits wide).
struct ViewHint {
    int operation = 0;
    int kind = 0;
    int index = 0;
};

// Node kinds by role: the kinds whose nodes stand for one profile element (text message,
// public group, private group, private contact); the kinds an Add applies to (the folders of
// those elements, and private contacts added with the scanner); the kinds the tree renames
// in place (the contacts).
bool IsElementKind(NodeKind kind);
bool IsAddKind(NodeKind kind);
bool IsRenameKind(NodeKind kind);
// The folder of an element kind (and of kNodePrivatesWithScanner); any other kind itself.
NodeKind FolderKindOf(NodeKind kind);
// The element kind of a folder kind; any other kind itself.
NodeKind ElementKindOf(NodeKind folderKind);

// The form class of a node kind ("CPublicGroupView"), under which the help pane files the
// form's help pages; null for a kind without a form.
const char *NodeViewClass(NodeKind kind);

}  // namespace zqv
