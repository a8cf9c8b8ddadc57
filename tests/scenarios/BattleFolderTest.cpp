#include "battle/BattleState.h"
#include "engine/GameError.h"
#include "engine/StateMachine.h"
#include "options/OptionsFile.h"
#include "platform/PathResolver.h"
#include "scenarios/BattleCatalog.h"
#include "scenarios/ChooserState.h"
#include "tests/support/HandBuiltBattle.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

std::string Thrown(const std::function<void()>& run) {
    try {
        run();
    } catch (const GameError& error) {
        return error.what();
    }
    return "";
}

} // namespace

TEST(BattleFolder, ReadsTitleLineAndGroundAndNamesTheFileItRefuses) {
    TempDir dir;
    dir.Write("battles/Ridge/BATTLE.CFG", "title = On the Ridge\nabout = Hold it\nground = snow\n");
    dir.Write("battles/bare/battle.cfg", "about = 1066\n");
    dir.Write("battles/hot/battle.cfg", "ground = lava\n");
    PathResolver::ClearCache();

    const BattleFolder ridge = BattleFolder::Read("battles/Ridge/");
    EXPECT_EQ(ridge.name, "Ridge");
    EXPECT_EQ(ridge.title + "|" + ridge.about + "|" + ridge.ground, "On the Ridge|Hold it|snow");
    // No title: the folder's name; a line the reader takes for a number is no text.
    const BattleFolder bare = BattleFolder::Read("battles/bare");
    EXPECT_EQ(bare.title + "|" + bare.about + "|" + bare.ground, "bare||");
    EXPECT_EQ(Thrown([] { BattleFolder::Read("battles/hot"); }),
              "Bad ground \"lava\" in battles/hot/battle.cfg (must be grass, sand or snow)");
    EXPECT_EQ(Thrown([] { BattleFolder::Read("battles/none"); }),
              "Could not open battles/none/battle.cfg");
}

TEST(BattleCatalog, ThePlayersBattleWinsOverTheShippedOneOfTheSameName) {
    TempDir dir;
    dir.Write("shipped/ridge/battle.cfg", "title = Shipped ridge\n");
    dir.Write("shipped/ford/battle.cfg", "title = Ford\n");
    dir.Write("shipped/broken/nothing.txt", "");
    dir.Write("mine/ridge/battle.cfg", "title = My ridge\n");
    dir.Write("mine/gate/battle.cfg", "title = Gate\n");
    dir.Write("mine/hot/battle.cfg", "ground = lava\n");
    PathResolver::ClearCache();
    const std::vector<std::string> roots = {"shipped", "mine"};

    std::string listed;
    for (const BattleFolder& battle : BattleCatalog::List(roots)) {
        listed += battle.name + "=" + battle.title + " (" + battle.folder + ") ";
    }
    EXPECT_EQ(listed, "ford=Ford (shipped/ford) gate=Gate (mine/gate) "
                      "ridge=My ridge (mine/ridge) ");
    EXPECT_EQ(BattleCatalog::Find("ridge", roots).title, "My ridge");
    EXPECT_EQ(BattleCatalog::Find("ford", roots).title, "Ford");
    EXPECT_EQ(BattleCatalog::Find(dir.path() + "/shipped/ridge", roots).title, "Shipped ridge");
    EXPECT_EQ(Thrown([&] { BattleCatalog::Find("moor", roots); }),
              "Could not open mine/moor/battle.cfg");
}

// The battle reads its fighters from the folder it is given and lays the ground that
// folder asks for from its own sheet; given none, the tile sheet's ground as always.
class BattleGround : public HandBuiltBattle {};

TEST_F(BattleGround, ComesFromTheChosenSheetOrTheTileSheet) {
    TempDir dir;
    for (int n = 1; n <= 8; ++n) {
        dir.Write("battles/dunes/NPCs/fighter" + std::to_string(n) + ".cfg",
                  "name = Dune" + std::to_string(n) + "\nteam = " + (n < 5 ? "1" : "2") +
                      "\nspeed = 6\nhealth = 5\nposx = 40\nposy = " + std::to_string(n * 24) +
                      "\n");
    }
    PathResolver::ClearCache();
    battle.battle.folder = "battles/dunes";
    battle.battle.ground = "sand";
    battle.Restart();
    EXPECT_EQ(battle.fighters.at(6)->name, "Dune7");
    ASSERT_EQ(engine.video->loaded, std::vector<std::string>{"images\\ground_sand.tga"});

    const auto groundCells = [&](uint32_t texture) {
        engine.video->draws.clear();
        battle.grounds.Draw(battle.battle.ground);
        int cells = 0, variants = 0;
        for (const auto& draw : engine.video->draws) {
            cells += draw.texture == texture;
            variants |= 1 << static_cast<int>(draw.sourceX / 16.0f);
        }
        return std::make_pair(cells, variants);
    };
    EXPECT_EQ(groundCells(1), std::make_pair(256, 0b1111)) << "every cell, all four looks";
    battle.battle.ground.clear();
    EXPECT_FALSE(battle.grounds.Draw(battle.battle.ground));
    battle.battle.ground = "sand";
    battle.Restart(); // a sheet is loaded once
    EXPECT_EQ(engine.video->loaded.size(), 1u);
}

// B opens the chooser while a fighter of team 1 waits for its order and once the battle
// is over; never while the computer's fighter decides.
class ChooserKey : public HandBuiltBattle {};

TEST_F(ChooserKey, OpensOnlyWhileThePlayerWaitsOrAtTheEnd) {
    TempDir dir;
    StateMachine machine([] { return nullptr; });
    gStateMachine = &machine;
    Fighter& leader = Add("Leader", 40, 40, 1);
    Fighter& foe = Add("Foe", 200, 40);
    engine.input->keysPressed = {'b'};
    Ask(foe);
    EXPECT_FALSE(ChooserState::OpenIfAsked(battle));
    battle.outcome = BattleOutcome::Victory;
    EXPECT_TRUE(ChooserState::OpenIfAsked(battle));
    EXPECT_EQ(machine.currentId, ChooserState::kId);
    battle.outcome = BattleOutcome::Undecided;
    Ask(leader);
    engine.input->keysPressed = {'v'};
    EXPECT_FALSE(ChooserState::OpenIfAsked(battle));
    engine.input->keysPressed = {'b'};
    EXPECT_TRUE(ChooserState::OpenIfAsked(battle));

    // D, then a click on the difficulty line, switch it for every battle and the next start.
    engine.input->mouseX = 600;
    engine.input->mouseY = 20;
    const std::string after[] = {"hard", "hard", "normal"}; // D, the button down, up
    for (int32_t frame = 0; frame < 3; ++frame) {
        engine.input->keysPressed.assign(frame == 0, 'd');
        engine.input->leftButton = frame == 1;
        machine.states[ChooserState::kId]->Update();
        EXPECT_EQ(OptionsFile::Load().difficulty, after[frame]) << frame;
    }
    gStateMachine = nullptr;
}
