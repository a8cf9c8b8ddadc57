#pragma once

#include <string>

// Every file the game writes for the player (options, saves, replays, the record) goes
// through here: the bytes are written beside the file, flushed to the disk and renamed
// over it, so a crash or a full disk at any moment leaves the old file or the new one,
// never a torn one. Paths are plain POSIX paths (made with PathResolver where needed);
// missing folders on the way are made.
class AtomicFile {
public:
    // False, with the reason in `error` when given, when the file could not be replaced;
    // the old file is then untouched and no temporary is left behind.
    static bool Write(const std::string& path, const std::string& bytes,
                      std::string* error = nullptr);

    // Tests: the next Write stops after this many bytes as if the process had been killed
    // there, leaving its temporary as a killed process would; negative means never.
    static void StopAfterForTesting(long bytes);

    // The temporary a Write of `path` uses.
    static std::string TemporaryFor(const std::string& path);
};
