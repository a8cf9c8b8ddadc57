#pragma once

#include "engine/GameState.h"
#include "scenarios/BattleChooser.h"
#include "scenarios/BattleFolder.h"

#include <cstdint>
#include <string>
#include <vector>

class BattleState;

// The screen that chooses the next battle: every battle of the catalog with its title,
// its line, its ground and the player's record in it, the game folder's own fighters,
// and a random battle at each difficulty seeded from the clock (the seed shown). Drawn
// with the battle's font and pictures. Starting one restarts the battle with it; going
// back returns to the battle exactly as it was left. Registered with the state machine
// under kId beside the battle, which stays 0.
class ChooserState : public GameState {
public:
    static constexpr int32_t kId = 1;

    explicit ChooserState(BattleState& battle);

    // From the battle's frame: B pressed while a fighter of team 1 waits or once the
    // battle is over opens the chooser. True when it did.
    static bool OpenIfAsked(BattleState& battle);
    static void Open(BattleState& battle);

    void Init(std::string) override {}
    void Shutdown() override {}
    void Update() override;
    void Render() override {}
    void Enter() override;
    void Leave() override {}

private:
    struct Row {
        BattleFolder battle;
        std::string record;
        int difficulty = -1; // a random battle's, else -1
    };
    void Start(const Row& row);
    void Draw();
    void DrawRow(const Row& row, int32_t top, bool picked);

    BattleState& battle_;
    std::vector<Row> rows_;
    BattleChooser chooser_;
    uint64_t seed_ = 0;
};
