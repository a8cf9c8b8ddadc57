#include "rules/CombatLog.h"

#include "battle/BattleState.h"
#include "graphics/Font.h"

namespace {
constexpr std::size_t kLogLines = 7;
constexpr int32_t kLogX = 9;
constexpr int32_t kLogTop = 271;
constexpr int32_t kLineHeight = 15;
} // namespace

void AddMessage(BattleState& battle, std::string line) {
    battle.history.push_back(line);
    battle.messages.push_back(std::move(line));
    while (battle.messages.size() > kLogLines) {
        battle.messages.pop_front();
    }
}

void DrawMessages(BattleState& battle) {
    int32_t y = kLogTop;
    for (const std::string& line : battle.messages) {
        battle.font->DrawText(line, kLogX, y, 1.0f, 1.0f, 1.0f);
        y += kLineHeight;
    }
}
