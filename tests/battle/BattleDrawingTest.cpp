#include "rules/CombatLog.h"
#include "tests/battle/BattleFixture.h"

namespace {

using BattleDrawing = BattleFixture;

// The texts drawn at one place, joined by '|'.
std::string TextAt(const RecordingFont& font, int32_t x, int32_t y) {
    std::string found;
    for (const auto& drawn : font.texts) {
        if (drawn.x == x && drawn.y == y) {
            found += (found.empty() ? "" : "|") + drawn.text;
        }
    }
    return found;
}

// One frame, worked through. The ground, the background over it, then the fighters in
// list order (positions cut, not rounded): the player's side with its health and countdown
// bars, the computer's with health only, any other team not at all; the dead darkened and
// barless; a bar without a full length left out. The log shows the newest seven lines, 15
// pixels apart. The player's first four fighters, dead or alive, get a panel (name and four
// values; green text for the one being asked) and a number on the field ("1" sits two
// pixels further right).
TEST_F(BattleDrawing, OneFrameOfTheBattle) {
    Fighter& ann = Add("Ann", 40.7f, 60.2f, 1, 3);
    Fighter& orc = Add("Orc", 120.0f, 30.0f, 2, 3);
    Add("Ghost", 100, 100, 3, 3);
    Fighter& cid = Add("Cid", 10.0f, 20.0f, 1, 3);
    Fighter& ogre = Add("Ogre", 30.0f, 20.0f, 2, 3);
    Fighter& empty = Add("Empty", 200.0f, 200.0f, 1, 3);
    Add("Dan", 80.5f, 40.9f, 1, 3);
    Add("Eve", 100.0f, 40.0f, 1, 3);
    for (Fighter* fighter : {&ann, &orc, &cid, &ogre, &empty}) {
        fighter->order = OrderCode::MeleeRepeat;
        fighter->countdown = 6;
        fighter->countdownStart = 8;
    }
    ann.hitPoints = 20;
    ann.missileSkill = -5;
    ann.meleeSkill = 100;
    orc.hitPoints = 15;
    cid.dead = ogre.dead = true;
    cid.hitPoints = ogre.hitPoints = empty.hitPoints = empty.maxHitPoints = 0;
    empty.countdownStart = 0;
    Ask(cid);
    for (int n = 1; n <= 8; ++n) {
        AddMessage(battle, "line " + std::to_string(n));
    }
    ASSERT_TRUE(Frame());

    // The 256 ground cells, the last at (248, 248), then the background over them.
    const auto& all = engine.video->draws;
    ASSERT_GE(all.size(), 257u);
    EXPECT_EQ((std::vector<float>{0, 16, 248, 248, kBackgroundId}),
              (std::vector<float>{all[255].sourceX, all[255].sourceY, float(all[255].x),
                                  float(all[255].y), float(all[256].texture)}));

    // Cell, place, width and shade of every fighter and bar; the panels' icons left out.
    std::vector<std::vector<float>> fighters;
    for (auto it = all.begin() + 257; it != all.end(); ++it) {
        if (it->sourceY != 240.0f || it->sourceX == 240.0f) {
            fighters.push_back({it->sourceX, it->sourceY, float(it->x), float(it->y),
                                it->sourceWidth, it->sourceHeight, it->red * it->blue});
        }
    }
    EXPECT_EQ(fighters, (std::vector<std::vector<float>>{
                            {0, 0, 40, 60, 16, 16, 1},
                            {240, 254, 40, 75, 16.0f * 20 / 30, 1, 1},
                            {240, 240, 40, 60, 12, 1, 1},
                            {80, 0, 120, 30, 16, 16, 1},
                            {240, 254, 120, 45, 8, 1, 1},
                            {0, 0, 10, 20, 16, 16, 0.1f * 0.1f},
                            {80, 0, 30, 20, 16, 16, 0.1f * 0.1f},
                            {0, 0, 200, 200, 16, 16, 1},
                            {0, 0, 80, 40, 16, 16, 1},
                            {240, 254, 80, 55, 16, 1, 1},
                            {0, 0, 100, 40, 16, 16, 1},
                            {240, 254, 100, 55, 16, 1, 1},
                            {0, 32, 2, 12, 32, 32, 1}, // the ring of the fighter asked
                        }));

    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(TextAt(*font, 9, 271 + 15 * i), "line " + std::to_string(i + 2));
    }
    const std::pair<std::string, std::vector<int32_t>> panels[] = {{"Ann|20|-5|3|100", {272, 8}},
                                                                   {"Cid|0|7|3|7", {372, 8}},
                                                                   {"Empty|0|7|3|7", {272, 64}},
                                                                   {"Dan|30|7|3|7", {372, 64}}};
    for (const auto& [values, at] : panels) {
        std::string shown = TextAt(*font, at[0], at[1]);
        for (auto [dx, dy] : {std::pair{18, 16}, {68, 16}, {18, 33}, {68, 33}}) {
            shown += "|" + TextAt(*font, at[0] + dx, at[1] + dy);
        }
        EXPECT_EQ(shown, values);
    }
    for (const auto& text : font->texts) {
        const bool asked = text.x >= 372 && text.y < 64;
        EXPECT_EQ((std::vector<float>{text.red, text.green, text.blue}),
                  (std::vector<float>{asked ? 0.0f : 1.0f, 1, asked ? 0.0f : 1.0f}))
            << text.text;
    }
    EXPECT_EQ(TextAt(*font, 50, 64), "1");
    EXPECT_EQ(TextAt(*font, 18, 24), "2");
    EXPECT_EQ(TextAt(*font, 208, 204), "3");
    EXPECT_EQ(TextAt(*font, 88, 44), "4");
    EXPECT_EQ(TextAt(*font, 108, 44), "") << "a fifth fighter of the player's has no number";
}

} // namespace
