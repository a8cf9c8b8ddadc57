#include "check/KeptBattlesCheck.h"

#include "battle/BattleState.h"
#include "check/CheckReport.h"
#include "engine/GameError.h"
#include "platform/FileReader.h"
#include "replay/ReplayFile.h"
#include "replay/ReplayPlayer.h"
#include "saving/BattleSession.h"
#include "saving/SaveGame.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// The files of one kind in a folder, by name.
std::vector<std::string> FilesIn(const std::string& folder, const std::string& extension) {
    std::vector<std::string> found;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (entry.path().extension() == extension) {
            found.push_back(folder + "/" + entry.path().filename().string());
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

// Whether the battle a save names still reads the fighter files it was written from.
bool FighterFilesOf(const std::string& folder, uint64_t hash) {
    try {
        return SaveGame::FighterFilesHash(folder.empty() ? BattleFolder{}
                                                         : BattleFolder::Read(folder)) == hash;
    } catch (const GameError&) {
        return false;
    }
}

} // namespace

void KeptBattlesCheck::Run(CheckReport& report) {
    for (const std::string& path : FilesIn("saves", ".sav")) {
        std::string bytes, reason;
        SaveGame save;
        report.FileRead(path);
        if (!FileReader::ReadAll(path, bytes) || !SaveGame::Decode(bytes, save, reason)) {
            report.Error(path, 0, reason.empty() ? "it cannot be read" : reason);
        } else if (!FighterFilesOf(save.battle, save.fighterFiles)) {
            report.Warning(path, 0,
                           "its battle or fighter files changed since it was written: the game "
                           "starts fresh and keeps it beside");
        }
    }
    for (const std::string& path : FilesIn(BattleSession::kReplayFolder, ".vrp")) {
        Recording recording;
        std::string reason;
        report.FileRead(path);
        if (!ReplayFile::Load(path, recording, reason)) {
            report.Error(path, 0, reason);
            continue;
        }
        BattleState battle;
        if (!ReplayPlayer::Verify(recording, battle, reason)) {
            report.Warning(path, 0,
                           "the game's rules no longer play it the same: it went another way " +
                               reason);
        }
    }
}
