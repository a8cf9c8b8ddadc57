#include "insight/AttackOdds.h"
#include "insight/BattleInsight.h"
#include "insight/InfoStrip.h"
#include "insight/WinChance.h"
#include "rules/CombatLog.h"
#include "rules/MeleeAttack.h"
#include "rules/MissileAttack.h"
#include "rules/Orders.h"
#include "snapshot/BattleSnapshot.h"

#include "tests/support/HandBuiltBattle.h"
#include "tests/support/ScopedRandom.h"

#include <chrono>
#include <thread>
#include <tuple>

class Insight : public HandBuiltBattle {
protected:
    std::vector<std::string> Drawn() const {
        std::vector<std::string> texts;
        for (const auto& text : font->texts) {
            texts.push_back(text.text);
        }
        return texts;
    }
    bool Shows(const std::string& text) const {
        const auto texts = Drawn();
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }

    Fighter &archer = Add("Ana", 40, 50, 1), &hesk = Add("Hesk", 80, 50);
};

// The odds are the rules' own: every one of the 36 rolls played through the attack for
// every skill, blow and shot alike, counts the hits the figure promises.
TEST_F(Insight, HitOddsAreTheExactCountOfTheRulesRolls) {
    for (void (*attack)(BattleState&, Fighter&) : {MeleeAction, MissileAction}) {
        const bool melee = attack == MeleeAction;
        for (int32_t skill = 0; skill <= 13; ++skill) {
            int32_t hits = 0;
            for (int roll = 0; roll < 36; ++roll) {
                archer.x = 70;
                archer.meleeSkill = archer.missileSkill = skill;
                hesk.hitPoints = 30;
                Arm(archer, hesk, melee ? OrderCode::MeleeOnce : OrderCode::MissileOnce, 1);
                ScopedRandom dice({roll / 6, roll % 6, 0});
                attack(battle, archer);
                hits += hesk.hitPoints < 30;
                dice.values.clear();
            }
            const AttackOdds odds = AttackOdds::Of(archer, hesk, melee);
            EXPECT_EQ(AttackOdds::HitRolls(skill), hits) << "skill " << skill;
            EXPECT_EQ(odds.hitPercent, static_cast<int32_t>(hits * 100.0 / 36.0 + 0.5));
            EXPECT_EQ(odds.damageSides, melee ? 6 : 4);
        }
    }
    archer.missileSkill = 7;
    EXPECT_EQ(InfoStrip::OddsLine(0, archer, hesk, false), "Hit 58 %   Damage 1-4");
}

// A strike out of reach lands after the walk and the blow's eight actions, counted as the
// rules play it; a shot after 24. A target with 2 hit points falls to a d6 in 7/6 hits.
TEST_F(Insight, ActionsUntilTheAttackLandsAndHitsToKill) {
    archer.x = 20; // 60 pixels off
    const AttackOdds blow = AttackOdds::Of(archer, hesk, true);
    Arm(archer, hesk, OrderCode::ApproachMeleeOnce, 0);
    ScopedRandom dice({5, 5});
    int32_t actions = 0;
    while (battle.messages.empty() && actions < 200) {
        DispatchPhase(battle, 1); // both act in every phase
        ++actions;
    }
    EXPECT_EQ(blow.actions, actions);
    EXPECT_EQ(AttackOdds::Of(archer, hesk, false).actions, 24);
    EXPECT_DOUBLE_EQ(AttackOdds::MeanHitsToKill(2, 6), 7.0 / 6.0);
    EXPECT_DOUBLE_EQ(AttackOdds::MeanHitsToKill(1, 4), 1.0);
    hesk.hitPoints = 2;
    EXPECT_EQ(InfoStrip::OddsLine(2, archer, hesk, true), "Falls after 1.2 hits on average");
}

TEST_F(Insight, WhatAFighterDoesInWords) {
    const std::tuple<OrderCode, int32_t, const char*> rows[] = {
        {OrderCode::None, 0, "Waiting for an order"},
        {OrderCode::Hold, 0, "Holding"},
        {OrderCode::Move, 0, "Walking"},
        {OrderCode::MeleeOnce, 1, "Striking at Hesk, 1 action to go"},
        {OrderCode::MissileRepeat, 12, "Shooting at Hesk until dead, 12 actions to go"},
        {OrderCode::ApproachMeleeRepeat, 0,
         "Walking to strike at Hesk until dead, 25 actions to go"},
    };
    for (const auto& [order, countdown, words] : rows) {
        Arm(archer, hesk, order, countdown);
        EXPECT_EQ(InfoStrip::Activity(archer), words);
    }
}

