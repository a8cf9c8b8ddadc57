#include "replay/ReplayFile.h"

#include "saving/ByteReader.h"
#include "saving/ByteWriter.h"
#include "saving/FileEnvelope.h"

#include <fstream>
#include <iterator>

std::string ReplayFile::Encode(const Recording& recording) {
    ByteWriter out;
    recording.Write(out);
    return FileEnvelope::Seal(FileEnvelope::Kind::Replay, out.Bytes());
}

bool ReplayFile::Decode(const std::string& bytes, Recording& recording, std::string& reason) {
    return FileEnvelope::Read(bytes, FileEnvelope::Kind::Replay, reason, [&](ByteReader& in) {
        if (recording.Read(in) && recording.outcome == BattleOutcome::Undecided) {
            in.Fail("its battle has no end");
        }
    });
}

bool ReplayFile::Load(const std::string& path, Recording& recording, std::string& reason) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        reason = "it cannot be read";
        return false;
    }
    const std::string bytes((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    return Decode(bytes, recording, reason);
}
