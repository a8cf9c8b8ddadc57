#pragma once

#include <string>

// printf into a std::string, for the reports and the strip's lines; cut at 511 bytes.
std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
