#include "options/KeyboardOrders.h"

#include "battle/BattleState.h"
#include "engine/InputSystem.h"
#include "graphics/Font.h"
#include "graphics/MainInterface.h"
#include "rules/Orders.h"
#include "rules/PlayerCommand.h"

#include <algorithm>

namespace {

bool IsAttack(int32_t command) {
    return command >= 3 && command <= 6;
}

float Stepped(float at, int32_t tiles) {
    return std::clamp(at + static_cast<float>(tiles) * KeyboardOrders::kTile, kFieldFirstPosition,
                      kFieldLastPosition);
}

// Texts beside a spot stand where the pointer's would with the pointer on its middle.
constexpr int32_t kBesideX = 8 + 16, kBesideY = 8;

} // namespace

Fighter* KeyboardOrders::NextTarget(const BattleState& battle, const Fighter& fighter,
                                    const Fighter* from, bool back) {
    const auto& list = battle.fighters;
    const int32_t count = static_cast<int32_t>(list.size());
    int32_t at = back ? count : -1;
    for (int32_t i = 0; i < count; ++i) {
        if (list[i].get() == from) {
            at = i;
        }
    }
    for (int32_t n = 1; n <= count; ++n) {
        Fighter& candidate = *list[((at + (back ? -n : n)) % count + count) % count];
        if (candidate.team != fighter.team && !candidate.IsDead()) {
            return &candidate;
        }
    }
    return nullptr;
}

void KeyboardOrders::Forget() {
    target_ = nullptr;
    marked_ = false;
}

void KeyboardOrders::Frame(BattleState& battle) {
    if (!battle.awaitingOrder || battle.decisionQueue.empty() ||
        battle.decisionQueue.front()->team != 1) {
        asked_ = nullptr;
        return;
    }
    Fighter& fighter = *battle.decisionQueue.front();
    const int32_t command = battle.interface->command;
    if (&fighter != asked_ || command != command_) {
        asked_ = &fighter;
        command_ = command;
        Forget();
    }
    // A battle restarted or restored in between has fighters of its own.
    if (std::none_of(battle.fighters.begin(), battle.fighters.end(),
                     [this](const auto& owned) { return owned.get() == target_; })) {
        target_ = nullptr;
    }
    bool enter = false;
    for (const int32_t key : gInput->keysPressed) {
        if (IsAttack(command) && (key == InputSystem::kTab || key == InputSystem::kBackTab)) {
            target_ = NextTarget(battle, fighter, target_, key == InputSystem::kBackTab);
        } else if (command == 1 && key >= InputSystem::kUp && key <= InputSystem::kRight) {
            if (!marked_) {
                marked_ = true;
                pointX_ = std::clamp(fighter.x, kFieldFirstPosition, kFieldLastPosition);
                pointY_ = std::clamp(fighter.y, kFieldFirstPosition, kFieldLastPosition);
            }
            pointX_ = Stepped(pointX_, (key == InputSystem::kRight) - (key == InputSystem::kLeft));
            pointY_ = Stepped(pointY_, (key == InputSystem::kDown) - (key == InputSystem::kUp));
        } else if (key == InputSystem::kEnter) {
            enter = true;
        }
    }

    const float pulse = CommandPulse();
    if (IsAttack(command) && target_) {
        battle.font->DrawText(target_->name, static_cast<int32_t>(target_->x) + kBesideX,
                              static_cast<int32_t>(target_->y) + kBesideY, 1.0f, 1.0f, 1.0f);
        DrawRing(battle, target_->x, target_->y, 1.0f, 0.0f, 0.0f, pulse);
        if (enter) {
            GiveAttackOrder(battle, fighter, *target_, command);
            Forget();
        }
    } else if (command == 1 && marked_) {
        DrawRing(battle, pointX_, pointY_, 0.3f, 1.0f, 0.3f, pulse);
        ShowWalkTime(battle, fighter, pointX_, pointY_, static_cast<int32_t>(pointX_) + kBesideX,
                     static_cast<int32_t>(pointY_) + kBesideY);
        if (enter) {
            GiveMoveOrder(battle, fighter, pointX_, pointY_);
            Forget();
        }
    }
}
