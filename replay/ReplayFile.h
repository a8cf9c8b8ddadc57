#pragma once

#include "replay/Recording.h"

#include <string>

// A replay on disk: a recording sealed with version and checksum.
class ReplayFile {
public:
    static std::string Encode(const Recording& recording);
    // False with the reason when the bytes are not a whole, sound replay of this version.
    static bool Decode(const std::string& bytes, Recording& recording, std::string& reason);
    // Reads a plain path; false with the reason ("it cannot be read", ...).
    static bool Load(const std::string& path, Recording& recording, std::string& reason);
};
