#include "saving/BattleSession.h"

#include "battle/BattleState.h"
#include "engine/GameError.h"
#include "engine/InputSystem.h"
#include "engine/RunLog.h"
#include "graphics/MainInterface.h"
#include "insight/BattleInsight.h"
#include "platform/AtomicFile.h"
#include "platform/FileReader.h"
#include "replay/ReplayFile.h"
#include "rules/CombatLog.h"
#include "saving/SaveGame.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool gDisabled = false;

// Said in the log, on the terminal and in the run log alike.
void Tell(BattleState& battle, const std::string& line) {
    AddMessage(battle, line);
    std::fprintf(stderr, "vornak: %s\n", line.c_str());
    RunLog::Write(line);
}

// "2026-12-09-142501" for a moment in local time.
std::string Stamp(std::time_t when) {
    char text[32];
    std::tm local{};
    localtime_r(&when, &local);
    std::strftime(text, sizeof text, "%Y-%m-%d-%H%M%S", &local);
    return text;
}

// The first of `stem + ending`, `stem + "-2" + ending` ... that does not exist.
std::string FreeName(const std::string& stem, const std::string& ending) {
    std::error_code error;
    std::string name = stem + ending;
    for (int n = 2; fs::exists(name, error); ++n) {
        name = stem + "-" + std::to_string(n) + ending;
    }
    return name;
}

// Moves a file out of the way under a free name; the name it got, empty if it could not.
std::string SetAside(const std::string& path, const std::string& name) {
    std::error_code error;
    fs::rename(path, name, error);
    return error ? std::string() : name;
}

} // namespace

std::unique_ptr<BattleSession> BattleSession::ForGame() {
    return gDisabled ? nullptr : std::make_unique<BattleSession>();
}

void BattleSession::DisableForThisProgram() {
    gDisabled = true;
}

void BattleSession::Started(BattleState& battle) {
    finished_ = false;
    recorder_.Begin(battle, battle.battle.folder);
    if (!resumeTried_) {
        resumeTried_ = true;
        Resume(battle);
    }
}

bool BattleSession::Load(BattleState& battle, const std::string& path, SaveGame& save) {
    std::string bytes, reason;
    if (!FileReader::ReadAll(path, bytes)) {
        reason = "it cannot be read";
    } else if (SaveGame::Decode(bytes, save, reason) &&
               save.snapshot.fighters.size() != battle.fighters.size()) {
        reason = "it holds " + std::to_string(save.snapshot.fighters.size()) + " fighters";
    } else if (reason.empty() && save.snapshot.outcome != BattleOutcome::Undecided) {
        reason = "its battle is over";
    }
    if (reason.empty()) {
        return true;
    }
    const std::string kept = SetAside(path, FreeName(path, ".bad"));
    Tell(battle, path + " is not usable: " + reason + ".");
    Tell(battle, kept.empty() ? "It could not be moved aside." : "It is kept as " + kept + ".");
    return false;
}

void BattleSession::Resume(BattleState& battle) {
    std::error_code error;
    if (!fs::exists(kLastSave, error)) {
        return;
    }
    SaveGame save;
    if (!Load(battle, kLastSave, save)) {
        return;
    }
    // Started with no battle named, the game goes on with the battle of the save, whichever.
    if (save.battle != battle.battle.folder && battle.battle.IsGameFolder()) {
        try {
            battle.battle = BattleFolder::Read(save.battle);
            battle.Restart();
        } catch (const GameError&) {
            battle.battle = BattleFolder{};
            battle.Restart();
        }
    }
    if (save.battle != battle.battle.folder ||
        save.fighterFiles != SaveGame::FighterFilesHash(battle.battle)) {
        // A fresh battle as ever; the old one stays beside under its date.
        const auto written = fs::last_write_time(kLastSave, error);
        const auto when = std::chrono::system_clock::now() +
                          std::chrono::duration_cast<std::chrono::system_clock::duration>(
                              written - fs::file_time_type::clock::now());
        const std::string kept = SetAside(
            kLastSave,
            FreeName("saves/last-" + Stamp(std::chrono::system_clock::to_time_t(when)), ".sav"));
        RunLog::Write("The battle or its fighter files changed since " + std::string(kLastSave) +
                      " was written; it is kept as " + kept);
        return;
    }
    PutInPlace(battle, save);
    AddMessage(battle, "Battle resumed.");
}

