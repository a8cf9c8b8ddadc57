#include "options/OptionsFile.h"

#include "engine/ConfigFile.h"
#include "platform/FileReader.h"
#include "platform/PathResolver.h"

#include <cstdio>
#include <unistd.h>

namespace {

// Written beside the file, flushed, renamed over it: the old file or the new one survives.
bool Replace(const std::string& path, const std::string& bytes, std::string& error) {
    const std::string temporary = path + ".new";
    std::FILE* file = std::fopen(temporary.c_str(), "wb");
    bool written = file && std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = file && std::fflush(file) == 0 && ::fsync(fileno(file)) == 0 && written;
    if (file) {
        std::fclose(file);
    }
    if (written && std::rename(temporary.c_str(), path.c_str()) == 0) {
        return true;
    }
    error = "cannot write " + temporary;
    std::remove(temporary.c_str());
    return false;
}

} // namespace

Options OptionsFile::Load() {
    std::string contents;
    if (!FileReader::ReadAll(kPath, contents)) {
        return Options{};
    }
    SettingsTable table;
    ConfigFile::Parse(table, contents);
    return Options::Read(table);
}

bool OptionsFile::Save(const Options& options) {
    std::string error;
    if (Replace(PathResolver::Resolve(kPath), options.Text(), error)) {
        return true;
    }
    std::fprintf(stderr, "vornak: %s: %s\n", kPath, error.c_str());
    return false;
}
