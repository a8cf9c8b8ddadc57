#pragma once

#include <string>

// Whole-file reads through the path resolver, in one buffered pass.
class FileReader {
public:
    // False when the file cannot be opened or read; `contents` is then unspecified.
    static bool ReadAll(const std::string& gamePath, std::string& contents);

    // The game's words when a file it needs cannot be read: "Could not open " + the path.
    static std::string OpenFailure(const std::string& gamePath);
};
