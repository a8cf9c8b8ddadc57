#pragma once

#include <string>

typedef struct _XDisplay Display;

// What a player does to a window from outside the program: find it, look at it, click on
// it, and close it the way a window manager's close button does. Throws when there is no
// X display.
class X11Session {
public:
    X11Session();
    ~X11Session();
    X11Session(const X11Session&) = delete;
    X11Session& operator=(const X11Session&) = delete;

    // The visible window titled `title` of the process `pid`, waiting up to `seconds` for
    // it to appear; 0 when none did.
    unsigned long FindWindow(const std::string& title, int pid, double seconds);
    // The whole screen's window, where a full-screen game shows.
    unsigned long Root() const;
    // Sends WM_DELETE_WINDOW, as a window manager does when the user closes the window.
    void RequestClose(unsigned long window);
    // A press and release of the left button at a point of the window, through xdotool,
    // held long enough for the game to see them in separate frames.
    void Click(unsigned long window, int x, int y);
    // The pointer moved to a point of the window, no button pressed.
    void MoveTo(unsigned long window, int x, int y);
    // A key pressed and released (an X keysym name such as "r"), sent to `window` itself or,
    // with none given, to the window under the pointer: with no window manager the keyboard
    // follows the pointer.
    void Key(const std::string& keysym, unsigned long window = 0);
    // Mean of red, green and blue (0 to 255) over a rectangle of the window; -1 on failure.
    double Brightness(unsigned long window, int x, int y, int width, int height);
    // Red, green and blue bytes of each pixel of the rectangle, row by row; empty on failure.
    std::string Pixels(unsigned long window, int x, int y, int width, int height);

private:
    Display* display_ = nullptr;
};
