// SPDX-License-Identifier: GPL-2.0-or-later
// A stand-in for a desktop panel: a dock window along the bottom of the screen that reserves
// a strip of the given height (48 by default) through _NET_WM_STRUT_PARTIAL, so that the
// window manager shrinks the work area. Runs until it is killed.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const int height = argc > 1 ? std::atoi(argv[1]) : 48;
    Display* display = XOpenDisplay(nullptr);
    if (!display || height <= 0) {
        std::fprintf(stderr, "strut-dock: no display\n");
        return 1;
    }
    const int screen = DefaultScreen(display);
    const int width = DisplayWidth(display, screen);
    const int screenHeight = DisplayHeight(display, screen);
    const Window window =
        XCreateSimpleWindow(display, RootWindow(display, screen), 0, screenHeight - height, width,
                            height, 0, 0, BlackPixel(display, screen));
    Atom dock = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DOCK", False);
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_WINDOW_TYPE", False), XA_ATOM,
                    32, PropModeReplace, reinterpret_cast<unsigned char*>(&dock), 1);
    // left, right, top, bottom, then the start and end of each edge's strip.
    long strut[12] = {0, 0, 0, height, 0, 0, 0, 0, 0, 0, 0, width - 1};
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_STRUT_PARTIAL", False),
                    XA_CARDINAL, 32, PropModeReplace, reinterpret_cast<unsigned char*>(strut), 12);
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_STRUT", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<unsigned char*>(strut), 4);
    // Placed by us, not by the window manager's policy (which would centre it).
    XSizeHints hints = {};
    hints.flags = USPosition | PPosition;
    hints.x = 0;
    hints.y = screenHeight - height;
    XSetWMNormalHints(display, window, &hints);
    XStoreName(display, window, "strut-dock");
    XMapWindow(display, window);
    XFlush(display);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
    }
}
