#include "tests/battle/BattleFixture.h"

#include <vector>

namespace {

class BattleDrawing : public BattleFixture {
protected:
    static constexpr std::size_t kFieldDraws = 257; // 256 ground tiles and the background

    // Draws made after the ground and the background, in order.
    std::vector<RecordingVideo::Draw> FighterDraws() const {
        const auto& draws = engine.video->draws;
        EXPECT_GE(draws.size(), kFieldDraws);
        return {draws.begin() + static_cast<std::ptrdiff_t>(kFieldDraws), draws.end()};
    }
};

void ExpectCell(const RecordingVideo::Draw& draw, float sourceX, float sourceY, int32_t x,
                int32_t y, float shade = 1.0f) {
    EXPECT_TRUE(draw.region);
    EXPECT_EQ(sourceX, draw.sourceX);
    EXPECT_EQ(sourceY, draw.sourceY);
    EXPECT_EQ(16.0f, draw.sourceWidth);
    EXPECT_EQ(16.0f, draw.sourceHeight);
    EXPECT_EQ(x, draw.x);
    EXPECT_EQ(y, draw.y);
    EXPECT_FLOAT_EQ(shade, draw.red);
    EXPECT_FLOAT_EQ(shade, draw.green);
    EXPECT_FLOAT_EQ(shade, draw.blue);
    EXPECT_FLOAT_EQ(1.0f, draw.alpha);
}

void ExpectBar(const RecordingVideo::Draw& draw, float sourceY, float width, int32_t x, int32_t y) {
    EXPECT_TRUE(draw.region);
    EXPECT_EQ(240.0f, draw.sourceX);
    EXPECT_EQ(sourceY, draw.sourceY);
    EXPECT_FLOAT_EQ(width, draw.sourceWidth);
    EXPECT_EQ(1.0f, draw.sourceHeight);
    EXPECT_EQ(x, draw.x);
    EXPECT_EQ(y, draw.y);
}

TEST_F(BattleDrawing, TheGroundIsLaidColumnByColumnThenCoveredByTheBackground) {
    ASSERT_TRUE(Frame());
    const auto& draws = engine.video->draws;
    ASSERT_EQ(kFieldDraws, draws.size());
    for (int column = 0; column < 16; ++column) {
        for (int row = 0; row < 16; ++row) {
            SCOPED_TRACE(testing::Message() << "column " << column << " row " << row);
            ExpectCell(draws[static_cast<std::size_t>(column * 16 + row)], 0.0f, 16.0f,
                       8 + 16 * column, 8 + 16 * row);
        }
    }
    const auto& background = draws.back();
    EXPECT_FALSE(background.region);
    EXPECT_EQ(kBackgroundId, background.texture);
    EXPECT_EQ(0, background.x);
    EXPECT_EQ(0, background.y);
    EXPECT_FLOAT_EQ(1.0f, background.red);
    EXPECT_FLOAT_EQ(1.0f, background.alpha);
}

TEST_F(BattleDrawing, APlayerFighterPreparingAnAttackShowsBothBars) {
    Fighter& ann = Add("Ann", 1, 3, 40.7f, 60.2f);
    ann.order = OrderCode::MeleeRepeat;
    ann.hitPoints = 20;
    ann.countdown = 6;
    ann.countdownStart = 8;
    ASSERT_TRUE(Frame());

    const auto draws = FighterDraws();
    ASSERT_GE(draws.size(), 3u);
    ExpectCell(draws[0], 0.0f, 0.0f, 40, 60);
    ExpectBar(draws[1], 254.0f, 16.0f * 20.0f / 30.0f, 40, 75);
    ExpectBar(draws[2], 240.0f, 12.0f, 40, 60);
}

TEST_F(BattleDrawing, TeamTwoShowsItsHealthButNeverItsCountdownAndOtherTeamsNothing) {
    Add("Ghost", 3, 3);
    Fighter& orc = Add("Orc", 2, 3, 120.0f, 30.0f);
    Add("Nobody", 0, 3);
    orc.order = OrderCode::MissileRepeat;
    orc.hitPoints = 15;
    orc.countdown = 10;
    orc.countdownStart = 24;
    ASSERT_TRUE(Frame());

    const auto draws = FighterDraws();
    ASSERT_EQ(2u, draws.size());
    ExpectCell(draws[0], 80.0f, 0.0f, 120, 30);
    ExpectBar(draws[1], 254.0f, 8.0f, 120, 45);
    EXPECT_TRUE(font->texts.empty()) << "no panel and no number for the computer's side";
}

TEST_F(BattleDrawing, TheDeadAreDarkenedAndHaveNoBars) {
    Fighter& ann = Add("Ann", 1, 3, 40.0f, 60.0f);
    ann.dead = true;
    ann.hitPoints = 0;
    ann.countdown = 3; // left over from the attack it died preparing
    ann.countdownStart = 8;
    Fighter& orc = Add("Orc", 2, 3, 120.0f, 30.0f);
    orc.dead = true;
    orc.hitPoints = 0;
    ASSERT_TRUE(Frame());

    std::vector<RecordingVideo::Draw> sprites;
    for (const auto& draw : FighterDraws()) {
        if (draw.sourceY == 0.0f) {
            sprites.push_back(draw);
        }
        EXPECT_NE(254.0f, draw.sourceY) << "a health bar";
        EXPECT_FALSE(draw.sourceX == 240.0f && draw.sourceY == 240.0f) << "a countdown bar";
    }
    ASSERT_EQ(2u, sprites.size());
    ExpectCell(sprites[0], 0.0f, 0.0f, 40, 60, 0.1f);
    ExpectCell(sprites[1], 80.0f, 0.0f, 120, 30, 0.1f);
}

// Health 0 in a file gives no full length, and a countdown can have lost its start.
TEST_F(BattleDrawing, ABarWithoutAFullLengthIsLeftOut) {
    Fighter& empty = Add("Empty", 1, 3, 40.0f, 60.0f);
    empty.hitPoints = 0;
    empty.maxHitPoints = 0;
    empty.countdown = 4;
    empty.countdownStart = 0;
    ASSERT_TRUE(Frame());
    for (const auto& draw : FighterDraws()) {
        EXPECT_NE(240.0f, draw.sourceX) << "no bar of either kind";
    }
}

} // namespace
