#include "tests/support/X11Session.h"

#include "tests/support/GameProcess.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace {

// What a shell command prints. A failed xdotool shows up as the game not reacting, which
// the test then reports.
std::string Shell(const std::string& command) {
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        for (int c; (c = std::fgetc(pipe)) != EOF;) {
            output += char(c);
        }
        pclose(pipe);
    }
    return output;
}

// Before any other call: a test may watch two games from two threads.
const Status kThreads = XInitThreads();

} // namespace

X11Session::X11Session() : display_(XOpenDisplay(nullptr)) {
    if (!display_) {
        throw std::runtime_error("needs an X display");
    }
    // A window can vanish between finding it and asking about it (a game ending, an error
    // box being dismissed); Xlib's default handler would end the whole test for that.
    XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
}

X11Session::~X11Session() {
    XCloseDisplay(display_);
}

unsigned long X11Session::FindWindow(const std::string& title, int pid, double seconds) {
    const std::string command = "xdotool search --all --onlyvisible --pid " + std::to_string(pid) +
                                " --name '^" + title + "$' 2>/dev/null";
    unsigned long found = 0;
    Eventually(seconds,
               [&] { return (found = std::strtoul(Shell(command).c_str(), nullptr, 10)) != 0; });
    return found;
}

unsigned long X11Session::Root() const {
    return DefaultRootWindow(display_);
}

void X11Session::RequestClose(unsigned long window) {
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display_, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display_, "WM_DELETE_WINDOW", False));
    XSendEvent(display_, window, False, NoEventMask, &event);
    XFlush(display_);
}

void X11Session::Click(unsigned long window, int x, int y) {
    Shell("xdotool mousemove --window " + std::to_string(window) + " " + std::to_string(x) + " " +
          std::to_string(y) + " sleep 0.1 mousedown 1 sleep 0.15 mouseup 1 sleep 0.1");
}

void X11Session::MoveTo(unsigned long window, int x, int y) {
    Shell("xdotool mousemove --window " + std::to_string(window) + " " + std::to_string(x) + " " +
          std::to_string(y) + " sleep 0.1");
}

void X11Session::Key(const std::string& keysym, unsigned long window) {
    const std::string to = window ? "--window " + std::to_string(window) + " " : "";
    Shell("xdotool key --delay 150 " + to + keysym + " 2>/dev/null");
}

std::string X11Session::Pixels(unsigned long window, int x, int y, int width, int height) {
    XImage* image =
        XGetImage(display_, window, x, y, unsigned(width), unsigned(height), AllPlanes, ZPixmap);
    std::string rgb;
    for (int i = 0; image && i < width * height; ++i) {
        const unsigned long pixel = XGetPixel(image, i % width, i / width);
        rgb += {char(pixel >> 16), char(pixel >> 8), char(pixel)};
    }
    if (image) {
        XDestroyImage(image);
    }
    return rgb;
}

double X11Session::Brightness(unsigned long window, int x, int y, int width, int height) {
    const std::string rgb = Pixels(window, x, y, width, height);
    double total = 0.0;
    for (const char byte : rgb) {
        total += static_cast<unsigned char>(byte);
    }
    return rgb.empty() ? -1.0 : total / static_cast<double>(rgb.size());
}
