// Window sizes that fit the screen: a window gets its preferred size where the screen has room
// for it, and no more than the screen's free area (without panels) where it has not, so its
// buttons stay on the screen at any scale factor.
#pragma once

#include <QSize>

class QWidget;

namespace zqv {

// Resizes `window` to `preferred`, bounded by the available area of the screen it will show
// on, and centres it there.
void FitToScreen(QWidget &window, const QSize &preferred);

}  // namespace zqv
