#pragma once

#include "engine/Subsystem.h"

// A screen of the game, held by the state machine under an integer identifier.
// Enter and Leave are called when the state becomes current and stops being current.
class GameState : public Subsystem {
public:
    virtual void Enter() = 0;
    virtual void Leave() = 0;
};
