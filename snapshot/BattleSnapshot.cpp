#include "snapshot/BattleSnapshot.h"

#include "battle/BattleState.h"
#include "graphics/MainInterface.h"
#include "insight/BattleInsight.h"
#include "platform/Clock.h"

#include <memory>
#include <tuple>

namespace {

int32_t PlaceOf(const BattleState& battle, const Fighter* fighter) {
    for (std::size_t i = 0; i < battle.fighters.size(); ++i) {
        if (battle.fighters[i].get() == fighter) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

Fighter* AtPlace(BattleState& battle, int32_t place) {
    return place >= 0 && static_cast<std::size_t>(place) < battle.fighters.size()
               ? battle.fighters[static_cast<std::size_t>(place)].get()
               : nullptr;
}

auto Fields(const Fighter& f) {
    return std::tie(f.x, f.y, f.stepX, f.stepY, f.destX, f.destY, f.team, f.order, f.countdown,
                    f.countdownStart, f.health, f.hitPoints, f.maxHitPoints, f.speed, f.meleeSkill,
                    f.missileSkill, f.name, f.dead);
}

auto Fields(const Missile& m) {
    return std::tie(m.x, m.y, m.targetX, m.targetY, m.dx, m.dy);
}

} // namespace

bool SameFighter(const Fighter& a, const Fighter& b) {
    return Fields(a) == Fields(b);
}

BattleSnapshot BattleSnapshot::Capture(const BattleState& battle, bool wholeLog) {
    BattleSnapshot snapshot;
    snapshot.fighters.reserve(battle.fighters.size());
    for (const auto& owned : battle.fighters) {
        snapshot.fighters.push_back(*owned);
        Fighter& copy = snapshot.fighters.back();
        copy.settings.clear();
        copy.target = nullptr;
        snapshot.targets.push_back(PlaceOf(battle, owned->target));
    }
    snapshot.missiles = battle.missiles;
    snapshot.phase = battle.phase;
    snapshot.turn = battle.turn;
    snapshot.awaitingOrder = battle.awaitingOrder;
    snapshot.waiting =
        battle.decisionQueue.empty() ? -1 : PlaceOf(battle, battle.decisionQueue.front());
    snapshot.buttonHeld = battle.buttonHeld;
    snapshot.command = battle.interface ? battle.interface->command : 0;
    snapshot.sincePhaseStep = Clock::Ticks() - battle.lastTick;
    snapshot.messages = battle.messages;
    if (wholeLog) {
        snapshot.history = battle.history;
    }
    snapshot.outcome = battle.outcome;
    snapshot.counts = battle.counts;
    return snapshot;
}

void BattleSnapshot::Restore(BattleState& battle, bool wholeLog) const {
    battle.decisionQueue.clear(); // before any fighter it may point at goes
    battle.fighters.resize(fighters.size());
    for (std::size_t i = 0; i < fighters.size(); ++i) {
        if (!battle.fighters[i]) {
            battle.fighters[i] = std::make_unique<Fighter>();
        }
        Fighter& to = *battle.fighters[i];
        SettingsTable kept = std::move(to.settings);
        to = fighters[i];
        to.settings = std::move(kept);
    }
    for (std::size_t i = 0; i < fighters.size(); ++i) {
        battle.fighters[i]->target = AtPlace(battle, targets[i]);
    }
    battle.missiles = missiles;
    battle.phase = phase;
    battle.turn = turn;
    battle.awaitingOrder = awaitingOrder;
    if (Fighter* front = AtPlace(battle, waiting)) {
        battle.decisionQueue.push_back(front);
    }
    battle.buttonHeld = buttonHeld;
    if (battle.interface) {
        battle.interface->command = command;
    }
    battle.messages = messages;
    if (wholeLog) {
        battle.lastTick = Clock::Ticks() - sincePhaseStep;
        battle.history = history;
    } else {
        battle.history.clear();
    }
    battle.outcome = outcome;
    battle.counts = counts;
    if (battle.insight) {
        battle.insight->Reset(battle); // what it showed was of the battle before
    }
}

bool BattleSnapshot::operator==(const BattleSnapshot& other) const {
    if (fighters.size() != other.fighters.size() || missiles.size() != other.missiles.size()) {
        return false;
    }
    for (std::size_t i = 0; i < fighters.size(); ++i) {
        if (!SameFighter(fighters[i], other.fighters[i])) {
            return false;
        }
    }
    for (std::size_t i = 0; i < missiles.size(); ++i) {
        if (Fields(missiles[i]) != Fields(other.missiles[i])) {
            return false;
        }
    }
    return std::tie(targets, phase, turn, awaitingOrder, waiting, buttonHeld, command,
                    sincePhaseStep, messages, history, outcome, counts) ==
           std::tie(other.targets, other.phase, other.turn, other.awaitingOrder, other.waiting,
                    other.buttonHeld, other.command, other.sincePhaseStep, other.messages,
                    other.history, other.outcome, other.counts);
}
