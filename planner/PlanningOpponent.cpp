#include "planner/PlanningOpponent.h"

#include "battle/BattleState.h"
#include "battle/TileSheet.h"
#include "engine/InputSystem.h"
#include "engine/NumberConversion.h"
#include "graphics/Font.h"
#include "graphics/MainInterface.h"
#include "graphics/VideoSystem.h"
#include "planner/Difficulty.h"
#include "platform/Random.h"
#include "snapshot/BattleSnapshot.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr float kHintRed = 1.0f, kHintGreen = 0.85f, kHintBlue = 0.2f;

void DrawHintRing(const BattleState& battle, float x, float y) {
    gVideo->DrawSpriteRegion(battle.tiles, kRingX, kRingY, kRingSize, kRingSize,
                             TruncateToInt(x - 8.0f), TruncateToInt(y - 8.0f), kHintRed, kHintGreen,
                             kHintBlue, 1.0f);
}

// The button as it looks under the pointer, drawn over the one the interface drew.
void LightButton(const MainInterface& buttons, int32_t id) {
    for (const InterfaceElement& element : buttons.elements) {
        if (element.id != id || element.enabled == 0 || !buttons.Shows(element)) {
            continue;
        }
        gVideo->DrawSpriteRegion(
            buttons.sheet, static_cast<float>(element.sourceX + element.width),
            static_cast<float>(element.sourceY), static_cast<float>(element.width),
            static_cast<float>(element.height), ClampToInt32(int64_t{buttons.originX} + element.x),
            ClampToInt32(int64_t{buttons.originY} + element.y), 1.0f, 1.0f, 1.0f, 1.0f);
    }
}

// With a dark shadow, as the strip's other lines.
void DrawLine(BattleState& battle, const std::string& text) {
    battle.font->DrawText(text, PlanningOpponent::kHintX + 1, PlanningOpponent::kHintY + 1, 0.0f,
                          0.0f, 0.0f);
    battle.font->DrawText(text, PlanningOpponent::kHintX, PlanningOpponent::kHintY, 1.0f, 0.9f,
                          0.5f);
}

} // namespace

void PlanningOpponent::StartBattle() {
    asked_ = Asked::Nothing;
    hint_.reset();
}

PlanningOpponent::Moment PlanningOpponent::Now(const BattleState& battle) {
    Moment now;
    now.turn = battle.turn;
    now.phase = battle.phase;
    if (battle.awaitingOrder && !battle.decisionQueue.empty()) {
        for (std::size_t i = 0; i < battle.fighters.size(); ++i) {
            if (battle.fighters[i].get() == battle.decisionQueue.front()) {
                now.fighter = static_cast<int32_t>(i);
            }
        }
    }
    return now;
}

bool PlanningOpponent::Decide(BattleState& battle) {
    if (!HardDifficulty()) {
        return false;
    }
    const Moment now = Now(battle);
    if (asked_ != Asked::Order || !(askedAt_ == now)) {
        asked_ = Asked::Order;
        askedAt_ = now;
        thread_.Ask(BattleSnapshot::Capture(battle, false), static_cast<uint64_t>(Random::Next()));
        return true;
    }
    if (const std::optional<PlannedOrder> answer = thread_.TakeAnswer()) {
        asked_ = Asked::Nothing;
        answer->Give(battle, false); // once, as Planner::DecideIn gives it
    }
    return true;
}

void PlanningOpponent::Hint(BattleState& battle) {
    const Moment now = Now(battle);
    if (now.fighter < 0) { // the order was given in this frame
        hint_.reset();
        if (asked_ == Asked::Hint) {
            asked_ = Asked::Nothing;
        }
        return;
    }
    for (const int32_t key : gInput->keysPressed) {
        if (key == 'h' && !(asked_ == Asked::Hint && askedAt_ == now)) {
            asked_ = Asked::Hint;
            askedAt_ = now;
            hint_.reset();
            // The seed follows from the moment, so a hint throws none of the battle's dice.
            const uint64_t seed = static_cast<uint64_t>(now.turn) * 16 + now.phase;
            thread_.Ask(BattleSnapshot::Capture(battle, false), seed);
        }
    }
    if (asked_ == Asked::Hint && askedAt_ == now) {
        if (std::optional<PlannedOrder> answer = thread_.TakeAnswer()) {
            hint_ = answer;
        }
        if (hint_) {
            DrawHint(battle, *hint_);
        } else {
            DrawLine(battle, "Hint: thinking ...");
        }
    }
}

void PlanningOpponent::DrawHint(BattleState& battle, const PlannedOrder& hint) const {
    LightButton(*battle.interface, hint.Command());
    if (hint.kind == PlannedOrder::Kind::Walk) {
        DrawHintRing(battle, hint.x, hint.y);
    } else if (hint.target >= 0) {
        const Fighter& target = *battle.fighters[static_cast<std::size_t>(hint.target)];
        DrawHintRing(battle, target.x, target.y);
    }
    char chance[32];
    std::snprintf(chance, sizeof chance, " (win chance %d %%)",
                  static_cast<int>(std::lround(hint.winChance * 100.0)));
    battle.font->DrawText("Hint: " + hint.Words(battle) + chance, kHintX, kHintY, 1.0f, 1.0f, 1.0f);
}
