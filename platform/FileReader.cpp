#include "platform/FileReader.h"

#include "platform/PathResolver.h"

#include <sys/stat.h>

#include <cstdio>

std::string FileReader::OpenFailure(const std::string& gamePath) {
    return "Could not open " + gamePath;
}

bool FileReader::ReadAll(const std::string& gamePath, std::string& contents) {
    std::FILE* file = std::fopen(PathResolver::Resolve(gamePath).c_str(), "rb");
    if (!file) {
        return false;
    }
    contents.clear();
    // Sized once up front: a picture of a megabyte would otherwise be copied into ever
    // larger buffers, each touched afresh. Only regular files have a size to trust.
    struct stat info;
    if (::fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        contents.reserve(static_cast<std::size_t>(info.st_size));
    }
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        contents.append(buffer, got);
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    return !failed;
}
