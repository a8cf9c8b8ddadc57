// Any bytes as a settings file: the reader must finish, and every entry it keeps must be
// one of the two kinds with a key taken from the text.
#include "engine/ConfigFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    SettingsTable table;
    ConfigFile::Parse(table, std::string(reinterpret_cast<const char*>(data), size));
    for (const auto& [key, setting] : table) {
        if ((setting.kind != 0 && setting.kind != 1) || key.size() > size ||
            (setting.kind == 1 && !setting.text.empty())) {
            std::abort();
        }
    }
    return 0;
}
