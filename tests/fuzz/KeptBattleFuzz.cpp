// Any bytes as a save and as a replay, whole and (so that the checksum does not keep the
// fuzzer out) as what a sound frame holds: the readers must finish, and whatever they
// accept must restore and play on with the game's rules without fault.
#include "battle/BattleState.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayPlayer.h"
#include "saving/FileEnvelope.h"
#include "saving/SaveGame.h"
#include "snapshot/ForwardPlay.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

void Read(const std::string& save, const std::string& replay) {
    std::string reason;
    SaveGame kept;
    if (SaveGame::Decode(save, kept, reason)) {
        ForwardPlay play;
        play.Play(kept.snapshot, 1, 0, 3);
    }
    Recording recording;
    if (ReplayFile::Decode(replay, recording, reason)) {
        BattleState battle;
        ReplayPlayer::Verify(recording, battle, reason);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Read(bytes, bytes);
    Read(FileEnvelope::Seal(FileEnvelope::Kind::Save, bytes),
         FileEnvelope::Seal(FileEnvelope::Kind::Replay, bytes));
    return 0;
}
