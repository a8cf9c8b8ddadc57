#include "battle/BattleState.h"

#include "battle/GameFiles.h"
#include "battle/PhaseTable.h"
#include "battle/TileSheet.h"
#include "engine/InputSystem.h"
#include "engine/NumberConversion.h"
#include "graphics/Font.h"
#include "graphics/MainInterface.h"
#include "graphics/VideoSystem.h"
#include "insight/BattleInsight.h"
#include "options/ComfortControls.h"
#include "planner/PlanningOpponent.h"
#include "platform/Clock.h"
#include "platform/Random.h"
#include "rules/CombatLog.h"
#include "rules/ComputerDecision.h"
#include "rules/Orders.h"
#include "rules/PlayerCommand.h"
#include "saving/BattleSession.h"
#include "scenarios/ChooserState.h"
#include "scenarios/PlayerRecord.h"
#include "sound/SoundSystem.h"

#include <cstdio>

namespace {

constexpr uint32_t kPhasePacing = 17; // a phase step needs more than this many ms

// The banner over the battlefield at the end and its two lines.
constexpr int32_t kFieldCentreX = 136;
constexpr int32_t kBannerLeft = kFieldCentreX - static_cast<int32_t>(kBannerWidth) / 2;
constexpr int32_t kBannerTop = 110;
constexpr int32_t kOutcomeLineY = kBannerTop + 8, kPromptLineY = kBannerTop + 28;
const char kPrompt[] = "Press R to fight again";
// Between looks at the input once a battle is over (microseconds): short beside a frame
// at the display's rate, long enough that the loop costs next to nothing.
constexpr uint64_t kRestPause = 10000;
// The closing line is too long for the banner, which names the outcome alone.
const char* Headline(BattleOutcome outcome) {
    return outcome == BattleOutcome::Victory ? "Victory!" : "Defeat!";
}

constexpr float kDarkened = 0.1f;
constexpr float kArrivalDistance = 8.0f;

constexpr int32_t kPanelX[4] = {272, 372, 272, 372};
constexpr int32_t kPanelY[4] = {8, 8, 64, 64};
const char* const kLabels[4] = {"1", "2", "3", "4"};

// A 16 x 16 cell at a float position, truncated toward zero.
void DrawCell(const Texture& sheet, float cellX, float cellY, float x, float y,
              float shade = 1.0f) {
    gVideo->DrawSpriteRegion(sheet, cellX, cellY, kCell, kCell, TruncateToInt(x), TruncateToInt(y),
                             shade, shade, shade, 1.0f);
}

void DrawBar(const Texture& sheet, float cellX, float cellY, int32_t value, int32_t full, float x,
             float y) {
    // A zero full length (health 0 in the file, a countdown without a start) has no
    // meaningful width; no bar is better than an infinite one.
    if (full <= 0) {
        return;
    }
    const float width = kCell * static_cast<float>(value) / static_cast<float>(full);
    gVideo->DrawSpriteRegion(sheet, cellX, cellY, width, 1.0f, TruncateToInt(x), TruncateToInt(y),
                             1.0f, 1.0f, 1.0f, 1.0f);
}

void DrawNumber(Font& font, int32_t value, int32_t x, int32_t y, float red, float green,
                float blue) {
    char text[12]; // fits "-2147483648"
    std::snprintf(text, sizeof text, "%d", static_cast<int>(value));
    font.DrawText(text, x, y, red, green, blue);
}

} // namespace

BattleState::BattleState()
    : comfort(std::make_unique<ComfortControls>()), planning(std::make_unique<PlanningOpponent>()) {
}
BattleState::~BattleState() = default;

