#include "options/OptionsFile.h"

#include "engine/ConfigFile.h"
#include "platform/AtomicFile.h"
#include "platform/FileReader.h"
#include "platform/PathResolver.h"

#include <cstdio>

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
    if (AtomicFile::Write(PathResolver::Resolve(kPath), options.Text(), &error)) {
        return true;
    }
    std::fprintf(stderr, "vornak: %s: %s\n", kPath, error.c_str());
    return false;
}
