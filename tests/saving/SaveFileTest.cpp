#include "engine/InputSystem.h"
#include "graphics/MainInterface.h"
#include "platform/AtomicFile.h"
#include "replay/ReplayFile.h"
#include "saving/BattleSession.h"
#include "saving/FileEnvelope.h"
#include "saving/SaveGame.h"
#include "tests/saving/SavingFixture.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace {

// A snapshot whose every field differs from its default and from its neighbours.
SaveGame EverythingSet() {
    SaveGame save;
    save.battle = "frost pass";
    save.fighterFiles = 0x0123456789abcdefull;
    BattleSnapshot& s = save.snapshot;
    float f = 0.1f;
    int32_t i = -7;
    for (int n = 0; n < 3; ++n) {
        Fighter m;
        for (float* v : {&m.x, &m.y, &m.stepX, &m.stepY, &m.destX, &m.destY}) {
            *v = f *= -1.7f;
        }
        for (int32_t* v : {&m.team, &m.countdown, &m.countdownStart, &m.health, &m.hitPoints,
                           &m.maxHitPoints, &m.meleeSkill, &m.missileSkill}) {
            *v = i += 1000003;
        }
        m.order = OrderCode::ApproachMeleeRepeat;
        m.speed = 11 - n;
        m.name = "Fighter " + std::to_string(n);
        m.dead = n == 1;
        s.fighters.push_back(m);
        s.targets.push_back(2 - n);
    }
    s.targets[1] = -1;
    s.missiles = {{1e-30f, 2.5f, -3.25f, 4e30f, 0.3f, -0.7f}};
    s.phase = 7;
    s.turn = 31;
    s.awaitingOrder = s.buttonHeld = true;
    s.waiting = 2;
    s.command = 5;
    s.sincePhaseStep = 13;
    s.messages = {"one", "two"};
    s.history = {"zero", "one", "two"};
    s.outcome = BattleOutcome::Victory;
    s.counts.fighters = {{1, 2, 3, 4, 5}, {}, {-6, 7, 1ll << 40, 8, 9}};
    save.recording.start = s;
    return save;
}

} // namespace

// Written and read back, every field is the same to the last bit. A field added to the
// battle's records changes their sizes: then the codec must write it too.
TEST(SaveFile, EveryFieldComesBackExactly) {
    const SaveGame save = EverythingSet();
    SaveGame back;
    std::string reason;
    ASSERT_TRUE(SaveGame::Decode(save.Encode(), back, reason)) << reason;
    EXPECT_EQ(back.battle, save.battle);
    EXPECT_EQ(back.fighterFiles, save.fighterFiles);
    EXPECT_EQ(back.snapshot, save.snapshot);
    EXPECT_EQ(back.recording.start, save.snapshot);
    EXPECT_EQ(std::make_tuple(sizeof(BattleSnapshot), sizeof(Fighter), sizeof(Missile)),
              std::make_tuple(240u, 168u, 24u))
        << "a field was added: write and read it in saving/SnapshotCodec.cpp";
}

// Empty, cut short, of a later version, foreign, the other kind, or any one byte changed:
// refused with a reason, never read.
TEST(SaveFile, AnyDamageIsRefusedWithItsReason) {
    const std::string good = EverythingSet().Encode();
    std::string later = good;
    later[8] = 2;
    const std::pair<std::string, const char*> rows[] = {
        {"", "it is empty"},
        {good.substr(0, good.size() / 2), "it is cut short"},
        {later, "later version of Vornak"},
        {"name = Aldric\n", "it is not a Vornak save"},
        {ReplayFile::Encode(EverythingSet().recording), "a Vornak replay, not a save"},
        {good + "x", "it is damaged"},
        {FileEnvelope::Seal(FileEnvelope::Kind::Save, good.substr(24, 300)),
         "it is damaged (it ends too early)"}};
    for (const auto& [bytes, expected] : rows) {
        SaveGame back;
        std::string reason;
        EXPECT_FALSE(SaveGame::Decode(bytes, back, reason));
        EXPECT_NE(reason.find(expected), std::string::npos) << reason;
    }
    for (std::size_t at = 0; at < good.size(); ++at) {
        std::string bytes = good;
        bytes[at] = static_cast<char>(bytes[at] ^ 0x10);
        SaveGame back;
        std::string reason;
        ASSERT_FALSE(SaveGame::Decode(bytes, back, reason)) << "byte " << at;
    }
}

