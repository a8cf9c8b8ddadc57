#include "scenarios/BattleChooser.h"
#include "engine/InputSystem.h"

#include <gtest/gtest.h>

#include <tuple>

using Action = BattleChooser::Action;

// Fifteen rows, eleven shown: the keys move the pick, stop at the ends and scroll the
// list so that the pick stays in view.
TEST(BattleChooser, KeysMoveThePickWithinTheListAndScrollIt) {
    BattleChooser chooser(15, 13);
    EXPECT_EQ(chooser.First(), 3) << "the pick the chooser opens on is in view";
    const std::tuple<int32_t, Action, int32_t, int32_t> steps[] = {
        {InputSystem::kDown, Action::None, 14, 4},   {InputSystem::kDown, Action::None, 14, 4},
        {InputSystem::kUp, Action::None, 13, 4},     {'x', Action::None, 13, 4},
        {InputSystem::kEnter, Action::Start, 13, 4}, {InputSystem::kEscape, Action::Back, 13, 4},
    };
    for (const auto& [key, action, picked, first] : steps) {
        EXPECT_EQ(chooser.Key(key), action) << key;
        EXPECT_EQ(chooser.Picked(), picked) << key;
        EXPECT_EQ(chooser.First(), first) << key;
    }
    for (int i = 0; i < 20; ++i) {
        chooser.Key(InputSystem::kUp);
    }
    EXPECT_EQ(chooser.Picked() + chooser.First(), 0) << "the top row, scrolled back to";
}

TEST(BattleChooser, ThePointerPicksWhereItMovesAndAClickOnOneRowStartsIt) {
    const int32_t x = 300;
    const auto middleOf = [](int32_t row) {
        return BattleChooser::kTop + row * BattleChooser::kRowHeight + 10;
    };
    BattleChooser chooser(5, 0, x, middleOf(2), false);
    EXPECT_EQ(chooser.Pointer(x, middleOf(2), false), Action::None);
    EXPECT_EQ(chooser.Picked(), 0) << "a pointer at rest where the chooser opened picks nothing";
    chooser.Pointer(x, middleOf(3), false);
    EXPECT_EQ(chooser.Picked(), 3);
    chooser.Key(InputSystem::kUp);
    chooser.Pointer(x, middleOf(3), false);
    EXPECT_EQ(chooser.Picked(), 2) << "the keys' pick stands while the pointer rests";

    EXPECT_EQ(chooser.Pointer(x, middleOf(1), true), Action::None);
    EXPECT_EQ(chooser.Pointer(x, middleOf(4), false), Action::None) << "released elsewhere";
    EXPECT_EQ(chooser.Pointer(x, middleOf(4), true), Action::None);
    EXPECT_EQ(chooser.Pointer(x, middleOf(4), false), Action::Start);
    EXPECT_EQ(chooser.Picked(), 4);
    EXPECT_EQ(chooser.RowAt(x, middleOf(5)), -1) << "below the last row";
}
