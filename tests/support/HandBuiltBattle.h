#pragma once

#include "battle/BattleState.h"
#include "graphics/MainInterface.h"
#include "tests/support/RecordingFont.h"
#include "tests/support/ScopedEngine.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using Lines = std::vector<std::string>;

// A battle built by hand, without files: a recording engine and font, a bare interface
// whose command the test sets, and fighters of the test's making, by default of team 2,
// speed 12 (acting every phase), skills of 7 and 30 hit points.
class HandBuiltBattle : public ::testing::Test {
protected:
    HandBuiltBattle() {
        auto recordingFont = std::make_unique<RecordingFont>();
        font = recordingFont.get();
        battle.font = std::move(recordingFont);
        battle.interface = std::make_unique<MainInterface>();
    }

    Fighter& Add(const std::string& name, float x, float y, int32_t team = 2, int32_t speed = 12) {
        battle.fighters.push_back(std::make_unique<Fighter>());
        Fighter& f = *battle.fighters.back();
        f.name = name;
        f.x = x;
        f.y = y;
        f.team = team;
        f.speed = speed;
        f.hitPoints = f.maxHitPoints = 30;
        f.meleeSkill = f.missileSkill = 7;
        return f;
    }

    static void Arm(Fighter& attacker, Fighter& target, OrderCode order, int32_t countdown) {
        attacker.order = order;
        attacker.target = &target;
        attacker.countdown = attacker.countdownStart = countdown;
    }

    // The fighter waits at the front of the decision queue, as the phase step leaves it.
    void Ask(Fighter& fighter) {
        battle.decisionQueue.assign(1, &fighter);
        battle.awaitingOrder = true;
    }

    Lines Log() const { return {battle.messages.begin(), battle.messages.end()}; }

    ScopedEngine engine;
    BattleState battle;
    RecordingFont* font = nullptr;
};