void BattleState::Init(std::string) {
    insight = std::make_unique<BattleInsight>();
    session = BattleSession::ForGame();
    auto newInterface = std::make_unique<MainInterface>();
    newInterface->Init(GameFiles::kLayout);
    interface = std::move(newInterface);

    auto newFont = std::make_unique<Font>();
    newFont->Init(GameFiles::kFont);
    font = std::move(newFont);

    LoadFighters();

    background = gVideo->LoadTGA(GameFiles::kBackground);
    tiles = gVideo->LoadTGA(GameFiles::kTiles);
    grounds.Load(battle.ground);

    StartBattle();
    gSound->PlayMusic(GameFiles::kMusic);
}

void BattleState::Restart() {
    decisionQueue.clear(); // it points into the fighters about to go
    fighters.clear();
    LoadFighters();
    messages.clear();
    history.clear();
    grounds.Load(battle.ground);
    StartBattle();
}

void BattleState::LoadFighters() {
    for (int n = 1; n <= GameFiles::kFighterCount; ++n) {
        auto fighter = std::make_unique<Fighter>();
        fighter->Init(battle.FighterFile(n));
        fighters.push_back(std::move(fighter)); // only once its file has loaded
    }
}

// The values every battle starts from, then the seed.
void BattleState::StartBattle() {
    awaitingOrder = false;
    decisionQueue.clear();
    lastTick = Clock::Ticks();
    phase = 1;
    turn = 0;
    buttonHeld = false;
    missiles.clear();
    missiles.shrink_to_fit();
    outcome = BattleOutcome::Undecided;
    counts = {};
    interface->ClearChoice();
    interface->battleOver = false;
    planning->StartBattle();

    Random::Seed(Clock::SystemMilliseconds());
    if (insight) {
        insight->Reset(*this);
    }
    if (session) {
        session->Started(*this);
    }
}

void BattleState::Leave() {
    if (session) {
        session->Left(*this);
    }
}

void BattleState::Update() {
    if (session && session->Frame(*this)) {
        return; // another battle stands here now: its frames start with the next
    }
    const bool still = comfort->TakeFrame(*this); // paused, or the help or options shown
    if (insight) {
        insight->Hold(still); // a still game measures nothing either
    }
    if (still) {
        return;
    }
    if (ChooserState::OpenIfAsked(*this)) {
        return;
    }
    if (outcome != BattleOutcome::Undecided) {
        RestingFrame();
        return;
    }
    // Paced from the last phase step only: decision and flight frames are drawn on every
    // pass once 18 ms have passed since it (at the display's rate, see VideoSystem).
    const uint32_t waited = Clock::Ticks() - lastTick;
    if (waited <= kPhasePacing) {
        // Nothing is due until then: give the core back rather than spin the main loop.
        Clock::Sleep((kPhasePacing + 1 - waited) * 1000u);
        return;
    }

    gVideo->ClearFrame();
    // The dice and the computer's choices depend on the millisecond of the frame.
    Random::Seed(Clock::SystemMilliseconds());
    DrawField();
    Advance(comfort->Speed());
    if (insight) {
        insight->Frame(*this);
    }
    gVideo->EndFrame();
}

// One step at speed 1: a decision, the markers' flight or a phase. Faster, the frame takes
// as many steps, until the player is asked, a marker flies (its flight takes them all)
// or the battle is decided.
void BattleState::Advance(int32_t steps) {
    for (int32_t step = 0; step < steps && outcome == BattleOutcome::Undecided; ++step) {
        if (awaitingOrder) {
            const bool player = !decisionQueue.empty() && decisionQueue.front()->team == 1;
            DecisionStep();
            if (player) {
                return;
            }
        } else if (!missiles.empty()) {
            FlyMissiles(steps - step);
            return;
        } else {
            PhaseStep();
        }
    }
}

void BattleState::DrawField() {
    DrawMessages(*this);
    DrawGround();
    gVideo->DrawSprite(background, 0, 0, 1.0f, 1.0f, 1.0f, 1.0f);
    DrawFighters();
    comfort->DrawStatus(*this);
}

