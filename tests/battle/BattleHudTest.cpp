#include "tests/battle/BattleFixture.h"

#include <string>
#include <vector>

namespace {

class BattleHud : public BattleFixture {
protected:
    const RecordingFont::Text* FindText(const std::string& text) const {
        for (const auto& drawn : font->texts) {
            if (drawn.text == text) {
                return &drawn;
            }
        }
        return nullptr;
    }
    std::vector<RecordingFont::Text> TextsAt(int32_t x, int32_t y) const {
        std::vector<RecordingFont::Text> found;
        for (const auto& drawn : font->texts) {
            if (drawn.x == x && drawn.y == y) {
                found.push_back(drawn);
            }
        }
        return found;
    }
    void ExpectTextAt(const std::string& text, int32_t x, int32_t y) const {
        const auto* drawn = FindText(text);
        ASSERT_NE(nullptr, drawn) << '"' << text << "\" not drawn";
        EXPECT_EQ(x, drawn->x) << text;
        EXPECT_EQ(y, drawn->y) << text;
    }
    // Numbers on the field, told apart from the panels' values by where they stand.
    void ExpectLabelAt(const std::string& label, int32_t x, int32_t y) const {
        const auto found = TextsAt(x, y);
        ASSERT_EQ(1u, found.size()) << "label " << label;
        EXPECT_EQ(label, found[0].text);
        EXPECT_FLOAT_EQ(1.0f, found[0].red);
        EXPECT_FLOAT_EQ(1.0f, found[0].blue);
    }
};

TEST_F(BattleHud, PanelsAndNumbersFollowThePlayersFightersInListOrder) {
    Add("Ann", 1, 3, 20.0f, 20.0f);
    Add("Bea", 1, 3, 40.5f, 20.9f);
    Add("Orc", 2, 3, 200.0f, 20.0f);
    Add("Ogre", 2, 3, 220.0f, 20.0f);
    Add("Cat", 1, 3, 60.0f, 40.0f);
    Add("Dan", 1, 3, 80.0f, 40.0f);
    Add("Eve", 1, 3, 100.0f, 40.0f);
    ASSERT_TRUE(Frame());

    ExpectTextAt("Ann", 272, 8);
    ExpectTextAt("Bea", 372, 8);
    ExpectTextAt("Cat", 272, 64);
    ExpectTextAt("Dan", 372, 64);
    EXPECT_EQ(nullptr, FindText("Eve")) << "a fifth player fighter has no panel";
    EXPECT_EQ(nullptr, FindText("Orc"));

    // "1" sits two pixels further right than the other numbers; sums are cut, not rounded.
    ExpectLabelAt("1", 30, 24);
    ExpectLabelAt("2", 48, 24);
    ExpectLabelAt("3", 68, 44);
    ExpectLabelAt("4", 88, 44);
    EXPECT_TRUE(TextsAt(108, 44).empty()) << "and no number";
}

TEST_F(BattleHud, APanelShowsTheNameAndFourValuesBesideTheirIcons) {
    Fighter& ann = Add("Ann", 1, 12);
    ann.hitPoints = 7;
    ann.missileSkill = -5;
    ann.meleeSkill = 100;
    ASSERT_TRUE(Frame());

    ExpectTextAt("Ann", 272, 8);
    ExpectTextAt("7", 290, 24);
    ExpectTextAt("-5", 340, 24);
    ExpectTextAt("12", 290, 41);
    ExpectTextAt("100", 340, 41);

    struct Icon {
        float sourceX;
        int32_t x, y;
    };
    for (const Icon icon :
         {Icon{48.0f, 272, 24}, Icon{32.0f, 322, 24}, Icon{16.0f, 272, 41}, Icon{0.0f, 322, 41}}) {
        const auto* drawn = FindRegionDraw(icon.sourceX, 240.0f);
        ASSERT_NE(nullptr, drawn) << "icon " << icon.sourceX;
        EXPECT_EQ(icon.x, drawn->x);
        EXPECT_EQ(icon.y, drawn->y);
        EXPECT_EQ(16.0f, drawn->sourceWidth);
        EXPECT_EQ(16.0f, drawn->sourceHeight);
    }
}

TEST_F(BattleHud, TheDeadKeepTheirPanelAndNumberWithNoHitPointsLeft) {
    Fighter& ann = Add("Ann", 1, 3, 20.0f, 20.0f);
    ann.dead = true;
    ann.hitPoints = 0;
    Add("Bea", 1, 3, 40.0f, 20.0f);
    ASSERT_TRUE(Frame());

    ExpectTextAt("Ann", 272, 8);
    ASSERT_EQ(1u, TextsAt(290, 24).size());
    EXPECT_EQ("0", TextsAt(290, 24)[0].text);
    ExpectLabelAt("1", 30, 24);
    ExpectTextAt("Bea", 372, 8); // the dead still count for the places
    ExpectLabelAt("2", 48, 24);
}

TEST_F(BattleHud, OnlyThePanelOfTheFighterBeingAskedIsGreen) {
    Add("Ann", 1, 3, 20.0f, 20.0f);
    Fighter& bea = Add("Bea", 1, 3, 40.0f, 20.0f);
    battle.decisionQueue.push_back(&bea);
    battle.awaitingOrder = true;
    ASSERT_TRUE(Frame());

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
    for (const auto& draw : engine.video->draws) {
        if (draw.sourceY == 240.0f) {
            EXPECT_FLOAT_EQ(1.0f, draw.red) << "icons stay white";
        }
    }
}

} // namespace
