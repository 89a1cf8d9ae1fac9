#include "LockKeys.h"

#include <QGuiApplication>

#if defined(ZQV_HAVE_X11)
#include <X11/XKBlib.h>
#include <qguiapplication_platform.h>
#endif

namespace zqv {

unsigned QueryLockKeys(bool *known)
{
#if defined(ZQV_HAVE_X11)
    if (auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr) {
        unsigned state = 0;
        if (x11->display() && XkbGetIndicatorState(x11->display(), XkbUseCoreKbd, &state) == Success) {
            *known = true;
            return state & 0x7;
        }
    }
#endif
    *known = false;
    return 0;
}

}  // namespace zqv
