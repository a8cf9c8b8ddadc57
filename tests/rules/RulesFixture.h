#pragma once

#include "battle/BattleState.h"
#include "graphics/MainInterface.h"
#include "tests/support/RecordingFont.h"
#include "tests/support/ScopedEngine.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A battle built by hand for one rules test: recording engine, recording font, a bare
// interface whose command the test sets, and fighters added with the values that matter.
class RulesTest : public ::testing::Test {
protected:
    RulesTest() {
        auto recordingFont = std::make_unique<RecordingFont>();
        font = recordingFont.get();
        battle.font = std::move(recordingFont);
        battle.interface = std::make_unique<MainInterface>();
    }

    // Speed 12 acts in every phase; 30 hit points survive any single hit.
    Fighter& Add(const std::string& name, float x, float y, int32_t team = 2) {
        auto fighter = std::make_unique<Fighter>();
        fighter->name = name;
        fighter->x = x;
        fighter->y = y;
        fighter->team = team;
        fighter->speed = 12;
        fighter->hitPoints = fighter->maxHitPoints = 30;
        fighter->meleeSkill = fighter->missileSkill = 7;
        battle.fighters.push_back(std::move(fighter));
        return *battle.fighters.back();
    }

    // The fighter armed with a fresh attack, as the order givers leave it.
    static void Arm(Fighter& attacker, Fighter& target, OrderCode order, int32_t countdown) {
        attacker.order = order;
        attacker.target = &target;
        attacker.countdown = attacker.countdownStart = countdown;
    }

    // Puts the fighter at the front of the decision queue, as the phase step does.
    void Ask(Fighter& fighter) {
        battle.decisionQueue.assign(1, &fighter);
        battle.awaitingOrder = true;
    }

    std::vector<std::string> Log() const {
        return {battle.messages.begin(), battle.messages.end()};
    }

    ScopedEngine engine;
    BattleState battle;
    RecordingFont* font = nullptr;
};
