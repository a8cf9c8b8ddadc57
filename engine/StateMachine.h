#pragma once

#include "engine/Subsystem.h"

#include <cstdint>
#include <functional>
#include <map>

#include "engine/GameState.h"

class GameState;

// Holds the game states by identifier and forwards the frame to the current one.
// It owns every registered state. Init creates the initial state, initialises it,
// registers it under 0 and enters it; an identifier that is not registered raises
// "Bad state identifier in StateMachine!".
class StateMachine : public Subsystem {
public:
    using StateFactory = std::function<GameState*()>;

    std::map<int32_t, GameState*> states;
    int32_t currentId = -1;

    explicit StateMachine(StateFactory makeInitialState);
    ~StateMachine() override;

    void Init(std::string path) override;
    void Shutdown() override;
    void Update() override;
    void Render() override;
    virtual void ChangeState(int32_t id);
    // The program ends: the current state is left as a change would leave it.
    void LeaveCurrent() { Current().Leave(); }

private:
    GameState& Current();
    StateFactory makeInitialState_;
};

extern StateMachine* gStateMachine;