// The card follows the pointer onto any living fighter; the odds need Strike or Shoot
// picked by the waiting fighter and the pointer on an enemy.
TEST_F(Insight, CardUnderThePointerAndOddsOnAnEnemy) {
    hesk.hitPoints = 17;
    engine.input->mouseX = 85;
    engine.input->mouseY = 55;
    LogView log;
    InfoStrip::Draw(battle, log, 63);
    EXPECT_TRUE(Shows("Hesk") && Shows("17/30") && Shows("Win chance 63 %"));
    EXPECT_FALSE(Shows("Hit 58 %   Damage 1-4"));

    Ask(archer);
    battle.interface->command = 5;
    InfoStrip::Draw(battle, log, -1);
    EXPECT_TRUE(Shows("Hit 58 %   Damage 1-4") && Shows("Lands in 24 actions"));

    font->texts.clear();
    hesk.dead = true;
    InfoStrip::Draw(battle, log, -1);
    EXPECT_TRUE(Drawn().empty());
    font->texts.clear();
    engine.input->mouseX = 45; // on the archer herself: a card, no odds
    InfoStrip::Draw(battle, log, -1);
    EXPECT_TRUE(Shows("Ana") && !Shows("Lands in 24 actions"));
}

// Scrolled by pages or the wheel over the log, the box shows older lines, never past the
// oldest nor below the newest; End or a new line brings the newest back.
TEST_F(Insight, TheWholeLogScrollsBetweenItsEnds) {
    battle.insight = std::make_unique<BattleInsight>();
    for (int n = 1; n <= 20; ++n) {
        AddMessage(battle, "Line " + std::to_string(n));
    }
    const auto frame = [&](std::vector<int32_t> keys, int32_t wheel = 0) {
        engine.input->keysPressed = std::move(keys);
        engine.input->wheel = wheel;
        battle.insight->Frame(battle);
        font->texts.clear();
        DrawMessages(battle);
        return Drawn().front() + " to " + Drawn().back();
    };
    EXPECT_EQ(frame({}), "Line 14 to Line 20");
    EXPECT_EQ(frame({InputSystem::kPageUp}), "Line 7 to Line 13");
    EXPECT_EQ(frame({InputSystem::kPageUp, InputSystem::kPageUp}), "Line 1 to Line 7");
    EXPECT_EQ(frame({InputSystem::kPageDown}), "Line 8 to Line 14");
    engine.input->mouseX = engine.input->mouseY = 300; // on the log
    EXPECT_EQ(frame({}, -2), "Line 10 to Line 16");
    EXPECT_EQ(frame({InputSystem::kEnd}), "Line 14 to Line 20");
    EXPECT_EQ(frame({InputSystem::kPageDown}), "Line 14 to Line 20");
    frame({InputSystem::kPageUp});
    AddMessage(battle, "Line 21");
    EXPECT_EQ(frame({}), "Line 15 to Line 21");
}

// A battle already decided is won or lost for certain; one still open is measured the
// same way every time, on the worker too, and forgotten when a new battle starts.
TEST_F(Insight, WinChanceOfADecidedBattleAndOfAnOpenOne) {
    BattleSnapshot state = BattleSnapshot::Capture(battle);
    for (const auto& [fallen, percent] : {std::pair{&hesk, 100}, std::pair{&archer, 0}}) {
        fallen->dead = true;
        EXPECT_EQ(WinChance::Measure(BattleSnapshot::Capture(battle), 10), percent);
        fallen->dead = false;
    }
    const int32_t open = WinChance::Measure(state, 100);
    EXPECT_GT(open, 0);
    EXPECT_LT(open, 100);

    WinChance worker(100);
    worker.Hold(true); // paused: nothing is played until the game goes on
    const uint64_t offer = worker.Offer(state);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(worker.Latest().percent, -1);
    worker.Hold(false);
    for (int wait = 0; wait < 2000 && worker.Latest().offer != offer; ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(worker.Latest().percent, open);
    worker.Forget();
    EXPECT_EQ(worker.Latest().percent, -1);
}

// The table at the end: the outcome and the length, each fighter's counts with its hits
// out of its attacks; Tab hides it and shows it again.
TEST_F(Insight, TheDebriefingAndTab) {
    battle.insight = std::make_unique<BattleInsight>();
    battle.outcome = BattleOutcome::Victory;
    battle.turn = 12;
    battle.counts.fighters = {{1, 7, 0, 5, 2}};
    battle.insight->DrawResting(battle);
    for (const char* text :
         {"Victory! after 12 turns", "Kills", "Dealt", "Taken", "Hits", "2/5", "7", "0/0"}) {
        EXPECT_TRUE(Shows(text)) << text;
    }
    engine.input->keysPressed = {InputSystem::kTab};
    EXPECT_TRUE(battle.insight->RestingKeys(battle));
    font->texts.clear();
    battle.insight->DrawResting(battle);
    EXPECT_FALSE(Shows("Kills"));
    EXPECT_TRUE(battle.insight->RestingKeys(battle));
    EXPECT_TRUE(battle.insight->DebriefingShown());
}
