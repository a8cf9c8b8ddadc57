#pragma once

#include "replay/ReplayRecorder.h"

#include <memory>
#include <string>

class BattleState;
struct SaveGame;

// What the game keeps of its battles, beside the battle record: it goes on with the battle
// left unfinished last time (saves/last.sav, written when the game is left), F5 and F9 write
// and read saves/quick.sav, N starts a fresh battle, and every battle that ends leaves its
// replay in replays/ (the newest kReplaysKept) and removes saves/last.sav.
//
// Every file is read as untrusted: one that cannot be used is named in the log and kept
// beside with ".bad" added, and the battle goes on.
class BattleSession {
public:
    static constexpr char kLastSave[] = "saves/last.sav";
    static constexpr char kQuickSave[] = "saves/quick.sav";
    static constexpr char kReplayFolder[] = "replays";
    static constexpr std::size_t kReplaysKept = 50;

    // The session of the game's battle, or null where battles are not kept (the replay viewer).
    static std::unique_ptr<BattleSession> ForGame();
    static void DisableForThisProgram();

    // Hooks of the battle record. Started: a battle begins (on the first one, the battle
    // left last time is resumed if it can be). Frame: the top of every frame, true when
    // another battle was put in place (N, F9). Left: the game is left.
    void Started(BattleState& battle);
    bool Frame(BattleState& battle);
    void Left(BattleState& battle);

    // The name a replay written now gets in `folder`, and the pruning to kReplaysKept.
    static std::string WriteReplay(const Recording& recording, const std::string& folder);

private:
    void Resume(BattleState& battle);
    bool Load(BattleState& battle, const std::string& path, SaveGame& save);
    void PutInPlace(BattleState& battle, SaveGame& save);
    void Save(const BattleState& battle, const std::string& path);
    bool QuickLoad(BattleState& battle);
    void Finish();

    ReplayRecorder recorder_;
    bool resumeTried_ = false;
    bool finished_ = false; // the replay of the battle that ended is written
};
