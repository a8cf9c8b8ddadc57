#include "engine/Kernel.h"
#include "engine/GameError.h"
#include "engine/GameState.h"
#include "engine/InputSystem.h"
#include "engine/StateMachine.h"
#include "graphics/VideoSystem.h"
#include "sound/SoundSystem.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

namespace {

using Journal = std::vector<std::string>;
Journal journal;

// A subsystem of the kernel, or a state, replaced by one that writes what happens to it.
template <typename Base> class Journaled : public Base {
public:
    template <typename... Args>
    explicit Journaled(std::string name, Args&&... args)
        : Base(std::forward<Args>(args)...), name_(std::move(name)) {}
    ~Journaled() override { journal.push_back("destroy " + name_); }
    void Init(std::string path) override { journal.push_back("init " + name_ + " " + path); }
    void Shutdown() override { journal.push_back("shutdown " + name_); }
    void Update() override { journal.push_back("update " + name_); }
    void Render() override { journal.push_back("render " + name_); }

private:
    std::string name_;
};

// A state that also notes when it becomes current and stops being; its Init fails for "fail".
class JournalState : public Journaled<GameState> {
public:
    JournalState() : Journaled("state") {}
    void Init(std::string path) override {
        Journaled::Init(path);
        if (path == "fail") {
            throw GameError("Could not open NPCs\\fighter1.cfg");
        }
    }
    void Enter() override { journal.push_back("enter"); }
    void Leave() override { journal.push_back("leave"); }
};

} // namespace

// The battle, loaded by the state machine, needs the video and the sound running; a frame
// reads the input first and runs the state last; teardown is by destructors alone, in
// reverse order of creation.
TEST(Kernel, InitialisesTheStateLastReadsInputFirstAndTearsDownInReverse) {
    journal.clear();
    TempDir dir;
    dir.Write("data/engine.cfg", "h_res = 640\n");
    SubsystemFactory f = SubsystemFactory::Default();
    f.video = [] { return new Journaled<VideoSystem>("video"); };
    f.input = [] { return new Journaled<InputSystem>("input"); };
    f.sound = [] { return new Journaled<SoundSystem>("sound"); };
    f.stateMachine = [] {
        return new Journaled<StateMachine>("state", StateMachine::StateFactory{});
    };
    Kernel kernel(f);
    gKernel = &kernel;
    kernel.Init("Data\\engine.cfg");
    kernel.Update();
    kernel.Shutdown();
    EXPECT_EQ(journal,
              (Journal{"init video Data\\engine.cfg", "init input Data\\engine.cfg",
                       "init sound Data\\engine.cfg", "init state Data\\engine.cfg", "update input",
                       "update video", "update sound", "update state", "destroy state",
                       "destroy sound", "destroy input", "destroy video"}));
    EXPECT_FLOAT_EQ(kernel.settings.at("h_res").number, 640.0f);
    EXPECT_EQ(gVideo, nullptr);
    gKernel = nullptr;
}

// Init loads, registers under 0 and enters; a change leaves the current state first; an
// unknown identifier is an error; the states are destroyed once, never Shutdown. A state
// that fails to load is destroyed and never registered.
TEST(StateMachine, LoadsEntersForwardsChangesAndOwnsItsStates) {
    journal.clear();
    const auto make = [] { return new JournalState; };
    {
        StateMachine machine(make);
        machine.Init("Data\\engine.cfg");
        machine.Update();
        machine.Render();
        machine.ChangeState(0);
        EXPECT_THROW(machine.ChangeState(5), GameError);
    }
    StateMachine failing(make);
    EXPECT_THROW(failing.Init("fail"), GameError);
    EXPECT_TRUE(failing.states.empty());
    EXPECT_EQ(journal, (Journal{"init state Data\\engine.cfg", "enter", "update state",
                                "render state", "leave", "enter", "leave", "destroy state",
                                "init state fail", "destroy state"}));
}
