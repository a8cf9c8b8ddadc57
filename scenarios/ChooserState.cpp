#include "scenarios/ChooserState.h"

#include "battle/BattleState.h"
#include "battle/TileSheet.h"
#include "engine/GameError.h"
#include "engine/InputSystem.h"
#include "engine/Kernel.h"
#include "engine/StateMachine.h"
#include "generate/BattleGenerator.h"
#include "graphics/Font.h"
#include "graphics/VideoSystem.h"
#include "options/OptionsFile.h"
#include "platform/Clock.h"
#include "scenarios/BattleCatalog.h"
#include "scenarios/PlayerRecord.h"

#include <algorithm>

namespace {

const char kHeading[] = "Choose a battle";
constexpr int32_t kStoneTop = 388, kStoneHeight = 88;
const char kHint[] = "Up/Down or the pointer picks, Enter or a click starts, Escape goes back";

// The random battles are written here, in the player's folder, over the last one.
std::string RandomFolder(int difficulty) {
    return std::string("battles/random-") + BattleGenerator::kDifficulties[difficulty];
}

} // namespace

ChooserState::ChooserState(BattleState& battle) : battle_(battle) {}

bool ChooserState::OpenIfAsked(BattleState& battle) {
    const auto& keys = gInput->keysPressed;
    if (std::find(keys.begin(), keys.end(), 'b') == keys.end()) {
        return false;
    }
    const bool playerWaits = battle.awaitingOrder && !battle.decisionQueue.empty() &&
                             battle.decisionQueue.front()->team == 1;
    if (!playerWaits && battle.outcome == BattleOutcome::Undecided) {
        return false;
    }
    Open(battle);
    return true;
}

void ChooserState::Open(BattleState& battle) {
    if (gStateMachine == nullptr) {
        return;
    }
    GameState*& state = gStateMachine->states[kId];
    if (state == nullptr) {
        state = new ChooserState(battle);
    }
    gStateMachine->ChangeState(kId);
}

void ChooserState::Enter() {
    const auto summaries = PlayerRecord::Summarise(PlayerRecord::Read());
    const auto recordOf = [&](const BattleFolder& battle) {
        const auto found = summaries.find(battle.RecordName());
        return PlayerRecord::Describe(found == summaries.end() ? PlayerRecord::Summary{}
                                                               : found->second);
    };
    rows_.clear();
    BattleFolder own;
    own.title = "Your own eight";
    own.about = "The fighter files of the game folder, NPCs/fighter1.cfg to fighter8.cfg";
    rows_.push_back({own, recordOf(own)});
    for (BattleFolder& battle : BattleCatalog::List(BattleCatalog::Roots())) {
        rows_.push_back({battle, recordOf(battle)});
    }
    seed_ = Clock::SystemMilliseconds();
    for (int difficulty = 0; difficulty < 3; ++difficulty) {
        BattleFolder random;
        random.title = std::string("Random battle, ") + BattleGenerator::kDifficulties[difficulty];
        random.about =
            "Made when picked, from seed " + std::to_string(seed_) + " (vornak generate --seed)";
        rows_.push_back({random, "", difficulty});
    }

    int32_t picked = 0;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].difficulty < 0 &&
            rows_[i].battle.RecordName() == battle_.battle.RecordName()) {
            picked = static_cast<int32_t>(i);
        }
    }
    chooser_ = BattleChooser(static_cast<int32_t>(rows_.size()), picked, gInput->mouseX,
                             gInput->mouseY, gInput->leftButton);
    for (const Row& row : rows_) {
        battle_.grounds.Load(row.battle.ground);
    }
}

