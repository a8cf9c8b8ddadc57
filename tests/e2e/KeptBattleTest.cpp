#include "saving/BattleSession.h"
#include "saving/SaveGame.h"
#include "tests/support/GameProcess.h"
#include "tests/support/TempDir.h"
#include "tests/support/X11Session.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

namespace fs = std::filesystem;

namespace {

SaveGame Saved(const TempDir& dir) {
    SaveGame save;
    std::string reason;
    EXPECT_TRUE(SaveGame::Decode(dir.Read(BattleSession::kLastSave), save, reason)) << reason;
    return save;
}

} // namespace

// The player's side never acts, so the computer fights alone. Left after a few seconds by
// closing the window, started again, it goes on where it stood with "Battle resumed.";
// played to its end, it leaves no save and a replay that verifies, while a damaged copy of
// that replay (a byte changed, cut in half, empty, random bytes) is refused by name.
TEST(KeptBattle, LeftResumedPlayedToItsEndAndReplayed) {
    TempDir dir;
    dir.CopyFrom(VORNAK_GAME_DIR);
    for (int n = 1; n <= 4; ++n) {
        const std::string file = "NPCs/fighter" + std::to_string(n) + ".cfg";
        dir.Write(file,
                  std::regex_replace(
                      std::regex_replace(dir.Read(file), std::regex("speed = \\d+"), "speed = 0"),
                      std::regex("health = \\d+"), "health = 3"));
    }
    X11Session x11;
    // Starts the game, lets it run for `seconds` or until `done`, then closes its window.
    const auto run = [&](double seconds, const std::function<bool()>& done) {
        GameProcess game(dir.path(), {}, {GameProcess::kNoLeakCheck});
        const unsigned long window = x11.FindWindow("Vornak", game.Pid(), 20.0);
        ASSERT_NE(window, 0u) << game.StandardError();
        Eventually(seconds, done);
        x11.RequestClose(window);
        ASSERT_TRUE(game.Wait(30.0));
        EXPECT_EQ(game.ExitCode(), 0) << game.StandardError();
        EXPECT_EQ(game.StandardError(), "");
    };
    run(3.0, [] { return false; });
    const SaveGame left = Saved(dir);
    ASSERT_FALSE(left.snapshot.history.empty()) << "the computer fought";

    run(0.5, [] { return false; });
    const SaveGame resumed = Saved(dir);
    std::vector<std::string> expected = left.snapshot.history;
    expected.push_back("Battle resumed.");
    ASSERT_GE(resumed.snapshot.history.size(), expected.size());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), resumed.snapshot.history.begin()));
    EXPECT_EQ(resumed.recording.start, left.recording.start);
    ASSERT_GE(resumed.recording.steps.size(), left.recording.steps.size());
    EXPECT_EQ(resumed.recording.steps[left.recording.steps.size() - 1].digest,
              left.recording.steps.back().digest);

    run(120.0, [] { return fs::exists(BattleSession::kReplayFolder); });
    EXPECT_FALSE(fs::exists(dir.path() + "/" + BattleSession::kLastSave));
    const fs::path replay = fs::directory_iterator(dir.path() + "/replays")->path();
    const std::string bytes = ReadFile(replay);

    const auto verify = [&](const std::string& contents) {
        dir.Write("copy.vrp", contents);
        GameProcess check(dir.path(), {"replay", "--verify", "copy.vrp"});
        EXPECT_TRUE(check.Wait(30.0));
        return std::make_tuple(check.ExitCode(), check.StandardOutput(), check.StandardError());
    };
    // Watched, it plays in a window of its own whose title says the speed.
    GameProcess viewer(dir.path(), {"replay", replay.string()}, {GameProcess::kNoLeakCheck});
    const unsigned long window = x11.FindWindow("Vornak replay", viewer.Pid(), 20.0);
    ASSERT_NE(window, 0u) << viewer.StandardError();
    x11.Key("Right", window);
    x11.Key("Right", window);
    EXPECT_NE(x11.FindWindow("Vornak replay 4x", viewer.Pid(), 10.0), 0u);
    x11.RequestClose(window);
    EXPECT_TRUE(viewer.Wait(30.0));
    EXPECT_EQ(viewer.ExitCode(), 0) << viewer.StandardError();

    const auto [code, output, error] = verify(bytes);
    EXPECT_EQ(code, 0) << output << error;
    EXPECT_TRUE(std::regex_match(output, std::regex("replay matches: Defeat after \\d+ turns\n")))
        << output;
    std::string changed = bytes, random(bytes.size(), '\0');
    changed[bytes.size() / 2] = static_cast<char>(changed[bytes.size() / 2] ^ 0x20);
    for (char& c : random) {
        c = static_cast<char>(std::rand());
    }
    for (const std::string& damaged :
         {changed, bytes.substr(0, bytes.size() / 2), std::string(), random}) {
        const auto [badCode, badOutput, badError] = verify(damaged);
        EXPECT_EQ(badCode, 1);
        EXPECT_EQ(badError.rfind("vornak replay: copy.vrp cannot be played: it is ", 0), 0u)
            << badError;
    }
}
