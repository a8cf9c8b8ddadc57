#include "tests/battle/BattleFixture.h"

#include <vector>

namespace {

using BattleDrawing = BattleFixture;

// A cell of the tile sheet, shaded alike in all three colours; the bars (column 240) are
// one pixel high and as wide as their share of the full length.
void ExpectDraw(const RecordingVideo::Draw& draw, float sourceX, float sourceY, int32_t x,
                int32_t y, float width = 16.0f, float shade = 1.0f) {
    EXPECT_TRUE(draw.region);
    EXPECT_EQ(sourceX, draw.sourceX);
    EXPECT_EQ(sourceY, draw.sourceY);
    EXPECT_FLOAT_EQ(width, draw.sourceWidth);
    EXPECT_EQ(sourceX == 240.0f ? 1.0f : 16.0f, draw.sourceHeight);
    EXPECT_EQ(x, draw.x);
    EXPECT_EQ(y, draw.y);
    EXPECT_FLOAT_EQ(shade, draw.red);
    EXPECT_FLOAT_EQ(shade, draw.blue);
    EXPECT_FLOAT_EQ(1.0f, draw.alpha);
}

// The ground goes down column by column, the background over it, then the fighters in
// list order. The player's side shows health and countdown, the computer's health only, any other
// team nothing. The dead are darkened and barless, even with a countdown left from the attack they
// died preparing; a bar without a full length (health 0 in the file, a countdown that lost its
// start) is left out rather than drawn infinitely wide.
TEST_F(BattleDrawing, TheFieldThenTheFightersWithTheirSidesBars) {
    Fighter& ann = Add("Ann", 1, 3, 40.7f, 60.2f); // positions are cut, not rounded
    Fighter& orc = Add("Orc", 2, 3, 120.0f, 30.0f);
    Add("Ghost", 3, 3);
    Fighter& cid = Add("Cid", 1, 3, 10.0f, 20.0f);
    Fighter& ogre = Add("Ogre", 2, 3, 30.0f, 20.0f);
    Fighter& empty = Add("Empty", 1, 3, 200.0f, 200.0f);
    for (Fighter* fighter : {&ann, &orc, &cid, &ogre, &empty}) {
        fighter->order = OrderCode::MeleeRepeat;
        fighter->countdown = 6;
        fighter->countdownStart = 8;
    }
    ann.hitPoints = 20;
    orc.hitPoints = 15;
    cid.dead = ogre.dead = true;
    cid.hitPoints = ogre.hitPoints = empty.hitPoints = empty.maxHitPoints = 0;
    empty.countdownStart = 0;
    ASSERT_TRUE(Frame());

    const auto& all = engine.video->draws;
    ASSERT_GE(all.size(), 257u);
    for (int column = 0; column < 16; ++column) {
        for (int row = 0; row < 16; ++row) {
            SCOPED_TRACE(testing::Message() << "column " << column << " row " << row);
            ExpectDraw(all[static_cast<std::size_t>(column * 16 + row)], 0.0f, 16.0f,
                       8 + 16 * column, 8 + 16 * row);
        }
    }
    EXPECT_FALSE(all[256].region);
    EXPECT_EQ(kBackgroundId, all[256].texture);
    EXPECT_EQ(0, all[256].x);
    EXPECT_EQ(0, all[256].y);

    std::vector<RecordingVideo::Draw> draws; // leaving out the panels' icons
    for (auto it = all.begin() + 257; it != all.end(); ++it) {
        if (it->sourceY != 240.0f || it->sourceX == 240.0f) {
            draws.push_back(*it);
        }
    }
    ASSERT_EQ(8u, draws.size());
    ExpectDraw(draws[0], 0.0f, 0.0f, 40, 60);
    ExpectDraw(draws[1], 240.0f, 254.0f, 40, 75, 16.0f * 20.0f / 30.0f);
    ExpectDraw(draws[2], 240.0f, 240.0f, 40, 60, 12.0f);
    ExpectDraw(draws[3], 80.0f, 0.0f, 120, 30);
    ExpectDraw(draws[4], 240.0f, 254.0f, 120, 45, 8.0f);
    ExpectDraw(draws[5], 0.0f, 0.0f, 10, 20, 16.0f, 0.1f);
    ExpectDraw(draws[6], 80.0f, 0.0f, 30, 20, 16.0f, 0.1f);
    ExpectDraw(draws[7], 0.0f, 0.0f, 200, 200);
}

} // namespace
