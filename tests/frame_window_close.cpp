// The close button of a window, as a window manager reports it: a WM_DELETE_WINDOW message. Kept
// apart from the tests, since Xlib's macros (None, Status) clash with GoogleTest's names.
#include <X11/Xlib.h>

#include <string>

bool send_close(const std::string& display, unsigned long window) {
    Display* x = XOpenDisplay(display.c_str());
    if (x == nullptr) return false;
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(x, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(x, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(x, window, False, NoEventMask, &event) != 0;
    XFlush(x);
    XCloseDisplay(x);
    return sent;
}
