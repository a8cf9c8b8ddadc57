#pragma once

#include <cstdint>
#include <string>

// Appends time-stamped lines to runlog.txt in the working directory. The file is opened
// and closed for every line so nothing is lost if the program dies; a line that cannot be
// written is dropped silently.
class RunLog {
public:
    static void Write(std::string message);
    // "  120: h_res = 800": ticks right-aligned in five columns, then the message.
    static std::string FormatLine(uint32_t ticks, const std::string& message);
};
