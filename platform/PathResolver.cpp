#include "platform/PathResolver.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace {

std::unordered_map<std::string, std::string>& Cache() {
    static std::unordered_map<std::string, std::string> cache;
    return cache;
}

bool Exists(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

std::vector<std::string> SplitComponents(const std::string& path) {
    std::vector<std::string> parts;
    std::string current;
    for (char c : path) {
        if (c == '/') {
            if (!current.empty()) {
                parts.push_back(current);
            }
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) {
        parts.push_back(current);
    }
    return parts;
}

// The entry of `folder` equal to `name` ignoring case; the first in byte order when
// several differ only in case, so the choice does not depend on the file system.
bool FindIgnoringCase(const std::string& folder, const std::string& name, std::string& found) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) {
        return false;
    }
    std::vector<std::string> matches;
    while (dirent* entry = ::readdir(dir)) {
        if (::strcasecmp(entry->d_name, name.c_str()) == 0) {
            matches.emplace_back(entry->d_name);
        }
    }
    ::closedir(dir);
    if (matches.empty()) {
        return false;
    }
    found = *std::min_element(matches.begin(), matches.end());
    return true;
}

} // namespace

std::string PathResolver::Resolve(const std::string& gamePath) {
    auto cached = Cache().find(gamePath);
    if (cached != Cache().end()) {
        return cached->second;
    }

    std::string slashed = gamePath;
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    if (slashed.empty() || Exists(slashed)) {
        if (!slashed.empty()) {
            Cache().emplace(gamePath, slashed);
        }
        return slashed;
    }

    const bool absolute = slashed[0] == '/';
    std::string resolved = absolute ? "/" : "";
    const std::vector<std::string> parts = SplitComponents(slashed);
    bool lost = false;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        std::string next = part;
        if (!lost && part != "." && part != "..") {
            const std::string exact = resolved + part;
            if (!Exists(exact) && !FindIgnoringCase(resolved, part, next)) {
                lost = true; // the rest cannot exist; keep it as written
            }
        }
        resolved += next;
        if (i + 1 < parts.size()) {
            resolved += '/';
        }
    }
    if (!lost && Exists(resolved)) {
        Cache().emplace(gamePath, resolved);
    }
    return resolved;
}

void PathResolver::ClearCache() {
    Cache().clear();
}
