#include "insight/InfoStrip.h"

#include "battle/BattleState.h"
#include "battle/TileSheet.h"
#include "engine/InputSystem.h"
#include "engine/TextFormat.h"
#include "graphics/Font.h"
#include "graphics/MainInterface.h"
#include "graphics/VideoSystem.h"
#include "insight/AttackOdds.h"
#include "insight/LogView.h"
#include "rules/Orders.h"

#include <cstdio>

namespace {

// Three lines between the strip's two engraved lines, one above them.
constexpr int32_t kTopLineY = InfoStrip::kTop;
constexpr int32_t kLineY[3] = {404, 422, 440};
constexpr int32_t kCardX = 12, kOddsX = 340, kRightEdge = 630;

std::string Actions(int32_t actions) {
    return Format("%d action%s", actions, actions == 1 ? "" : "s");
}

std::string ActionsToGo(int32_t actions) {
    return ", " + Actions(actions) + " to go";
}

// The command buttons' numbers for the four attacks.
bool IsAttackCommand(int32_t command) {
    return command >= 3 && command <= 6;
}

} // namespace

void InfoStrip::Text(Font& font, const std::string& text, int32_t x, int32_t y, float red,
                     float green, float blue) {
    font.DrawText(text, x + 1, y + 1, 0.0f, 0.0f, 0.0f);
    font.DrawText(text, x, y, red, green, blue);
}

void InfoStrip::Name(Font& font, const Fighter& fighter, int32_t x, int32_t y, float shade) {
    if (fighter.team == 1) {
        Text(font, fighter.name, x, y, 0.6f * shade, 0.8f * shade, 1.0f * shade);
    } else {
        Text(font, fighter.name, x, y, 1.0f * shade, 0.6f * shade, 0.5f * shade);
    }
}

const Fighter* InfoStrip::FighterAt(const BattleState& battle, int32_t x, int32_t y) {
    const float px = static_cast<float>(x), py = static_cast<float>(y);
    for (const auto& owned : battle.fighters) {
        const Fighter& f = *owned;
        if (!f.dead && f.x <= px && px < f.x + kCell && f.y <= py && py < f.y + kCell) {
            return &f;
        }
    }
    return nullptr;
}

std::string InfoStrip::Activity(const Fighter& fighter) {
    const Fighter* target = fighter.target;
    const std::string at = target != nullptr ? " at " + target->name : "";
    switch (fighter.order) {
    case OrderCode::None:
        return "Waiting for an order";
    case OrderCode::Move:
        return "Walking";
    case OrderCode::MeleeOnce:
        return "Striking" + at + ActionsToGo(fighter.countdown);
    case OrderCode::MeleeRepeat:
        return "Striking" + at + " until dead" + ActionsToGo(fighter.countdown);
    case OrderCode::MissileOnce:
        return "Shooting" + at + ActionsToGo(fighter.countdown);
    case OrderCode::MissileRepeat:
        return "Shooting" + at + " until dead" + ActionsToGo(fighter.countdown);
    case OrderCode::ApproachMeleeOnce:
    case OrderCode::ApproachMeleeRepeat: {
        const int32_t actions =
            target != nullptr ? AttackOdds::StepsToReach(fighter, *target) + kMeleeCountdown : 0;
        return "Walking to strike" + at +
               (fighter.order == OrderCode::ApproachMeleeRepeat ? " until dead" : "") +
               ActionsToGo(actions);
    }
    default: // Hold and any code without an action: standing still
        return "Holding";
    }
}

std::string InfoStrip::OddsLine(int32_t line, const Fighter& attacker, const Fighter& target,
                                bool melee) {
    const AttackOdds odds = AttackOdds::Of(attacker, target, melee);
    switch (line) {
    case 0:
        return Format("Hit %d %%   Damage 1-%d", odds.hitPercent, odds.damageSides);
    case 1:
        return "Lands in " + Actions(odds.actions);
    default:
        return Format("Falls after %.1f hits on average", odds.hitsToKill);
    }
}

void InfoStrip::DrawCard(BattleState& battle, const Fighter& fighter) {
    Font& font = *battle.font;
    Name(font, fighter, kCardX, kLineY[0]);
    Text(font, Format("Team %d", fighter.team), kCardX + font.TextWidth(fighter.name) + 12,
         kLineY[0]);
    const struct {
        float iconX;
        std::string value;
    } rows[] = {
        {kHitPointsIconX, Format("%d/%d", fighter.hitPoints, fighter.maxHitPoints)},
        {kSpeedIconX, Format("%d", fighter.speed)},
        {kMeleeIconX, Format("%d", fighter.meleeSkill)},
        {kMissileIconX, Format("%d", fighter.missileSkill)},
    };
    int32_t x = kCardX;
    for (const auto& row : rows) {
        gVideo->DrawSpriteRegion(battle.tiles, row.iconX, kIconY, kCell, kCell, x, kLineY[1], 1.0f,
                                 1.0f, 1.0f, 1.0f);
        Text(font, row.value, x + 18, kLineY[1]);
        x += 18 + font.TextWidth(row.value) + 14;
    }
    Text(font, Activity(fighter), kCardX, kLineY[2]);
}

void InfoStrip::DrawOdds(BattleState& battle, const Fighter& target) {
    const int32_t command = battle.interface ? battle.interface->command : 0;
    if (!battle.awaitingOrder || battle.decisionQueue.empty() || !IsAttackCommand(command)) {
        return;
    }
    const Fighter& attacker = *battle.decisionQueue.front();
    if (attacker.team != 1 || target.team == attacker.team) {
        return;
    }
    const bool melee = command == 3 || command == 4;
    for (int32_t line = 0; line < 3; ++line) {
        Text(*battle.font, OddsLine(line, attacker, target, melee), kOddsX, kLineY[line]);
    }
}

void InfoStrip::Draw(BattleState& battle, const LogView& log, int32_t winPercent, bool cards) {
    Font& font = *battle.font;
    if (winPercent >= 0) {
        const std::string text = Format("Win chance %d %%", winPercent);
        Text(font, text, kRightEdge - font.TextWidth(text), kTopLineY);
    }
    if (log.Back() > 0) {
        const std::size_t total = battle.history.size();
        const std::size_t first = log.First(total);
        Text(font,
             Format("Log lines %zu-%zu of %zu, End for the newest", first + 1,
                    first + log.Shown(total), total),
             kCardX, kTopLineY, 0.85f, 0.85f, 0.7f);
    }
    const Fighter* fighter = cards ? FighterAt(battle, gInput->mouseX, gInput->mouseY) : nullptr;
    if (fighter != nullptr) {
        DrawCard(battle, *fighter);
        DrawOdds(battle, *fighter);
    }
}
