// The close button of a window, as a window manager reports it (a WM_DELETE_WINDOW message), and
// what the window shows. Kept apart from the tests, since Xlib's macros (None, Status) clash with
// GoogleTest's names.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <string>
#include <vector>

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

// The window's pixels as 0xRRGGBB, row by row, with its size; false when they cannot be read.
bool grab_window(const std::string& display, unsigned long window, int& width, int& height,
                 std::vector<unsigned int>& pixels) {
    Display* x = XOpenDisplay(display.c_str());
    if (x == nullptr) return false;
    XWindowAttributes attributes{};
    bool grabbed = false;
    if (XGetWindowAttributes(x, window, &attributes) != 0) {
        width = attributes.width;
        height = attributes.height;
        if (XImage* image = XGetImage(x, window, 0, 0, static_cast<unsigned>(width), static_cast<unsigned>(height),
                                      AllPlanes, ZPixmap)) {
            // The shifts of the three channels, from the masks of a 24-bit visual.
            auto shift_of = [](unsigned long mask) {
                int shift = 0;
                while (mask != 0 && (mask & 1) == 0) mask >>= 1, ++shift;
                return shift;
            };
            const int r = shift_of(image->red_mask), g = shift_of(image->green_mask), b = shift_of(image->blue_mask);
            pixels.resize(static_cast<std::size_t>(width) * height);
            for (int y = 0; y < height; ++y)
                for (int i = 0; i < width; ++i) {
                    const unsigned long p = XGetPixel(image, i, y);
                    pixels[static_cast<std::size_t>(y) * width + i] =
                        static_cast<unsigned int>((p >> r & 0xFF) << 16 | (p >> g & 0xFF) << 8 | (p >> b & 0xFF));
                }
            XDestroyImage(image);
            grabbed = true;
        }
    }
    XCloseDisplay(x);
    return grabbed;
}