void BattleState::EndIfDecided() {
    outcome = JudgeOutcome(*this);
    if (outcome == BattleOutcome::Undecided) {
        if (insight) {
            insight->Changed(*this);
        }
        return;
    }
    AddMessage(*this, ClosingLine(outcome));
    // No phase runs any more, so no attack behind a marker can land and nobody is asked.
    missiles.clear();
    decisionQueue.clear();
    awaitingOrder = false;
    buttonHeld = false;
    interface->ClearChoice();
    interface->battleOver = true;
    restFrameDue_ = true;
    PlayerRecord::Append(
        {battle.RecordName(), outcome == BattleOutcome::Victory, turn, PlayerRecord::Today()});
}

void BattleState::RestingFrame() {
    for (const int32_t key : gInput->keysPressed) {
        if (key == 'r') {
            Restart();
            return;
        }
        if (key == 'q') {
            interface->Choose(MainInterface::kQuitId);
        }
    }
    if (insight && insight->RestingKeys(*this)) {
        restFrameDue_ = true;
    }

    // Nothing moves on the field any more: a frame is drawn only for the buttons under the
    // pointer, or when the window was uncovered.
    const Pointer pointer{gInput->mouseX, gInput->mouseY, gInput->leftButton};
    if (!restFrameDue_ && pointer == restPointer_ && !gInput->exposed) {
        Clock::Sleep(kRestPause);
        return;
    }
    restFrameDue_ = false;
    restPointer_ = pointer;

    gVideo->ClearFrame();
    DrawField();
    DrawBanner();
    interface->Update(); // Again and Quit
    if (insight) {
        insight->DrawResting(*this);
    }
    gVideo->EndFrame();
    if (interface->command == MainInterface::kAgainId) {
        Restart();
    } else if (interface->command == MainInterface::kBattlesId) {
        interface->ClearChoice();
        ChooserState::Open(*this);
    }
}

void BattleState::DrawBanner() {
    gVideo->DrawSpriteRegion(tiles, kBannerX, kBannerY, kBannerWidth, kBannerHeight, kBannerLeft,
                             kBannerTop, 1.0f, 1.0f, 1.0f, 1.0f);
    const std::string headline = Headline(outcome);
    const bool won = outcome == BattleOutcome::Victory;
    font->DrawText(headline, kFieldCentreX - font->TextWidth(headline) / 2, kOutcomeLineY, 1.0f,
                   won ? 0.85f : 0.4f, won ? 0.3f : 0.35f);
    font->DrawText(kPrompt, kFieldCentreX - font->TextWidth(kPrompt) / 2, kPromptLineY, 1.0f, 1.0f,
                   1.0f);
}

void BattleState::DrawGround() {
    if (grounds.Draw(battle.ground)) { // the battle's own: grass, sand or snow
        return;
    }
    for (int32_t x = 8; x < 264; x += 16) {
        for (int32_t y = 8; y < 264; y += 16) {
            gVideo->DrawSpriteRegion(tiles, kGroundX, kGroundY, kCell, kCell, x, y, 1.0f, 1.0f,
                                     1.0f, 1.0f);
        }
    }
}

void BattleState::DrawFighter(Fighter& fighter, float cellX) {
    if (fighter.IsDead()) {
        DrawCell(tiles, cellX, kFighterCellY, fighter.x, fighter.y, kDarkened);
        return;
    }
    DrawCell(tiles, cellX, kFighterCellY, fighter.x, fighter.y);
    DrawBar(tiles, kHealthBarX, kHealthBarY, fighter.hitPoints, fighter.maxHitPoints, fighter.x,
            fighter.y + 15.0f);
}

