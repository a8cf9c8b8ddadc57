#pragma once

#include <functional>
#include <string>

// The modal error box of the program entry: the text is written to standard error, then
// shown in a box captioned "Vornak" with one OK button, returning when it is dismissed.
// With no display reachable, or with VORNAK_NO_ERROR_BOX set, only standard error gets it,
// so a headless run never waits for a click nobody can give.
class ErrorBox {
public:
    using Handler = std::function<void(const std::string& caption, const std::string& text)>;

    static void Show(const std::string& text);

    // Tests: replace the box (standard error still gets the text). Empty restores it.
    static void SetHandler(Handler handler);
};
