#pragma once

#include <string>

// JSON's string form, for the commands that print JSON.
class JsonText {
public:
    // `text` in double quotes, with quotes, backslashes and control characters escaped.
    // UTF-8 passes through; a byte that is not part of it becomes U+FFFD.
    static std::string Quote(const std::string& text);
};
