// Waits until a top-level window with the given title exists on the X display, for the smoke
// test: xwindow_probe TITLE [SECONDS]. Exit status 0 when found (its size is printed), 1 when
// it did not appear in time, 2 without a display.
#include <X11/Xlib.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace {

bool FindWindow(Display *display, Window window, const char *title, int depth)
{
    char *name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        const bool match = std::strcmp(name, title) == 0;
        XFree(name);
        if (match) {
            XWindowAttributes attrs;
            if (XGetWindowAttributes(display, window, &attrs) && attrs.map_state == IsViewable) {
                std::printf("%dx%d\n", attrs.width, attrs.height);
                return true;
            }
        }
    }
    if (depth > 3)
        return false;
    Window root = 0, parent = 0;
    Window *children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, window, &root, &parent, &children, &count))
        return false;
    bool found = false;
    for (unsigned i = 0; i < count && !found; ++i)
        found = FindWindow(display, children[i], title, depth + 1);
    if (children)
        XFree(children);
    return found;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc < 2)
        return 2;
    const double seconds = argc > 2 ? std::atof(argv[2]) : 20.0;
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return 2;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(int(seconds * 1000));
    int status = 1;
    do {
        if (FindWindow(display, DefaultRootWindow(display), argv[1], 0)) {
            status = 0;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    } while (std::chrono::steady_clock::now() < deadline);
    XCloseDisplay(display);
    return status;
}
