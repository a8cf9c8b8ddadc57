#pragma once

#include <cstdint>
#include <functional>
#include <string>

class ByteReader;

// The frame around a save or a replay: a mark naming what it is, the version it was written
// in, the length of what follows and its checksum. Opening refuses, with a reason a player
// can read, anything empty, foreign, of a later version, cut short, lengthened or damaged.
class FileEnvelope {
public:
    enum class Kind : char { Save = 'S', Replay = 'R' };
    static constexpr uint32_t kVersion = 1;
    static constexpr std::size_t kHeaderBytes = 24;

    static std::string Seal(Kind kind, const std::string& payload);
    // The payload, or false with `reason` ("it is cut short", ...).
    static bool Open(const std::string& bytes, Kind kind, std::string& payload,
                     std::string& reason);

    // Opens the frame and hands its payload to `read`, which fails the reader with its reason
    // for anything it cannot use; bytes it leaves over are damage too. False with `reason`.
    static bool Read(const std::string& bytes, Kind kind, std::string& reason,
                     const std::function<void(ByteReader& in)>& read);

    // "save" or "replay".
    static const char* Noun(Kind kind);
};
