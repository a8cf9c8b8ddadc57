#include "engine/StateMachine.h"
#include "engine/GameError.h"
#include "engine/GameState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A state that writes every call it receives into a shared journal.
class JournalState : public GameState {
public:
    JournalState(std::vector<std::string>& journal, bool failInit = false)
        : journal_(journal), failInit_(failInit) {}
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
    std::vector<std::string>& journal_;
    bool failInit_;
};

using Journal = std::vector<std::string>;
const char* const kBadState = "Bad state identifier in StateMachine!";

template <typename Action> std::string ErrorOf(Action action) {
    try {
        action();
    } catch (const GameError& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST(StateMachine, InitLoadsEntersAndForwardsTheFrame) {
    Journal journal;
    {
        StateMachine machine([&] { return new JournalState(journal); });
        EXPECT_EQ(ErrorOf([&] { machine.Update(); }), kBadState); // nothing current yet
        machine.Init("Data\\engine.cfg");
        EXPECT_EQ(machine.currentId, 0);
        machine.Update();
        machine.Render();
    }
    // One Init before one Enter, no Leave, destroyed once, and Shutdown never called.
    EXPECT_EQ(journal, (Journal{"init Data\\engine.cfg", "enter", "update", "render", "destroy"}));
}

TEST(StateMachine, ChangingStatesLeavesTheCurrentOneFirst) {
    Journal journal;
    StateMachine machine([&] { return new JournalState(journal); });
    machine.Init("p");
    journal.clear();
    machine.ChangeState(0);
    EXPECT_EQ(journal, (Journal{"leave", "enter"}));

    journal.clear();
    EXPECT_EQ(ErrorOf([&] { machine.ChangeState(5); }), kBadState);
    EXPECT_EQ(journal, Journal{"leave"});
    EXPECT_EQ(machine.currentId, 0);
}

TEST(StateMachine, AStateThatFailsToLoadIsNotRegisteredAndNotLeaked) {
    Journal journal;
    StateMachine machine([&] { return new JournalState(journal, true); });
    EXPECT_EQ(ErrorOf([&] { machine.Init("p"); }), "Could not open NPCs\\fighter1.cfg");
    EXPECT_TRUE(machine.states.empty());
    EXPECT_EQ(machine.currentId, -1);
    EXPECT_EQ(journal, (Journal{"init p", "destroy"}));
}