void BattleState::DrawFighters() {
    int32_t place = 1; // among the player's fighters, dead or alive
    for (auto& owned : fighters) {
        Fighter& fighter = *owned;
        if (fighter.team == 1) {
            DrawFighter(fighter, kTeam1X);
            if (!fighter.IsDead() && fighter.countdown > 0) {
                DrawBar(tiles, kCountdownBarX, kCountdownBarY, fighter.countdown,
                        fighter.countdownStart, fighter.x, fighter.y);
            }
            if (place <= 4) {
                const bool waiting = !decisionQueue.empty() && decisionQueue.front() == &fighter;
                DrawFighterPanel(kPanelX[place - 1], kPanelY[place - 1], waiting, fighter);
                // "1" is narrower than the other digits, so it sits further right.
                const float labelX = fighter.x + (place == 1 ? 10.0f : 8.0f);
                font->DrawText(kLabels[place - 1], TruncateToInt(labelX),
                               TruncateToInt(fighter.y + 4.0f), 1.0f, 1.0f, 1.0f);
            }
            ++place;
        } else if (fighter.team == 2) {
            DrawFighter(fighter, kTeam2X);
        }
    }
}

void BattleState::DrawFighterPanel(int32_t x, int32_t y, bool highlighted, const Fighter& fighter) {
    const float red = highlighted ? 0.0f : 1.0f;
    const float green = 1.0f;
    const float blue = highlighted ? 0.0f : 1.0f;

    font->DrawText(fighter.name, x, y, red, green, blue);
    const struct {
        float iconX;
        int32_t value;
        int32_t dx, dy;
    } rows[] = {
        {kHitPointsIconX, fighter.hitPoints, 0, 16},
        {kMissileIconX, fighter.missileSkill, 50, 16},
        {kSpeedIconX, fighter.speed, 0, 33},
        {kMeleeIconX, fighter.meleeSkill, 50, 33},
    };
    for (const auto& row : rows) {
        gVideo->DrawSpriteRegion(tiles, row.iconX, kIconY, kCell, kCell, x + row.dx, y + row.dy,
                                 1.0f, 1.0f, 1.0f, 1.0f);
        DrawNumber(*font, row.value, x + row.dx + 18, y + row.dy, red, green, blue);
    }
}

void BattleState::DecisionStep() {
    if (decisionQueue.empty()) { // nobody to ask: let the phases run again
        awaitingOrder = false;
        return;
    }
    if (decisionQueue.front()->team == 1) {
        PlayerCommand(*this);
        comfort->keyboard.Frame(*this); // the same orders from the keys
        planning->Hint(*this);
    } else if (!planning->Decide(*this)) {
        DecideComputerOrder(*this);
    }
}

void BattleState::FlyMissiles(int32_t steps) {
    bool landed = false;
    for (std::size_t i = 0; i < missiles.size();) {
        Missile& marker = missiles[i];
        bool arrived = false;
        for (int32_t step = 0; step < steps && !arrived; ++step) {
            marker.x += marker.dx;
            marker.y += marker.dy;
            arrived =
                Distance(marker.x, marker.y, marker.targetX, marker.targetY) < kArrivalDistance;
        }
        // Drawn at its new place even in the frame in which it arrives.
        DrawCell(tiles, kMarkerX, kMarkerY, marker.x, marker.y);
        if (arrived) {
            missiles.erase(missiles.begin() + static_cast<std::ptrdiff_t>(i));
            landed = true;
        } else {
            ++i;
        }
    }
    if (landed) {
        EndIfDecided();
    }
}

void BattleState::PhaseStep() {
    lastTick = Clock::Ticks();
    StepPhase();
    if (!awaitingOrder) { // the phase's actions ran
        EndIfDecided();
    }
}

void BattleState::StepPhase() {
    decisionQueue.clear();
    for (auto& owned : fighters) {
        Fighter& fighter = *owned;
        if (!fighter.dead && ActsInPhase(fighter.speed, phase) &&
            fighter.order == OrderCode::None) {
            decisionQueue.push_back(&fighter);
            break;
        }
    }
    if (!decisionQueue.empty()) {
        awaitingOrder = true; // the phase runs once this fighter has its order
        return;
    }
    if (phase == 1) {
        ++turn;
    }
    DispatchPhase(*this, phase);
    phase = phase % 12 + 1;
    if (onPhase) {
        onPhase();
    }
}
