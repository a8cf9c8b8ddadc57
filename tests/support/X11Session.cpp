#include "tests/support/X11Session.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <thread>

namespace {

// A window can vanish between finding it and asking about it (a game ending, an error box
// being dismissed); Xlib's default handler would end the whole test for that.
int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

bool Until(double seconds, const std::function<bool()>& done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

} // namespace

X11Session::X11Session() : display_(XOpenDisplay(nullptr)) {
    XSetErrorHandler(IgnoreXError);
}

X11Session::~X11Session() {
    if (display_) {
        XCloseDisplay(display_);
    }
}

// Without a window manager the programs' windows are the root's own children.
unsigned long X11Session::FindWindow(const std::string& title, int pid, double seconds) {
    Window found = 0;
    const Atom pidAtom = display_ ? XInternAtom(display_, "_NET_WM_PID", False) : 0;
    Until(seconds, [&] {
        Window root, parent, *children = nullptr;
        unsigned count = 0;
        if (!display_ ||
            !XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count)) {
            return false;
        }
        for (unsigned i = 0; i < count && !found; ++i) {
            char* name = nullptr;
            Atom type;
            int format;
            unsigned long items, remaining;
            unsigned char* data = nullptr;
            XWindowAttributes attributes;
            if (XFetchName(display_, children[i], &name) && name && title == name &&
                XGetWindowProperty(display_, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type,
                                   &format, &items, &remaining, &data) == Success &&
                data && items == 1 && *reinterpret_cast<unsigned long*>(data) == unsigned(pid) &&
                XGetWindowAttributes(display_, children[i], &attributes) &&
                attributes.map_state == IsViewable) {
                found = children[i];
            }
            XFree(name);
            XFree(data);
        }
        XFree(children);
        return found != 0;
    });
    return found;
}

bool X11Session::Size(unsigned long window, int& width, int& height) {
    XWindowAttributes attributes;
    if (!display_ || !XGetWindowAttributes(display_, window, &attributes)) {
        return false;
    }
    width = attributes.width;
    height = attributes.height;
    return true;
}

void X11Session::RequestClose(unsigned long window) {
    XEvent event;
    std::memset(&event, 0, sizeof event);
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    XSendEvent(display_, window, False, NoEventMask, &event);
    XFlush(display_);
}

void X11Session::Click(unsigned long window, int x, int y) {
    // A failed xdotool shows up as the game not reacting; the test then says so.
    const std::string command = "xdotool mousemove --window " + std::to_string(window) + " " +
                                std::to_string(x) + " " + std::to_string(y) +
                                " sleep 0.1 mousedown 1 sleep 0.15 mouseup 1 sleep 0.1";
    const int ignored = std::system(command.c_str());
    (void)ignored;
}

void X11Session::Key(const std::string& keysym) {
    const int ignored = std::system(("xdotool key --delay 150 " + keysym).c_str());
    (void)ignored;
}

double X11Session::Brightness(unsigned long window, int x, int y, int width, int height) {
    XImage* image = display_ ? XGetImage(display_, window, x, y, unsigned(width), unsigned(height),
                                         AllPlanes, ZPixmap)
                             : nullptr;
    if (!image) {
        return -1.0;
    }
    double total = 0.0;
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const unsigned long pixel = XGetPixel(image, column, row);
            total += double((pixel >> 16) & 0xff) + ((pixel >> 8) & 0xff) + (pixel & 0xff);
        }
    }
    XDestroyImage(image);
    return total / (3.0 * width * height);
}

bool X11Session::WaitForBattlefield(unsigned long window, double seconds) {
    return Until(seconds, [&] { return Brightness(window, 8, 8, 32, 32) > 0.0; });
}
