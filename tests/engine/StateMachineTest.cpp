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

const char* const kBadState = "Bad state identifier in StateMachine!";

std::string ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const GameError& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST(StateMachine, InitLoadsRegistersAndEntersTheInitialState) {
    std::vector<std::string> journal;
    StateMachine machine([&] { return new JournalState(journal); });
    machine.Init("Data\\engine.cfg");
    EXPECT_EQ(machine.currentId, 0);
    EXPECT_EQ(journal, (std::vector<std::string>{"init Data\\engine.cfg", "enter"}));

    machine.Update();
    machine.Render();
    EXPECT_EQ(journal.back(), "render");
    EXPECT_EQ(journal[journal.size() - 2], "update");
}

TEST(StateMachine, ChangingToAnUnknownStateLeavesTheCurrentOneFirst) {
    std::vector<std::string> journal;
    StateMachine machine([&] { return new JournalState(journal); });
    machine.Init("p");
    journal.clear();
    EXPECT_EQ(ErrorOf([&] { machine.ChangeState(5); }), kBadState);
    EXPECT_EQ(journal, std::vector<std::string>{"leave"});
    EXPECT_EQ(machine.currentId, 0);
}

TEST(StateMachine, ChangingToTheCurrentStateLeavesAndReEnters) {
    std::vector<std::string> journal;
    StateMachine machine([&] { return new JournalState(journal); });
    machine.Init("p");
    journal.clear();
    machine.ChangeState(0);
    EXPECT_EQ(journal, (std::vector<std::string>{"leave", "enter"}));
}

TEST(StateMachine, NoCurrentStateIsAnError) {
    std::vector<std::string> journal;
    StateMachine machine([&] { return new JournalState(journal); });
    EXPECT_EQ(ErrorOf([&] { machine.Update(); }), kBadState);
    EXPECT_EQ(ErrorOf([&] { machine.Render(); }), kBadState);
}

TEST(StateMachine, DestroysEachStateOnceAndNeverCallsShutdown) {
    std::vector<std::string> journal;
    {
        StateMachine machine([&] { return new JournalState(journal); });
        machine.Init("p");
        journal.clear();
    }
    EXPECT_EQ(journal, std::vector<std::string>{"destroy"});
}

TEST(StateMachine, AStateThatFailsToLoadIsNotRegisteredAndNotLeaked) {
    std::vector<std::string> journal;
    StateMachine machine([&] { return new JournalState(journal, true); });
    EXPECT_EQ(ErrorOf([&] { machine.Init("p"); }), "Could not open NPCs\\fighter1.cfg");
    EXPECT_TRUE(machine.states.empty());
    EXPECT_EQ(machine.currentId, -1);
    EXPECT_EQ(journal, (std::vector<std::string>{"init p", "destroy"}));
}
