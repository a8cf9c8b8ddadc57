#pragma once

#include "engine/Subsystem.h"

#include <cstdint>
#include <string>

// The command buttons. Placeholder until the interface lands.
class MainInterface : public Subsystem {
public:
    int32_t command = 0;
    void Init(std::string) override {}
    void Shutdown() override {}
    void Update() override {}
    void Render() override {}
};
