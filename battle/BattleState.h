#pragma once

#include "battle/Fighter.h"
#include "battle/Missile.h"
#include "engine/GameState.h"
#include "graphics/Texture.h"
#include "insight/BattleCounts.h"
#include "rules/BattleOutcome.h"
#include "scenarios/BattleFolder.h"
#include "scenarios/GroundSheets.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class BattleInsight;
class ComfortControls;
class BattleSession;
class Font;
class MainInterface;
class PlanningOpponent;

// The battle: the game's one state and the record that the battle loop, the panels and
// the rules share. It owns the interface, the font, the fighters and the markers in
// flight; decisionQueue and every fighter's target only point into `fighters`, whose
// order (load order) is fixed for the whole battle.
//
// Update is the whole frame: it draws, moves the battle on by at most one step and swaps
// the buffers. Render does nothing.
//
// Once one side has nobody left (judged after each phase's actions and each landed marker)
// the battle is over: a closing line goes to the log, markers in flight and any pending
// choice are dropped, and Update only shows the field with a banner until R or the Again
// button starts the next battle, or Quit (or Q) ends the program.
class BattleState : public GameState {
public:
    std::unique_ptr<MainInterface> interface;
    std::unique_ptr<Font> font;
    Texture tiles;
    Texture background;
    uint32_t lastTick = 0;              // time of the last phase step
    int32_t phase = 1;                  // 1 to 12
    int32_t turn = 0;                   // turns begun: counted as each turn's first phase runs
    std::deque<Fighter*> decisionQueue; // never more than one fighter
    bool buttonHeld = false;
    bool awaitingOrder = false;
    std::vector<std::unique_ptr<Fighter>> fighters;
    std::deque<std::string> messages; // oldest first, at most 7
    std::vector<std::string> history; // every line of this battle, oldest first
    // Off in battles played forward headless: nobody reads their log, and writing it took
    // a quarter of their time.
    bool keepsLog = true;
    std::vector<Missile> missiles;
    BattleOutcome outcome = BattleOutcome::Undecided;
    std::unique_ptr<ComfortControls> comfort; // pause, speed and the other option keys
    BattleCounts counts; // what each fighter did in this battle, told by the rules
    // The strip under the log, the log's scrolling, the win chance and the debriefing: the
    // game's alone (made by Init), none in a battle played headless.
    std::unique_ptr<BattleInsight> insight;
    // Told of every order given, its fields set, before the fighter leaves the queue, and of
    // every phase carried out, after its actions. Empty but where the game records its battle.
    std::function<void(const Fighter& ordered)> onOrder;
    std::function<void()> onPhase;
    // Keeps the battle between starts (saves, replays); null outside the game.
    std::unique_ptr<BattleSession> session;
    // Which battle this is (the game folder's own fighters unless given another) and the
    // look of its ground; a Restart reads the battle named here.
    BattleFolder battle;
    GroundSheets grounds;
    // The planner: the computer's fighters at hard difficulty, and the player's hints.
    std::unique_ptr<PlanningOpponent> planning;

    BattleState();
    ~BattleState() override;

    void Init(std::string path) override;
    void Shutdown() override {}
    void Update() override;
    void Render() override {}
    void Enter() override { restFrameDue_ = true; } // back from another screen
    void Leave() override;

    // One player fighter's panel with its top-left corner at (x, y): name, hit points,
    // missile skill, speed and melee skill; green text while it waits for its order.
    void DrawFighterPanel(int32_t x, int32_t y, bool highlighted, const Fighter& fighter);

    // The phase step without its clock: queues the first living fighter that acts in this
    // phase and has no order (setting awaitingOrder), or else carries the phase out and
    // moves on to the next. Shared by the loop and anything that plays battles headless.
    void StepPhase();

    // A fresh battle: the fighter files read again, the log emptied and every value set as
    // at loading. The pictures, the font, the buttons and the music stay. A file that has
    // become unreadable throws as it would at start-up.
    void Restart();

    // The log, the ground, the background and the fighters with their bars and panels.
    void DrawField();

private:
    void LoadFighters();
    void StartBattle();
    void EndIfDecided();
    void RestingFrame();
    void DrawBanner();
    void DrawGround();
    void DrawFighters();
    void DrawFighter(Fighter& fighter, float cellX);
    void Advance(int32_t steps);
    void DecisionStep();
    void FlyMissiles(int32_t steps);
    void PhaseStep();

    // The pointer as the last resting frame saw it.
    struct Pointer {
        int32_t x, y;
        bool button;
        bool operator==(const Pointer& other) const {
            return x == other.x && y == other.y && button == other.button;
        }
    };
    Pointer restPointer_{};
    bool restFrameDue_ = false;
};
