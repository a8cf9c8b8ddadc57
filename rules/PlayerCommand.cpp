#include "rules/PlayerCommand.h"

#include "battle/BattleState.h"
#include "battle/PhaseTable.h"
#include "battle/TileSheet.h"
#include "engine/InputSystem.h"
#include "engine/NumberConversion.h"
#include "graphics/Font.h"
#include "graphics/MainInterface.h"
#include "graphics/VideoSystem.h"
#include "platform/Clock.h"
#include "rules/Orders.h"

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

constexpr int32_t kFieldFirst = 8; // the battlefield under the pointer, inclusive
constexpr int32_t kFieldLast = 263;

} // namespace

float CommandPulse() {
    float p = static_cast<float>(Clock::Ticks() % 1000) * 0.002f;
    if (p > 1.0f) {
        p = 2.0f - p;
    }
    return p;
}

void DrawRing(const BattleState& battle, float x, float y, float red, float green, float blue,
              float alpha) {
    gVideo->DrawSpriteRegion(battle.tiles, kRingX, kRingY, kRingSize, kRingSize,
                             TruncateToInt(x - 8.0f), TruncateToInt(y - 8.0f), red, green, blue,
                             alpha);
}

namespace {

bool PointerOnField() {
    return gInput->mouseX >= kFieldFirst && gInput->mouseX <= kFieldLast &&
           gInput->mouseY >= kFieldFirst && gInput->mouseY <= kFieldLast;
}

void EndCommand(BattleState& battle) {
    if (battle.interface) { // none in a battle played headless
        battle.interface->command = 0;
    }
    GiveOrder(battle);
}

} // namespace

void GiveAttackOrder(BattleState& battle, Fighter& fighter, Fighter& enemy, int32_t command) {
    fighter.target = &enemy;
    battle.buttonHeld = false;
    if (command == 3 || command == 4) {
        const float d = Distance(fighter.x, fighter.y, enemy.x, enemy.y);
        if (d < kMeleeReach) {
            fighter.order = command == 3 ? OrderCode::MeleeOnce : OrderCode::MeleeRepeat;
            fighter.countdown = kMeleeCountdown;
            fighter.countdownStart = kMeleeCountdown;
        } else {
            fighter.destX = enemy.x;
            fighter.destY = enemy.y;
            fighter.stepX = (fighter.destX - fighter.x) * (1.0f / d);
            fighter.stepY = (fighter.destY - fighter.y) * (1.0f / d);
            fighter.order =
                command == 3 ? OrderCode::ApproachMeleeOnce : OrderCode::ApproachMeleeRepeat;
            fighter.countdown = 0;
            fighter.countdownStart = 0;
        }
    } else {
        fighter.order = command == 5 ? OrderCode::MissileOnce : OrderCode::MissileRepeat;
        fighter.countdown = kMissileCountdown;
        fighter.countdownStart = kMissileCountdown;
    }
    EndCommand(battle);
}

