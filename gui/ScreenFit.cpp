#include "ScreenFit.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace zqv {

void FitToScreen(QWidget &window, const QSize &preferred)
{
    QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
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