// Left at any moment — an order awaited, a marker in flight, a countdown running, just
// after a picked command was cancelled — and started again, the battle goes on from the
// save with "Battle resumed." and plays to the same end, log line for line; the replay of
// the resumed battle verifies.
TEST_F(SavingFixture, LeftAtAnyMomentItResumesAndPlaysOnIdentically) {
    struct Moment {
        uint32_t now;
        int frame;
        std::string save;
    };
    std::vector<Moment> moments;
    bool awaited = false, inFlight = false, countingDown = false;
    // On every fifth frame a waiting player's fighter has Strike picked and cancelled, and
    // the battle is left; the computer's rule answers on every other frame. A resumed
    // battle goes on from the frame it was left in, after the cancel.
    const auto play = [&](BattleState& battle, int frame, bool leave) {
        for (bool resumed = !leave; battle.outcome == BattleOutcome::Undecided; ++frame) {
            const bool asked = battle.awaitingOrder && battle.decisionQueue.front()->team == 1;
            for (const int32_t key : {int32_t{'3'}, InputSystem::kEscape}) {
                if (asked && frame % 5 == 0 && !resumed) {
                    engine.input->keysPressed = {key};
                    clock.now += 18;
                    battle.Update();
                }
            }
            resumed = false;
            if (leave && (frame % 97 == 0 || (asked && frame % 5 == 0))) {
                battle.Leave();
                moments.push_back({clock.now, frame, dir.Read(BattleSession::kLastSave)});
                awaited |= battle.awaitingOrder;
                inFlight |= !battle.missiles.empty();
                countingDown |= std::any_of(battle.fighters.begin(), battle.fighters.end(),
                                            [](const auto& f) { return f->countdown > 0; });
            }
            Frame(battle, 2);
        }
        PlayToEnd(battle);
    };
    auto original = Start();
    play(*original, 1, true);
    ASSERT_TRUE(awaited && inFlight && countingDown) << "the moments cover the hard cases";
    EXPECT_FALSE(fs::exists(BattleSession::kLastSave)) << "an ended battle leaves no save";

    for (const Moment& moment : moments) {
        dir.Write(BattleSession::kLastSave, moment.save);
        fs::remove_all(BattleSession::kReplayFolder);
        clock.now = moment.now;
        auto resumed = Start();
        auto line = std::find(resumed->history.begin(), resumed->history.end(), "Battle resumed.");
        ASSERT_EQ(line + 1, resumed->history.end()) << "at " << moment.now;
        resumed->history.erase(line);
        play(*resumed, moment.frame, false);
        EXPECT_EQ(resumed->history, original->history) << "from " << moment.now;
        BattleState played;
        EXPECT_EQ(Verify(Replay(), played), "");
    }
}