void BattleSession::PutInPlace(BattleState& battle, SaveGame& save) {
    save.snapshot.Restore(battle);
    recorder_.Continue(battle, std::move(save.recording));
    finished_ = false;
    if (battle.interface) { // the battle read back is never over: the command buttons again
        battle.interface->battleOver = false;
    }
    if (battle.insight) {
        battle.insight->Reset(battle);
    }
}

void BattleSession::Save(const BattleState& battle, const std::string& path) {
    recorder_.Observe(battle); // the last frame's step belongs with it
    SaveGame save;
    save.battle = battle.battle.folder;
    save.fighterFiles = SaveGame::FighterFilesHash(battle.battle);
    save.snapshot = BattleSnapshot::Capture(battle);
    save.recording = recorder_.Current();
    std::string error;
    if (!AtomicFile::Write(path, save.Encode(), &error)) {
        std::fprintf(stderr, "vornak: could not write %s: %s\n", path.c_str(), error.c_str());
        RunLog::Write("Could not write " + path + ": " + error);
    }
}

bool BattleSession::QuickLoad(BattleState& battle) {
    std::error_code error;
    SaveGame save;
    if (!fs::exists(kQuickSave, error)) {
        AddMessage(battle, "There is no quick save yet (F5 writes one).");
        return false;
    }
    if (!Load(battle, kQuickSave, save)) {
        return false;
    }
    if (save.battle != battle.battle.folder) {
        AddMessage(battle, "The quick save is of another battle.");
        return false;
    }
    PutInPlace(battle, save);
    AddMessage(battle, "Quick save loaded.");
    return true;
}

bool BattleSession::Frame(BattleState& battle) {
    recorder_.Observe(battle);
    if (recorder_.Ended() && !finished_) {
        Finish();
    }
    if (gInput == nullptr) {
        return false;
    }
    for (const int32_t key : gInput->keysPressed) {
        if (key == 'n') {
            battle.Restart();
            return true;
        } else if (key == InputSystem::kF1 + 4 && battle.outcome == BattleOutcome::Undecided) {
            Save(battle, kQuickSave);
            AddMessage(battle, "Quick saved (F9 goes back to it).");
        } else if (key == InputSystem::kF1 + 8 && QuickLoad(battle)) {
            return true;
        }
    }
    return false;
}

void BattleSession::Left(BattleState& battle) {
    recorder_.Observe(battle);
    if (!recorder_.Ended()) {
        Save(battle, kLastSave);
    } else if (!finished_) {
        Finish();
    }
}

void BattleSession::Finish() {
    finished_ = true;
    std::error_code error;
    fs::remove(kLastSave, error);
    WriteReplay(recorder_.Current(), kReplayFolder);
}

std::string BattleSession::WriteReplay(const Recording& recording, const std::string& folder) {
    const std::string path = FreeName(folder + "/" + Stamp(std::time(nullptr)), ".vrp");
    std::string error;
    if (!AtomicFile::Write(path, ReplayFile::Encode(recording), &error)) {
        RunLog::Write("Could not write " + path + ": " + error);
        return {};
    }
    // The newest kReplaysKept stay; only replays are ever removed, never a kept .bad file.
    std::error_code failed;
    std::vector<std::pair<fs::file_time_type, std::string>> replays;
    for (const auto& entry : fs::directory_iterator(folder, failed)) {
        if (entry.path().extension() == ".vrp") {
            replays.emplace_back(entry.last_write_time(failed), entry.path().string());
        }
    }
    std::sort(replays.begin(), replays.end());
    for (std::size_t i = 0; i + kReplaysKept < replays.size(); ++i) {
        fs::remove(replays[i].second, failed);
    }
    return path;
}
