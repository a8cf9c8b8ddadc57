#include "battle/BattleState.h"

#include "graphics/Font.h"
#include "graphics/MainInterface.h"
#include "graphics/VideoSystem.h"

BattleState::BattleState() = default;
BattleState::~BattleState() = default;

void BattleState::Init(std::string) {}

void BattleState::Update() {
    gVideo->ClearFrame();
    gVideo->EndFrame();
}