void ChooserState::Update() {
    BattleChooser::Action action = BattleChooser::Action::None;
    for (const int32_t key : gInput->keysPressed) {
        if (action == BattleChooser::Action::None) {
            action = chooser_.Key(key);
        }
    }
    if (action == BattleChooser::Action::None) {
        action = chooser_.Pointer(gInput->mouseX, gInput->mouseY, gInput->leftButton);
    }
    if (action == BattleChooser::Action::Difficulty && gKernel) {
        // Kept as the options screen keeps it: every battle from now on, and the next start.
        gKernel->options.StepDifficulty();
        OptionsFile::Save(gKernel->options);
    }
    if (action == BattleChooser::Action::Back) {
        gStateMachine->ChangeState(0);
        return;
    }
    if (action == BattleChooser::Action::Start) {
        Start(rows_[static_cast<std::size_t>(chooser_.Picked())]);
        return;
    }
    Draw();
}

void ChooserState::Start(const Row& row) {
    BattleFolder chosen = row.battle;
    if (row.difficulty >= 0) {
        const auto difficulty = static_cast<BattleGenerator::Difficulty>(row.difficulty);
        std::string problem;
        if (!BattleGenerator::Write(BattleGenerator::Make(seed_, difficulty),
                                    RandomFolder(row.difficulty), problem)) {
            throw GameError(problem);
        }
        chosen = BattleFolder::Read(RandomFolder(row.difficulty));
    }
    battle_.battle = chosen;
    battle_.Restart();
    gStateMachine->ChangeState(0);
}

void ChooserState::Draw() {
    gVideo->ClearFrame();
    // The stone of the strip under the log, darkened, over the whole window.
    for (int32_t y = 0; y < 480; y += kStoneHeight) {
        gVideo->DrawSpriteRegion(battle_.background, 0.0f, float(kStoneTop), 640.0f,
                                 float(kStoneHeight), 0, y, 0.4f, 0.4f, 0.4f, 1.0f);
    }
    Font& font = *battle_.font;
    font.DrawText(kHeading, 320 - font.TextWidth(kHeading) / 2, 16, 1.0f, 0.85f, 0.3f);
    const int32_t last = std::min(chooser_.Rows(), chooser_.First() + BattleChooser::kShown);
    for (int32_t i = chooser_.First(); i < last; ++i) {
        DrawRow(rows_[static_cast<std::size_t>(i)], chooser_.RowTop(i), i == chooser_.Picked());
    }
    if (gKernel) {
        const std::string difficulty = "Difficulty: " + gKernel->options.difficulty + " (D)";
        font.DrawText(difficulty, BattleChooser::kRight - 8 - font.TextWidth(difficulty), 16, 0.6f,
                      0.85f, 0.6f);
    }
    font.DrawText(kHint, 320 - font.TextWidth(kHint) / 2, 452, 0.8f, 0.8f, 0.8f);
    gVideo->EndFrame();
}

void ChooserState::DrawRow(const Row& row, int32_t top, bool picked) {
    Font& font = *battle_.font;
    if (picked) {
        // The banner's dark inside, laid along the row.
        for (int32_t x = BattleChooser::kLeft; x < BattleChooser::kRight; x += 150) {
            const float width =
                static_cast<float>(std::min<int32_t>(150, BattleChooser::kRight - x));
            gVideo->DrawSpriteRegion(battle_.tiles, kBannerX + 8.0f, kBannerY + 8.0f, width,
                                     static_cast<float>(BattleChooser::kRowHeight - 2), x, top,
                                     1.0f, 1.0f, 1.0f, 1.0f);
        }
    }
    const int32_t cellX = BattleChooser::kLeft + 8, cellY = top + 9;
    if (!battle_.grounds.DrawCell(row.battle.ground, cellX, cellY)) {
        gVideo->DrawSpriteRegion(battle_.tiles, kGroundX, kGroundY, kCell, kCell, cellX, cellY,
                                 1.0f, 1.0f, 1.0f, 1.0f);
    }
    const float bright = picked ? 1.0f : 0.9f;
    font.DrawText(row.battle.title, 48, top + 2, bright, picked ? 0.85f : bright,
                  picked ? 0.3f : bright);
    font.DrawText(row.battle.about, 48, top + 18, 0.7f, 0.7f, 0.7f);
    font.DrawText(row.record, BattleChooser::kRight - 8 - font.TextWidth(row.record), top + 2, 0.6f,
                  0.85f, 0.6f);
}
