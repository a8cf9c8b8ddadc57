#pragma once

#include "engine/Subsystem.h"

// A subsystem slot kept free for later use; it takes its place in every order and does
// nothing.
class SpareSystemA : public Subsystem {
public:
    void Init(std::string) override {}
    void Shutdown() override {}
    void Update() override {}
    void Render() override {}
};

extern SpareSystemA* gSpareA;
