#include "platform/ErrorBox.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

const char* const kCaption = "Vornak";

ErrorBox::Handler& CurrentHandler() {
    static ErrorBox::Handler handler;
    return handler;
}

std::vector<std::string> LinesOf(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\n') {
            lines.emplace_back();
        } else if (c == '\t') {
            lines.back() += "    ";
        } else if (c != '\r') {
            lines.back() += c;
        }
    }
    while (lines.size() > 1 && lines.back().empty()) {
        lines.pop_back();
    }
    return lines;
}

struct Layout {
    int width, height, lineHeight, ascent;
    int buttonX, buttonY, buttonWidth, buttonHeight;
};

int TextWidth(XFontStruct* font, const std::string& s) {
    return font ? XTextWidth(font, s.c_str(), static_cast<int>(s.size()))
                : static_cast<int>(s.size()) * 6;
}

void Draw(Display* display, Window window, GC gc, XFontStruct* font,
          const std::vector<std::string>& lines, const Layout& layout, bool pressed) {
    XClearWindow(display, window);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        XDrawString(display, window, gc, 20,
                    20 + layout.ascent + static_cast<int>(i) * layout.lineHeight, lines[i].c_str(),
                    static_cast<int>(lines[i].size()));
    }
    XDrawRectangle(display, window, gc, layout.buttonX, layout.buttonY, layout.buttonWidth,
                   layout.buttonHeight);
    if (pressed) {
        XDrawRectangle(display, window, gc, layout.buttonX + 1, layout.buttonY + 1,
                       layout.buttonWidth - 2, layout.buttonHeight - 2);
    }
    const std::string ok = "OK";
    XDrawString(display, window, gc,
                layout.buttonX + (layout.buttonWidth - TextWidth(font, ok)) / 2,
                layout.buttonY + (layout.buttonHeight + layout.ascent) / 2 - 1, ok.c_str(), 2);
    XFlush(display);
}

bool InsideButton(const Layout& layout, int x, int y) {
    return x >= layout.buttonX && x <= layout.buttonX + layout.buttonWidth && y >= layout.buttonY &&
           y <= layout.buttonY + layout.buttonHeight;
}

// A plain Xlib dialog: SDL 1.2 has no message box, and the box must also work when the
// game's own window never opened.
void ShowX11Box(const std::string& text) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        return;
    }
    const int screen = DefaultScreen(display);
    XFontStruct* font = XLoadQueryFont(display, "fixed");
    const std::vector<std::string> lines = LinesOf(text);

    Layout layout{};
    layout.ascent = font ? font->ascent : 11;
    layout.lineHeight = font ? font->ascent + font->descent + 2 : 15;
    int textWidth = 0;
    for (const std::string& line : lines) {
        textWidth = std::max(textWidth, TextWidth(font, line));
    }
    layout.width = std::max(260, textWidth + 40);
    layout.buttonWidth = 80;
    layout.buttonHeight = 26;
    layout.buttonX = (layout.width - layout.buttonWidth) / 2;
    layout.buttonY = 20 + static_cast<int>(lines.size()) * layout.lineHeight + 16;
    layout.height = layout.buttonY + layout.buttonHeight + 16;

    const int x = std::max(0, (DisplayWidth(display, screen) - layout.width) / 2);
    const int y = std::max(0, (DisplayHeight(display, screen) - layout.height) / 2);
    Window window = XCreateSimpleWindow(display, RootWindow(display, screen), x, y,
                                        static_cast<unsigned>(layout.width),
                                        static_cast<unsigned>(layout.height), 1,
                                        BlackPixel(display, screen), WhitePixel(display, screen));
    XStoreName(display, window, kCaption);
    // Whoever looks for this program's windows (a window manager, a test) finds the box too.
    const unsigned long pid = static_cast<unsigned long>(getpid());
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(&pid), 1);

    XSizeHints* hints = XAllocSizeHints();
    hints->flags = PPosition | PMinSize | PMaxSize;
    hints->x = x;
    hints->y = y;
    hints->min_width = hints->max_width = layout.width;
    hints->min_height = hints->max_height = layout.height;
    XSetWMNormalHints(display, window, hints);
    XFree(hints);

    Atom deleteWindow = XInternAtom(display, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(display, window, &deleteWindow, 1);
    Atom windowType = XInternAtom(display, "_NET_WM_WINDOW_TYPE", False);
    Atom dialogType = XInternAtom(display, "_NET_WM_WINDOW_TYPE_DIALOG", False);
    XChangeProperty(display, window, windowType, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&dialogType), 1);
    Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    Atom modal = XInternAtom(display, "_NET_WM_STATE_MODAL", False);
    XChangeProperty(display, window, state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&modal), 1);

    GC gc = XCreateGC(display, window, 0, nullptr);
    XSetForeground(display, gc, BlackPixel(display, screen));
    if (font) {
        XSetFont(display, gc, font->fid);
    }
    XSelectInput(display, window,
                 ExposureMask | ButtonPressMask | ButtonReleaseMask | KeyPressMask |
                     StructureNotifyMask);
    XMapRaised(display, window);

    bool pressed = false;
    bool done = false;
    while (!done) {
        XEvent event;
        XNextEvent(display, &event);
        switch (event.type) {
        case Expose:
            if (event.xexpose.count == 0) {
                Draw(display, window, gc, font, lines, layout, pressed);
            }
            break;
        case ButtonPress:
            if (event.xbutton.button == Button1 &&
                InsideButton(layout, event.xbutton.x, event.xbutton.y)) {
                pressed = true;
                Draw(display, window, gc, font, lines, layout, pressed);
            }
            break;
        case ButtonRelease:
            if (event.xbutton.button == Button1) {
                done = pressed && InsideButton(layout, event.xbutton.x, event.xbutton.y);
                pressed = false;
                Draw(display, window, gc, font, lines, layout, pressed);
            }
            break;
        case KeyPress: {
            const KeySym key = XLookupKeysym(&event.xkey, 0);
            done = key == XK_Return || key == XK_KP_Enter || key == XK_Escape || key == XK_space;
            break;
        }
        case ClientMessage:
            done = static_cast<Atom>(event.xclient.data.l[0]) == deleteWindow;
            break;
        case DestroyNotify:
            done = true;
            break;
        default:
            break;
        }
    }

    XFreeGC(display, gc);
    if (font) {
        XFreeFont(display, font);
    }
    XDestroyWindow(display, window);
    XCloseDisplay(display);
}

} // namespace

void ErrorBox::Show(const std::string& text) {
    std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(stderr);
    if (CurrentHandler()) {
        CurrentHandler()(kCaption, text);
        return;
    }
    const char* disabled = std::getenv("VORNAK_NO_ERROR_BOX");
    if (disabled && *disabled && std::string(disabled) != "0") {
        return;
    }
    ShowX11Box(text);
}

void ErrorBox::SetHandler(Handler handler) {
    CurrentHandler() = std::move(handler);
}
