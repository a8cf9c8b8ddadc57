#pragma once

#include "battle/Entity.h"
#include "engine/Setting.h"

// An entity whose Init reads a settings file into a table it keeps for its whole life.
class ConfiguredEntity : public Entity {
public:
    bool dead = false;
    SettingsTable settings;

    void Init(std::string path) override;
    void Shutdown() override {}
    void Update() override {}
    void Render() override {}
    bool IsDead() override { return dead; }
};