namespace {

void AttackCommand(BattleState& battle, Fighter& fighter, int32_t command, float pulse) {
    if (!PointerOnField()) {
        return;
    }
    const float px = static_cast<float>(gInput->mouseX);
    const float py = static_cast<float>(gInput->mouseY);
    for (const auto& entry : battle.fighters) {
        Fighter& enemy = *entry;
        const bool under =
            enemy.x <= px && px < enemy.x + 16.0f && enemy.y <= py && py < enemy.y + 16.0f;
        if (!under || enemy.team == fighter.team || enemy.IsDead()) {
            continue;
        }
        battle.font->DrawText(enemy.name, gInput->mouseX + 16, gInput->mouseY, 1.0f, 1.0f, 1.0f);
        DrawRing(battle, enemy.x, enemy.y, 1.0f, 0.0f, 0.0f, pulse);
        if (gInput->leftButton) {
            battle.buttonHeld = true;
            continue;
        }
        if (!battle.buttonHeld) {
            continue;
        }

        // Released over a valid enemy after a press: the order is given, and clearing
        // buttonHeld lets only this enemy have it.
        GiveAttackOrder(battle, fighter, enemy, command);
    }
}

bool EverActs(int32_t speed) {
    for (int32_t phase = 1; phase <= 12; ++phase) {
        if (ActsInPhase(speed, phase)) {
            return true;
        }
    }
    return false;
}

// Phases from the next one until the fighter has had an action for every pixel of the
// walk. Only asked for fighters that act at all, so the count always ends.
int32_t PhasesToWalk(int32_t speed, int32_t currentPhase, float distance) {
    int32_t phases = 0;
    int32_t actions = 0;
    int32_t phase = currentPhase % 12 + 1;
    if (distance > 0.0f) {
        do {
            if (ActsInPhase(speed, phase)) {
                ++actions;
            }
            ++phases;
            phase = phase % 12 + 1;
        } while (static_cast<float>(actions) < distance);
    }
    return phases;
}

void MoveCommand(BattleState& battle, Fighter& fighter) {
    if (!PointerOnField()) {
        return;
    }
    // Centres the sprite of a fighter standing at the destination on the pointer.
    const float px =
        std::max(kFieldFirstPosition, std::min(kFieldLastPosition, float(gInput->mouseX - 8)));
    const float py =
        std::max(kFieldFirstPosition, std::min(kFieldLastPosition, float(gInput->mouseY - 8)));
    ShowWalkTime(battle, fighter, px, py, gInput->mouseX + 16, gInput->mouseY);
    if (gInput->leftButton) {
        battle.buttonHeld = true;
        return;
    }
    if (battle.buttonHeld) {
        GiveMoveOrder(battle, fighter, px, py);
    }
}

// Keys stand in for the buttons: 1 to 6 choose their commands and Q quits, each only as
// its button would; Escape drops a chosen command before its point or enemy is picked.
void ApplyKeys(BattleState& battle) {
    for (const int32_t key : gInput->keysPressed) {
        if (key >= '1' && key <= '6') {
            battle.interface->Choose(key - '0');
        } else if (key == 'q') {
            battle.interface->Choose(MainInterface::kQuitId);
        } else if (key == InputSystem::kEscape) {
            battle.interface->command = 0;
            battle.buttonHeld = false;
        }
    }
}

} // namespace

void ShowWalkTime(BattleState& battle, const Fighter& fighter, float px, float py, int32_t textX,
                  int32_t textY) {
    // A fighter that never acts would never get there: it gets no estimate.
    if (!EverActs(fighter.speed)) {
        return;
    }
    const float d = Distance(px, py, fighter.x, fighter.y);
    const int32_t phases = PhasesToWalk(fighter.speed, battle.phase, d);
    char text[32];
    std::snprintf(text, sizeof text, "%.2g",
                  static_cast<double>(static_cast<float>(phases) * 0.016666668f));
    battle.font->DrawText(text, textX, textY, 1.0f, 1.0f, 1.0f);
}

void GiveMoveOrder(BattleState& battle, Fighter& fighter, float px, float py) {
    const float d = Distance(px, py, fighter.x, fighter.y);
    fighter.destX = px;
    fighter.destY = py;
    // A walk to where the fighter already stands gets no direction; its first step then
    // finds it arrived.
    if (d > 0.0f) {
        fighter.stepX = (px - fighter.x) * (1.0f / d);
        fighter.stepY = (py - fighter.y) * (1.0f / d);
    } else {
        fighter.stepX = 0.0f;
        fighter.stepY = 0.0f;
    }
    battle.buttonHeld = false;
    fighter.order = OrderCode::Move;
    EndCommand(battle);
}

void PlayerCommand(BattleState& battle) {
    if (battle.decisionQueue.empty()) {
        return;
    }
    Fighter& fighter = *battle.decisionQueue.front();
    const float pulse = CommandPulse();
    DrawRing(battle, fighter.x, fighter.y, 1.0f, 1.0f, 1.0f, pulse);

    battle.interface->Update();
    ApplyKeys(battle);
    const int32_t command = battle.interface->command;
    switch (command) {
    case 1:
        MoveCommand(battle, fighter);
        break;
    case 2:
        fighter.order = OrderCode::Hold;
        EndCommand(battle);
        break;
    case 3:
    case 4:
    case 5:
    case 6:
        AttackCommand(battle, fighter, command, pulse);
        break;
    default:
        break;
    }
}
