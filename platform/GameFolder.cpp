#include "platform/GameFolder.h"

#include "platform/PathResolver.h"

#include <pwd.h>
#include <unistd.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <system_error>

// The install rules give the data folder's place relative to the executable's folder.
#ifndef VORNAK_DATA_FROM_BINARY
#define VORNAK_DATA_FROM_BINARY "../share/games/vornak"
#endif

namespace fs = std::filesystem;

namespace {

const char* const kManifest = ".shipped";

// The settings and the fighters are the player's to edit; pictures, font, layout and
// sounds are read where they were installed.
bool Editable(const fs::path& relative) {
    return relative == fs::path("data/engine.cfg") || *relative.begin() == "NPCs";
}

bool ReadBytes(const fs::path& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    bytes = buffer.str();
    return !in.bad() && in.is_open();
}

// FNV-1a: enough to tell whether a copy still holds what was shipped.
std::string Fingerprint(const std::string& bytes) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : bytes) {
        hash = (hash ^ c) * 1099511628211ull;
    }
    std::ostringstream text;
    text << std::hex << hash;
    return text.str();
}

// Relative path -> fingerprint of what was last shipped there, one "fingerprint path" a line.
using Manifest = std::map<std::string, std::string>;

Manifest ReadManifest(const fs::path& file) {
    Manifest manifest;
    std::ifstream in(file);
    std::string fingerprint, path;
    while (in >> fingerprint && std::getline(in >> std::ws, path)) {
        manifest[path] = fingerprint;
    }
    return manifest;
}

void WriteManifest(const fs::path& file, const Manifest& manifest) {
    std::ofstream out(file, std::ios::trunc);
    for (const auto& [path, fingerprint] : manifest) {
        out << fingerprint << ' ' << path << '\n';
    }
}

// Copies `from` to `to` unless the player has changed `to` since it was last shipped.
void FollowShippedCopy(const fs::path& from, const fs::path& to, const std::string& relative,
                       Manifest& manifest) {
    std::string shipped;
    if (!ReadBytes(from, shipped)) {
        return;
    }
    const std::string fingerprint = Fingerprint(shipped);
    std::error_code error;
    const fs::file_status status = fs::symlink_status(to, error);
    if (fs::exists(status)) {
        std::string current;
        const auto last = manifest.find(relative);
        const bool untouched = last != manifest.end() && fs::is_regular_file(status) &&
                               ReadBytes(to, current) && Fingerprint(current) == last->second;
        if (!untouched || last->second == fingerprint) {
            return;
        }
    }
    fs::remove(to, error); // whatever stood there, never the player's own edit
    std::ofstream out(to, std::ios::binary | std::ios::trunc);
    if (out.write(shipped.data(), static_cast<std::streamsize>(shipped.size())) && out.flush()) {
        manifest[relative] = fingerprint;
    }
}

// Links `to` to `from` unless something usable is there already (a link, or the player's
// own file in its place). A link left dangling by an older install is made again.
void EnsureLink(const fs::path& from, const fs::path& to) {
    std::error_code error;
    if (fs::exists(to, error)) {
        return;
    }
    fs::remove(to, error);
    fs::create_symlink(from, to, error);
}

} // namespace

std::string GameFolder::Default() {
    return InstalledData().empty() ? "." : PlayerFolder();
}

GameFolder::GameFolder(const std::string& folder) {
    const std::string installed = InstalledData();
    if (!installed.empty() && folder == PlayerFolder()) {
        Fill(installed, folder);
    }
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

std::string GameFolder::InstalledData() {
    std::error_code error;
    const fs::path executable = fs::read_symlink("/proc/self/exe", error);
    if (error) {
        return "";
    }
    const fs::path data = (executable.parent_path() / VORNAK_DATA_FROM_BINARY).lexically_normal();
    return fs::is_directory(data, error) ? data.string() : "";
}

std::string GameFolder::PlayerFolder() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    if (dataHome && dataHome[0] == '/') {
        return (fs::path(dataHome) / "vornak").string();
    }
    const char* home = std::getenv("HOME");
    if (!home || !home[0]) {
        const passwd* user = ::getpwuid(::getuid());
        home = user ? user->pw_dir : "/";
    }
    return (fs::path(home) / ".local/share/vornak").string();
}

void GameFolder::Fill(const std::string& installed, const std::string& player) {
    std::error_code error;
    if (!fs::create_directories(player, error) && !fs::is_directory(player, error)) {
        return;
    }
    const fs::path manifestFile = fs::path(player) / kManifest;
    Manifest manifest = ReadManifest(manifestFile);
    const Manifest before = manifest;

    std::error_code walking;
    for (fs::recursive_directory_iterator entry(installed, walking), end; entry != end && !walking;
         entry.increment(walking)) {
        if (!entry->is_regular_file(error)) {
            continue;
        }
        const fs::path relative = entry->path().lexically_relative(installed);
        const fs::path target = fs::path(player) / relative;
        fs::create_directories(target.parent_path(), error);
        if (Editable(relative)) {
            FollowShippedCopy(entry->path(), target, relative.generic_string(), manifest);
        } else {
            EnsureLink(entry->path(), target);
        }
    }
    if (manifest != before) {
        WriteManifest(manifestFile, manifest);
    }
}
