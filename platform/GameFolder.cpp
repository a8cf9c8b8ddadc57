#include "platform/GameFolder.h"

#include "platform/PathResolver.h"

#include <unistd.h>

#include <climits>

std::string GameFolder::Default() {
    return ".";
}

GameFolder::GameFolder(const std::string& folder) {
    char current[PATH_MAX];
    if (::getcwd(current, sizeof current) == nullptr || ::chdir(folder.c_str()) != 0) {
        return;
    }
    previous_ = current;
    entered_ = true;
    // Remembered paths are relative to the folder they were found from.
    PathResolver::ClearCache();
}

GameFolder::~GameFolder() {
    if (entered_) {
        PathResolver::ClearCache();
        if (::chdir(previous_.c_str()) != 0) {
            // Nowhere better to be; the command is ending anyway.
        }
    }
}
