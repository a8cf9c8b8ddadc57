#include "engine/StateMachine.h"

#include "engine/GameError.h"
#include "engine/GameState.h"

#include <memory>

StateMachine* gStateMachine = nullptr;

namespace {
const char* const kBadState = "Bad state identifier in StateMachine!";
}

StateMachine::StateMachine(StateFactory makeInitialState)
    : makeInitialState_(std::move(makeInitialState)) {}

StateMachine::~StateMachine() {
    Shutdown();
}

void StateMachine::Init(std::string path) {
    currentId = -1;
    // A state whose loading fails is destroyed here and never registered.
    std::unique_ptr<GameState> state(makeInitialState_());
    state->Init(path);
    states[0] = state.release();
    ChangeState(0);
}

void StateMachine::Shutdown() {
    for (auto& entry : states) {
        delete entry.second;
        entry.second = nullptr;
    }
}

GameState& StateMachine::Current() {
    auto found = states.find(currentId);
    if (found == states.end() || !found->second) {
        throw GameError(kBadState);
    }
    return *found->second;
}

void StateMachine::Update() {
    Current().Update();
}

void StateMachine::Render() {
    Current().Render();
}

void StateMachine::ChangeState(int32_t id) {
    if (currentId != -1) {
        Current().Leave();
    }
    auto found = states.find(id);
    if (found == states.end() || !found->second) {
        throw GameError(kBadState);
    }
    found->second->Enter();
    currentId = id;
}
