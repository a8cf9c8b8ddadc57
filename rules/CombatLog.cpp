#include "rules/CombatLog.h"

#include "battle/BattleState.h"
#include "graphics/Font.h"
#include "insight/BattleInsight.h"

namespace {
constexpr std::size_t kLogLines = 7;
constexpr int32_t kLogX = 9;
constexpr int32_t kLogTop = 271;
constexpr int32_t kLineHeight = 15;
} // namespace

bool KeepsLog(const BattleState& battle) {
    return battle.keepsLog;
}

void AddLine(BattleState& battle, std::string line) {
    battle.history.push_back(line);
    battle.messages.push_back(std::move(line));
    while (battle.messages.size() > kLogLines) {
        battle.messages.pop_front();
    }
}

void DrawMessages(BattleState& battle) {
    int32_t y = kLogTop;
    const LogView* view = battle.insight ? &battle.insight->log : nullptr;
    if (view != nullptr && view->Back() > 0) { // scrolled back through the whole log
        const std::size_t first = view->First(battle.history.size());
        for (std::size_t i = first; i < first + view->Shown(battle.history.size()); ++i) {
            battle.font->DrawText(battle.history[i], kLogX, y, 1.0f, 1.0f, 1.0f);
            y += kLineHeight;
        }
        return;
    }
    for (const std::string& line : battle.messages) {
        battle.font->DrawText(line, kLogX, y, 1.0f, 1.0f, 1.0f);
        y += kLineHeight;
    }
}
