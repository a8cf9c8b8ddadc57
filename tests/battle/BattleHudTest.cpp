#include "rules/CombatLog.h"
#include "tests/battle/BattleFixture.h"

#include <string>

namespace {

class BattleHud : public BattleFixture {
protected:
    // The texts drawn at one place, joined by '|'.
    std::string TextAt(int32_t x, int32_t y) const {
        std::string found;
        for (const auto& drawn : font->texts) {
            if (drawn.x == x && drawn.y == y) {
                found += (found.empty() ? "" : "|") + drawn.text;
            }
        }
        return found;
    }
};

// The log comes first: the newest seven lines, oldest at the top, 15 pixels apart under
// the field. Panel places count the player's fighters only, dead or alive: list places 1,
// 2, 5 and 6 get panels and numbers 1 to 4, and a fifth gets neither.
TEST_F(BattleHud, TheLogThenPanelsAndNumbersForThePlayersFirstFourFighters) {
    Fighter& ann = Add("Ann", 1, 3, 20.0f, 20.0f);
    ann.dead = true;
    ann.hitPoints = 0;
    Add("Bea", 1, 3, 40.5f, 20.9f);
    Add("Orc", 2, 3, 200.0f, 20.0f);
    Add("Ogre", 2, 3, 220.0f, 20.0f);
    Add("Cat", 1, 3, 60.0f, 40.0f);
    Add("Dan", 1, 3, 80.0f, 40.0f);
    Add("Eve", 1, 3, 100.0f, 40.0f);
    for (int n = 1; n <= 8; ++n) {
        AddMessage(battle, "line " + std::to_string(n));
    }
    ASSERT_TRUE(Frame());

    ASSERT_EQ(7u + 4u * 5u + 4u, font->texts.size()) << "the log, four panels and numbers";
    for (int i = 0; i < 7; ++i) {
        const auto& text = font->texts[static_cast<std::size_t>(i)];
        EXPECT_EQ("line " + std::to_string(i + 2), text.text);
        EXPECT_EQ(9, text.x);
        EXPECT_EQ(271 + 15 * i, text.y);
        EXPECT_FLOAT_EQ(1.0f, text.red * text.green * text.blue);
    }
    EXPECT_EQ(7u, battle.messages.size()) << "drawing does not use the lines up";

    EXPECT_EQ("Ann", TextAt(272, 8));
    EXPECT_EQ("0", TextAt(290, 24)) << "the dead keep their panel, with no hit points left";
    EXPECT_EQ("Bea", TextAt(372, 8));
    EXPECT_EQ("Cat", TextAt(272, 64));
    EXPECT_EQ("Dan", TextAt(372, 64));

    // "1" sits two pixels further right than the other numbers; sums are cut, not rounded.
    EXPECT_EQ("1", TextAt(30, 24));
    EXPECT_EQ("2", TextAt(48, 24));
    EXPECT_EQ("3", TextAt(68, 44));
    EXPECT_EQ("4", TextAt(88, 44));
}

// A panel is the name over four values beside their icons; the panel of the fighter being
// asked turns green, its icons and every other panel stay white.
TEST_F(BattleHud, APanelShowsFourValuesAndTheOneBeingAskedIsGreen) {
    Fighter& ann = Add("Ann", 1, 12);
    ann.hitPoints = 7;
    ann.missileSkill = -5;
    ann.meleeSkill = 100;
    Fighter& bea = Add("Bea", 1, 3);
    battle.decisionQueue.push_back(&bea);
    battle.awaitingOrder = true;
    ASSERT_TRUE(Frame());

    EXPECT_EQ("Ann", TextAt(272, 8));
    EXPECT_EQ("7", TextAt(290, 24));
    EXPECT_EQ("-5", TextAt(340, 24));
    EXPECT_EQ("12", TextAt(290, 41));
    EXPECT_EQ("100", TextAt(340, 41));

    int greenTexts = 0;
    for (const auto& drawn : font->texts) {
        const bool beasPanel = drawn.x >= 372 && drawn.y < 64;
        SCOPED_TRACE(drawn.text);
        EXPECT_FLOAT_EQ(beasPanel ? 0.0f : 1.0f, drawn.red);
        EXPECT_FLOAT_EQ(1.0f, drawn.green);
        EXPECT_FLOAT_EQ(beasPanel ? 0.0f : 1.0f, drawn.blue);
        greenTexts += beasPanel ? 1 : 0;
    }
    EXPECT_EQ(5, greenTexts) << "the name and four values";

    struct Icon {
        float sourceX;
        int32_t x, y;
    };
    for (const Icon icon :
         {Icon{48.0f, 272, 24}, Icon{32.0f, 322, 24}, Icon{16.0f, 272, 41}, Icon{0.0f, 322, 41}}) {
        const auto drawn = CellDraws(icon.sourceX, 240.0f);
        ASSERT_EQ(2u, drawn.size()) << "icon " << icon.sourceX;
        EXPECT_EQ(icon.x, drawn[0].x);
        EXPECT_EQ(icon.y, drawn[0].y);
        EXPECT_EQ(16.0f, drawn[0].sourceWidth);
        EXPECT_FLOAT_EQ(1.0f, drawn[1].red) << "icons stay white";
    }
}

} // namespace
