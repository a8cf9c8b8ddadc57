#include "options/ComfortControls.h"

#include "battle/TileSheet.h"
#include "tests/battle/BattleFixture.h"
#include "tests/support/TempDir.h"

#include <algorithm>
#include <tuple>

namespace {

// A battle in which nobody acts, so each frame at speed 1 steps one phase.
class Comfort : public BattleFixture {
protected:
    Comfort() : ally(Add("Ally", 100, 100, 1, 0)) { Add("Foe", 200, 100, 2, 0); }

    bool Press(std::vector<int32_t> keys) {
        engine.input->keysPressed = std::move(keys);
        return Frame();
    }

    TempDir dir; // options.cfg is written here
    Fighter& ally;
};

} // namespace

// M mutes and unmutes, - and = step the sound volume by ten within 0 to 100, F steps the
// speed 1, 2, 4 and back, F11 swaps window and full screen. Each reaches the sound layer
// and options.cfg at once, and the battle never sees the key; other keys it still does.
TEST_F(Comfort, EachKeyChangesItsOptionAndIsRemembered) {
    const std::tuple<std::vector<int32_t>, const char*, std::pair<int32_t, int32_t>> rows[] = {
        {{'m'}, "mute = 1", {0, 0}},
        {{'m', '-'}, "sound_volume = 90", {100, 90}},
        {std::vector<int32_t>(10, '-'), "sound_volume = 0", {100, 0}},
        {{'=', '=', '='}, "sound_volume = 30", {100, 30}},
        {{'f', 'f'}, "speed = 4", {100, 30}},
        {{'f', InputSystem::kF1 + 10}, "speed = 1\nfull_screen = 1", {100, 30}},
        {{'r', '=', '=', '=', '=', '=', '=', '=', '='}, "sound_volume = 100", {100, 100}},
    };
    for (const auto& [keys, line, levels] : rows) {
        Press(keys);
        EXPECT_NE(dir.Read("options.cfg").find(std::string(line) + "\n"), std::string::npos)
            << line;
        EXPECT_EQ(engine.sound->volumes.back(), levels) << line;
    }
    EXPECT_EQ(engine.input->keysPressed, std::vector<int32_t>{'r'});
}

// Paused, no phase steps and no marker moves however long it lasts; the field stays as it
// stands under "Paused", drawn again only when the window is uncovered, and the loop
// sleeps between looks at the keys. Space resumes, and the next phase steps at once.
TEST_F(Comfort, WhilePausedNothingMovesAndTheLoopSleeps) {
    battle.missiles.push_back({50, 50, 200, 50, 2, 0});
    ASSERT_TRUE(Press({'p'}));
    EXPECT_EQ(font->texts.at(font->texts.size() - 2).text, "Paused");
    EXPECT_EQ(CellDraws(kMarkerX, kMarkerY), (Places{{50, 50}}));
    clock.slept = 0;
    for (int second = 0; second < 50; ++second) {
        clock.now += 1000;
        EXPECT_FALSE(UpdateNow());
    }
    EXPECT_EQ(battle.phase * 1000 + battle.missiles[0].x, 1050);
    EXPECT_GE(clock.slept, 50u * 10000u);
    engine.input->exposed = true;
    EXPECT_TRUE(UpdateNow());
    Press({' '});
    EXPECT_EQ(battle.missiles[0].x, 52.0f);

    battle.outcome = BattleOutcome::Victory; // nothing to pause once the battle is decided
    Press({'p'});
    EXPECT_FALSE(battle.comfort->Paused());
}

// At speed 4 a frame takes four steps: four phases, or four steps of a marker's flight (it
// lands on the step that brings it within 8 pixels, and is drawn there), but the player's
// fighter is asked as soon as it acts, in that very frame.
TEST_F(Comfort, AtSpeedFourAFrameTakesFourStepsUntilThePlayerIsAsked) {
    gKernel->options.speed = 4;
    ASSERT_TRUE(Frame());
    EXPECT_TRUE(std::any_of(font->texts.begin(), font->texts.end(),
                            [](const auto& shown) { return shown.text == "Speed 4 x"; }));
    battle.missiles = {{20, 50, 200, 50, 2, 0}, {188, 50, 200, 50, 2, 0}};
    Frame();
    EXPECT_EQ(CellDraws(kMarkerX, kMarkerY), (Places{{28, 50}, {194, 50}}));
    EXPECT_EQ(battle.missiles.size() * 100 + battle.phase, 105u);

    battle.missiles.clear();
    ally.speed = 12;
    Frame();
    EXPECT_EQ(CellDraws(kRingX, kRingY).size() * 100 + battle.phase, 105u) << "asked at once";
}

// F1 or ? shows the help and any key takes it away, unseen by the battle. O opens the
// options: Up and Down choose a row, Left and Right change it, a click on a row's "<"
// lowers it, all saved at once; Escape goes back to the battle. Nothing moves meanwhile.
TEST_F(Comfort, TheHelpAndTheOptionsStandInForTheBattleUntilLeft) {
    using Shown = ComfortControls::Shown;
    const int32_t kUp = InputSystem::kUp, kDown = InputSystem::kDown;
    const int32_t kLeft = InputSystem::kLeft, kRight = InputSystem::kRight;
    Press({InputSystem::kF1});
    EXPECT_EQ(battle.comfort->Showing(), Shown::Help);
    Press({'q', '?', 'o'});
    EXPECT_EQ(battle.comfort->Showing(), Shown::Battle);
    EXPECT_TRUE(engine.input->keysPressed.empty());
    Press({'o', kDown, kLeft, kDown, kRight, kDown, kLeft, kDown, kDown, kRight, kUp, kUp});
    engine.input->mouseX = 335;
    engine.input->mouseY = 135;
    for (const bool held : {false, true, false}) {
        engine.input->leftButton = held;
        Press({});
    }
    const char kChanged[] = "music_volume = 90\nsound_volume = 90\nmute = 1\nspeed = 4\n"
                            "difficulty = hard\n";
    EXPECT_EQ(dir.Read("options.cfg"), kChanged);
    EXPECT_EQ(battle.phase, 2) << "one step only, when the help went";
    Press({InputSystem::kEscape});
    EXPECT_EQ(battle.comfort->Showing(), Shown::Battle);
    EXPECT_EQ(battle.phase, 6) << "at the speed just chosen";
}