// Fighter files changed since the save: a fresh battle, the save kept under its date. A
// damaged save: named in the log, kept as .bad, a fresh battle. A write killed half-way
// leaves the save before it.
TEST_F(SavingFixture, ASaveThatCannotGoOnStartsFreshAndIsKept) {
    auto battle = Start();
    for (int i = 0; i < 300; ++i) {
        Frame(*battle);
    }
    battle->Leave();
    const std::string saved = dir.Read(BattleSession::kLastSave);
    AtomicFile::StopAfterForTesting(10);
    Frame(*battle);
    battle->Leave();
    EXPECT_EQ(dir.Read(BattleSession::kLastSave), saved);

    dir.Write("NPCs/fighter3.cfg", Fighter(3) + "# changed\n");
    auto fresh = Start();
    EXPECT_TRUE(fresh->history.empty());
    EXPECT_FALSE(fs::exists(BattleSession::kLastSave));
    std::vector<fs::path> kept;
    for (const auto& entry : fs::directory_iterator("saves")) {
        if (entry.path() != AtomicFile::TemporaryFor(BattleSession::kLastSave)) {
            kept.push_back(entry.path().filename());
        }
    }
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].string().rfind("last-20", 0), 0u) << kept[0];
    EXPECT_EQ(dir.Read("saves/" + kept[0].string()), saved);

    dir.Write(BattleSession::kLastSave, saved.substr(0, 100));
    auto afterDamage = Start();
    EXPECT_EQ(afterDamage->history,
              (std::vector<std::string>{"saves/last.sav is not usable: it is cut short (76 of " +
                                            std::to_string(saved.size() - 24) +
                                            " bytes after the header).",
                                        "It is kept as saves/last.sav.bad."}));
    EXPECT_EQ(afterDamage->turn, 0);
    EXPECT_EQ(dir.Read("saves/last.sav.bad"), saved.substr(0, 100));
}

// F5 keeps the battle as it stands, F9 goes back to it however far it has gone, even past
// its end; N starts afresh at any time.
TEST_F(SavingFixture, QuickSaveAndLoadAndAFreshStart) {
    auto battle = Start();
    Press(*battle, InputSystem::kF1 + 8);
    EXPECT_EQ(battle->history.back(), "There is no quick save yet (F5 writes one).");
    for (int i = 0; i < 400; ++i) {
        Frame(*battle);
    }
    BattleSnapshot kept = BattleSnapshot::Capture(*battle);
    Press(*battle, InputSystem::kF1 + 4);
    EXPECT_EQ(battle->history.back(), "Quick saved (F9 goes back to it).");
    for (int i = 0; i < 400; ++i) {
        Frame(*battle);
    }
    ASSERT_NE(BattleSnapshot::Capture(*battle).history, kept.history);
    Press(*battle, InputSystem::kF1 + 8);
    EXPECT_EQ(battle->history.back(), "Quick save loaded.");
    battle->history.pop_back();
    BattleSnapshot loaded = BattleSnapshot::Capture(*battle);
    kept.sincePhaseStep += 18; // the frame of the key came between
    loaded.messages = kept.messages;
    EXPECT_EQ(loaded, kept);
    PlayToEnd(*battle);
    Press(*battle, InputSystem::kF1 + 8);
    EXPECT_EQ(battle->outcome, BattleOutcome::Undecided);
    EXPECT_FALSE(battle->interface->battleOver) << "the command buttons come back";

    Press(*battle, 'n');
    EXPECT_TRUE(battle->history.empty());
    EXPECT_EQ(battle->turn, 0);
}

// A battle folder's battle left unfinished is the one the next start goes on with, when no
// battle is named.
TEST_F(SavingFixture, TheBattleOfTheSaveIsResumedWhenNoneIsNamed) {
    dir.Write("battles/hill/battle.cfg", "title = Hill\n");
    for (int n = 1; n <= 8; ++n) {
        dir.Write("battles/hill/NPCs/fighter" + std::to_string(n) + ".cfg",
                  "name = Hill" + Fighter(n).substr(8));
    }
    BattleState left;
    left.battle = BattleFolder::Read("battles/hill");
    left.Init("Data\\engine.cfg");
    for (int i = 0; i < 200; ++i) {
        Frame(left);
    }
    left.Leave();
    auto resumed = Start();
    EXPECT_EQ(resumed->battle.folder, "battles/hill");
    EXPECT_EQ(resumed->history.back(), "Battle resumed.");
    resumed->history.pop_back();
    EXPECT_EQ(resumed->history, left.history);
    EXPECT_EQ(resumed->fighters[0]->name, left.fighters[0]->name);
}
