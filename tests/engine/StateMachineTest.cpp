#include "engine/StateMachine.h"
#include "engine/GameError.h"
#include "engine/GameState.h"

#include <gtest/gtest.h>

namespace {

using Journal = std::vector<std::string>;

// A state that writes every call it receives into a journal; its Init may fail.
class JournalState : public GameState {
public:
    JournalState(Journal& journal, bool failInit) : journal_(journal), failInit_(failInit) {}
    ~JournalState() override { journal_.push_back("destroy"); }
    void Init(std::string path) override {
        journal_.push_back("init " + path);
        if (failInit_) {
            throw GameError("Could not open NPCs\\fighter1.cfg");
        }
    }
    void Shutdown() override { journal_.push_back("shutdown"); }
    void Update() override { journal_.push_back("update"); }
    void Render() override { journal_.push_back("render"); }
    void Enter() override { journal_.push_back("enter"); }
    void Leave() override { journal_.push_back("leave"); }

private:
    Journal& journal_;
    bool failInit_;
};

} // namespace

// Init loads, registers under 0 and enters; a change leaves the current state first; an
// unknown identifier is an error; the states are destroyed once, never Shutdown. A state
// that fails to load is destroyed and never registered.
TEST(StateMachine, LoadsEntersForwardsChangesAndOwnsItsStates) {
    Journal journal;
    {
        StateMachine machine([&] { return new JournalState(journal, false); });
        machine.Init("Data\\engine.cfg");
        machine.Update();
        machine.Render();
        machine.ChangeState(0);
        EXPECT_THROW(machine.ChangeState(5), GameError);
    }
    StateMachine failing([&] { return new JournalState(journal, true); });
    EXPECT_THROW(failing.Init("p"), GameError);
    EXPECT_TRUE(failing.states.empty());
    EXPECT_EQ(journal, (Journal{"init Data\\engine.cfg", "enter", "update", "render", "leave",
                                "enter", "leave", "destroy", "init p", "destroy"}));
}
