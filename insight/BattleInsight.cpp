#include "insight/BattleInsight.h"

#include "battle/BattleState.h"
#include "engine/InputSystem.h"
#include "insight/Debriefing.h"
#include "insight/InfoStrip.h"
#include "snapshot/BattleSnapshot.h"

namespace {
// The message log's box, where the wheel scrolls it.
constexpr int32_t kLogLeft = 8, kLogRight = 631, kLogTop = 270, kLogBottom = 379;
constexpr int32_t kWheelLines = 1;

bool PointerOnLog() {
    return gInput->mouseX >= kLogLeft && gInput->mouseX <= kLogRight && gInput->mouseY >= kLogTop &&
           gInput->mouseY <= kLogBottom;
}
} // namespace

void BattleInsight::Changed(BattleState& battle) {
    BattleSnapshot now = BattleSnapshot::Capture(battle, false);
    // A step in which nobody did anything moves only the battle's clock on: the chance
    // is the same, and measuring it again would cost a core's share for nothing.
    // The last offer takes the clock of this one, so that the comparison ignores it.
    offered_.phase = now.phase;
    offered_.turn = now.turn;
    offered_.sincePhaseStep = now.sincePhaseStep;
    if (offeredAny_ && offered_ == now) {
        return;
    }
    offered_ = now;
    offeredAny_ = true;
    winChance_.Offer(std::move(now));
}

bool BattleInsight::ScrollKeys(const BattleState& battle) {
    const std::size_t total = battle.history.size();
    log.Follow(total);
    const int32_t before = log.Back();
    for (const int32_t key : gInput->keysPressed) {
        if (key == InputSystem::kPageUp) {
            log.Scroll(LogView::kPage, total);
        } else if (key == InputSystem::kPageDown) {
            log.Scroll(-LogView::kPage, total);
        } else if (key == InputSystem::kEnd) {
            log.ToNewest();
        }
    }
    if (gInput->wheel != 0 && PointerOnLog()) {
        log.Scroll(gInput->wheel * kWheelLines, total);
    }
    return log.Back() != before;
}

void BattleInsight::Frame(BattleState& battle) {
    ScrollKeys(battle);
    InfoStrip::Draw(battle, log, winChance_.Latest().percent);
}

bool BattleInsight::RestingKeys(BattleState& battle) {
    bool changed = ScrollKeys(battle);
    for (const int32_t key : gInput->keysPressed) {
        if (key == InputSystem::kTab) {
            debriefingShown_ = !debriefingShown_;
            changed = true;
        }
    }
    return changed;
}

void BattleInsight::DrawResting(BattleState& battle) {
    if (debriefingShown_) {
        Debriefing::Draw(battle);
    }
    InfoStrip::Draw(battle, log, -1, !debriefingShown_);
}

void BattleInsight::Reset(BattleState& battle) {
    log.ToNewest();
    debriefingShown_ = true;
    winChance_.Forget();
    offeredAny_ = false;
    Changed(battle);
}
