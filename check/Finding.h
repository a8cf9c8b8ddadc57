#pragma once

#include <cstdint>
#include <string>

enum class Severity { Error, Warning };

// One problem in the game's files, said the way compilers say it so that editors can
// jump to it.
struct Finding {
    std::string path; // as on disk, relative to the game folder, with '/'
    int32_t line = 0; // from 1; 0 for a problem of the whole file
    Severity severity = Severity::Error;
    std::string message;
};
