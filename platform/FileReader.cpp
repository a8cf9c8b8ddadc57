#include "platform/FileReader.h"

#include "platform/PathResolver.h"

#include <cstdio>

bool FileReader::ReadAll(const std::string& gamePath, std::string& contents) {
    std::FILE* file = std::fopen(PathResolver::Resolve(gamePath).c_str(), "rb");
    if (!file) {
        return false;
    }
    contents.clear();
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        contents.append(buffer, got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}
