// The pictures of the profile tree's node kinds and of the forms' add buttons, drawn with
// QPainter when first asked for (no image files).
#pragma once

#include "NodeKinds.h"

#include <QIcon>

namespace zqv {

// The icon of node kind `kind`; `ownRadio` gives the private contact that is the radio itself
// its own picture.
QIcon NodeIcon(NodeKind kind, bool ownRadio = false);

}  // namespace zqv
