#include "tests/support/X11Session.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <thread>

namespace {

int PidOf(Display* display, Window window) {
    Atom pidAtom = XInternAtom(display, "_NET_WM_PID", True);
    if (pidAtom == None) {
        return 0;
    }
    Atom type;
    int format;
    unsigned long items, remaining;
    unsigned char* data = nullptr;
    int pid = 0;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &items, &remaining, &data) == Success &&
        data && items == 1) {
        pid = static_cast<int>(*reinterpret_cast<unsigned long*>(data));
    }
    if (data) {
        XFree(data);
    }
    return pid;
}

Window Search(Display* display, Window window, const std::string& title, int pid) {
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        const bool match = title == name;
        XFree(name);
        if (match && (pid == 0 || PidOf(display, window) == pid)) {
            return window;
        }
    }
    Window root, parent;
    Window* children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(display, window, &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !found; ++i) {
            found = Search(display, children[i], title, pid);
        }
        if (children) {
            XFree(children);
        }
    }
    return found;
}

// A window can vanish between finding it and asking about it (a game ending, an error box
// being dismissed); Xlib's default handler would end the whole test for that.
int IgnoreXError(Display*, XErrorEvent*) {
    return 0;
}

void Run(const std::string& command) {
    if (std::system(command.c_str()) != 0) {
        // A failed xdotool shows up as the game not reacting; the test then says so.
    }
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

unsigned long X11Session::FindWindow(const std::string& title, int pid, double seconds) {
    if (!display_) {
        return 0;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    do {
        XSync(display_, False);
        if (Window found = Search(display_, DefaultRootWindow(display_), title, pid)) {
            XWindowAttributes attributes;
            if (XGetWindowAttributes(display_, found, &attributes) &&
                attributes.map_state == IsViewable) {
                return found;
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    } while (std::chrono::steady_clock::now() < deadline);
    return 0;
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
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display_, window, False, NoEventMask, &event);
    XFlush(display_);
}

void X11Session::MoveMouse(unsigned long window, int x, int y) {
    Run("xdotool mousemove --window " + std::to_string(window) + " " + std::to_string(x) + " " +
        std::to_string(y));
}

void X11Session::Press() {
    Run("xdotool mousedown 1");
}

void X11Session::Release() {
    Run("xdotool mouseup 1");
}

void X11Session::Click(unsigned long window, int x, int y) {
    MoveMouse(window, x, y);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    Press();
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    Release();
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

double X11Session::Brightness(unsigned long window, int x, int y, int width, int height) {
    if (!display_) {
        return -1.0;
    }
    XImage* image = XGetImage(display_, window, x, y, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!image) {
        return -1.0;
    }
    double total = 0.0;
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const unsigned long pixel = XGetPixel(image, column, row);
            total +=
                static_cast<double>((pixel >> 16) & 0xff) + ((pixel >> 8) & 0xff) + (pixel & 0xff);
        }
    }
    XDestroyImage(image);
    return total / (3.0 * width * height);
}

bool X11Session::WaitForBattlefield(unsigned long window, double seconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (Brightness(window, 8, 8, 32, 32) <= 0.0) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return true;
}

bool X11Session::Screenshot(unsigned long window, const std::string& pngPath) {
    return std::system(("/usr/bin/import -window " + std::to_string(window) + " " + pngPath +
                        " >/dev/null 2>&1")
                           .c_str()) == 0;
}
