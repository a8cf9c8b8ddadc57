#include "saving/SaveGame.h"

#include "battle/GameFiles.h"
#include "platform/FileReader.h"
#include "saving/ByteReader.h"
#include "saving/ByteWriter.h"
#include "saving/FileEnvelope.h"
#include "saving/SnapshotCodec.h"

std::string SaveGame::Encode() const {
    ByteWriter out;
    out.Text(battle);
    out.U64(fighterFiles);
    SnapshotCodec::Write(out, snapshot);
    recording.Write(out);
    return FileEnvelope::Seal(FileEnvelope::Kind::Save, out.Bytes());
}

bool SaveGame::Decode(const std::string& bytes, SaveGame& save, std::string& reason) {
    return FileEnvelope::Read(bytes, FileEnvelope::Kind::Save, reason, [&](ByteReader& in) {
        save.battle = in.Text();
        save.fighterFiles = in.U64();
        if (SnapshotCodec::Read(in, save.snapshot) && save.recording.Read(in) &&
            save.snapshot.fighters.size() != save.recording.start.fighters.size()) {
            in.Fail("its battle and its recording have different fighters");
        }
    });
}

uint64_t SaveGame::FighterFilesHash(const BattleFolder& battle) {
    uint64_t hash = SnapshotCodec::Hash("");
    for (int n = 1; n <= GameFiles::kFighterCount; ++n) {
        std::string contents;
        if (!FileReader::ReadAll(battle.FighterFile(n), contents)) {
            contents.clear();
        }
        // Each file's length first, so that bytes moved from one file to the next count.
        hash = SnapshotCodec::Hash(std::to_string(contents.size()) + ":" + contents, hash);
    }
    return hash;
}
