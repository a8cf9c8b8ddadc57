#include "graphics/Font.h"
#include "graphics/TgaImage.h"
#include "tests/support/GameProcess.h"
#include "tests/support/TempDir.h"
#include "tests/support/X11Session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// Reads a text off the window as the game's font draws it: every pixel its glyphs cover
// fully must be bright (the strip's and the table's text is white or a side's light colour, over a
// dark shadow).
class ScreenText {
public:
    ScreenText(X11Session& x11, unsigned long window, const TempDir& dir)
        : x11_(x11), window_(window) {
        std::string sheetPath, failure;
        Font::ParseDescription(dir.Read("data/kestfont.txt"), sheetPath, font_.glyphWidth,
                               font_.glyphX);
        std::replace(sheetPath.begin(), sheetPath.end(), '\\', '/');
        TgaImage::Decode(dir.Read(sheetPath), sheet_, failure);
        font_.sheet.width = static_cast<float>(sheet_.width);
    }

    int32_t Width(const std::string& text) const { return font_.TextWidth(text); }

    bool Shows(const std::string& text, int32_t x, int32_t y) {
        int32_t pen = x;
        for (const char ch : text) {
            if (Font::HasGlyph(ch) && !GlyphShows(ch - 33, pen, y)) {
                return false;
            }
            pen += Width(std::string(1, ch));
        }
        return sheet_.pixels != nullptr;
    }

private:
    bool GlyphShows(int32_t glyph, int32_t x, int32_t y) {
        for (int32_t row = 0; row < Font::kGlyphHeight; ++row) {
            for (int32_t column = 0; column < font_.glyphWidth[glyph]; ++column) {
                const int32_t sheetRow = sheet_.height - 1 - (glyph * Font::kGlyphHeight + row);
                const std::size_t texel =
                    (std::size_t(sheetRow) * sheet_.width + font_.glyphX[glyph] + column) * 4;
                if (sheet_.pixels[texel + 3] > 240 &&
                    x11_.Brightness(window_, x + column, y + row, 1, 1) < 180.0) {
                    return false;
                }
            }
        }
        return true;
    }

    X11Session& x11_;
    unsigned long window_;
    Font font_;
    TgaImage sheet_;
};

} // namespace

// A player's look at the strip and the table: an archer of missile skill 7 waits with
// Shoot once picked and the pointer on the enemy, and the strip gives "Hit 58 %"; the
// pointer on the archer shows its name and hit points; the win chance shows while the
// battle runs and the debriefing's heads at its end, until Tab hides them.
TEST(Insight, TheStripAndTheDebriefingAsAPlayerSeesThem) {
    TempDir dir;
    dir.CopyFrom(VORNAK_GAME_DIR);
    dir.Edit("data/engine.cfg", "scale = 0", "scale = 1");
    const char* const fighters[8] = {
        "name = Archer\nteam = 1\nspeed = 12\nhealth = 8\nmissileskill = 7\nposx = 40\nposy = 120",
        "team = 1\nposx = 8\nposy = 8",
        "team = 1\nposx = 8\nposy = 248",
        "team = 1\nposx = 40\nposy = 248",
        "name = Raider\nteam = 2\nspeed = 1\nhealth = 1\nposx = 200\nposy = 120",
        "team = 1\nposx = 248\nposy = 8",
        "team = 1\nposx = 248\nposy = 248",
        "team = 1\nposx = 120\nposy = 8"};
    for (int i = 0; i < 8; ++i) {
        dir.Write("NPCs/fighter" + std::to_string(i + 1) + ".cfg", fighters[i]);
    }
    X11Session x11;
    GameProcess game(dir.path(), {}, {GameProcess::kNoLeakCheck});
    const unsigned long window = x11.FindWindow("Vornak", game.Pid(), 20.0);
    ASSERT_NE(window, 0u) << game.StandardError();
    ScreenText screen(x11, window, dir);

    x11.MoveTo(window, 48, 128);
    EXPECT_TRUE(Eventually(20.0, [&] {
        return screen.Shows("Archer", 12, 404) && screen.Shows("24/24", 30, 422);
    })) << "the card";
    EXPECT_FALSE(screen.Shows("23/24", 30, 422));
    EXPECT_TRUE(Eventually(10.0, [&] {
        for (int n = 0; n <= 100; ++n) {
            const std::string text = "Win chance " + std::to_string(n) + " %";
            if (screen.Shows(text, 630 - screen.Width(text), 385)) {
                return true;
            }
        }
        return false;
    }));

    x11.Key("5");
    x11.MoveTo(window, 208, 128);
    EXPECT_TRUE(Eventually(5.0, [&] { return screen.Shows("Hit 58 %", 340, 404); }));
    x11.Key("Escape");
    x11.Key("6");
    x11.Click(window, 208, 128);

    const auto heads = [&] {
        return screen.Shows("Kills", 114 - screen.Width("Kills"), 38) &&
               screen.Shows("Hits", 258 - screen.Width("Hits"), 38);
    };
    EXPECT_TRUE(Eventually(60.0, heads)) << "the debriefing at the end";
    x11.Key("Tab");
    EXPECT_TRUE(Eventually(5.0, [&] { return !heads(); })) << "Tab hides it";
    x11.RequestClose(window);
    EXPECT_TRUE(game.Wait(20.0));
}
