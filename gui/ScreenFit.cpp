#include "ScreenFit.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace zqv {

void FitToScreen(QWidget &window, const QSize &preferred)
{
    // A window not shown yet opens over its parent, on the parent's screen.
    const QWidget *parent = window.parentWidget();
    QScreen *screen = !window.windowHandle() && parent ? parent->window()->screen() : window.screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen) {
        window.resize(preferred);
        return;
    }
    const QRect available = screen->availableGeometry();
    // The window manager's frame and title bar come on top of the size set here: leave a tenth
    // of the free area for them.
    const QSize room = available.size() * 0.9;
    const QSize size = preferred.boundedTo(room);
    window.resize(size);
    window.move(available.center() - QPoint(size.width() / 2, size.height() / 2));
}

}  // namespace zqv
