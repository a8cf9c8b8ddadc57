#include "rules/CombatLog.h"

#include "tests/battle/BattleFixture.h"

#include <string>

namespace {

using CombatLog = BattleFixture;

TEST_F(CombatLog, KeepsTheNewestSevenLinesOldestFirst) {
    for (int n = 1; n <= 7; ++n) {
        AddMessage(battle, "line " + std::to_string(n));
    }
    ASSERT_EQ(7u, battle.messages.size());
    EXPECT_EQ("line 1", battle.messages.front());

    AddMessage(battle, "line 8");
    ASSERT_EQ(7u, battle.messages.size());
    EXPECT_EQ("line 2", battle.messages.front());
    EXPECT_EQ("line 8", battle.messages.back());
}

TEST_F(CombatLog, LinesStandFifteenPixelsApartUnderTheField) {
    for (int n = 1; n <= 8; ++n) {
        AddMessage(battle, "line " + std::to_string(n));
    }
    DrawMessages(battle);

    ASSERT_EQ(7u, font->texts.size());
    for (int i = 0; i < 7; ++i) {
        const auto& text = font->texts[static_cast<std::size_t>(i)];
        EXPECT_EQ("line " + std::to_string(i + 2), text.text);
        EXPECT_EQ(9, text.x);
        EXPECT_EQ(271 + 15 * i, text.y);
        EXPECT_FLOAT_EQ(1.0f, text.red);
        EXPECT_FLOAT_EQ(1.0f, text.green);
        EXPECT_FLOAT_EQ(1.0f, text.blue);
    }
    EXPECT_EQ(361, font->texts.back().y) << "the newest at the bottom";
}

TEST_F(CombatLog, IsDrawnBeforeThePanelsInEveryFrame) {
    Add("Ann", 1, 3);
    AddMessage(battle, "Ann is blocked.");
    ASSERT_TRUE(Frame());
    ASSERT_FALSE(font->texts.empty());
    EXPECT_EQ("Ann is blocked.", font->texts[0].text);
    EXPECT_EQ(271, font->texts[0].y);

    // Drawing does not use the lines up.
    ASSERT_TRUE(Frame());
    EXPECT_EQ("Ann is blocked.", font->texts[0].text);
}

} // namespace
