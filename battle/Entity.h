#pragma once

#include <string>

// Abstract base of the battle's configured objects (fighters are the only kind).
class Entity {
public:
    virtual ~Entity() = default;
    virtual void Init(std::string path) = 0;
    virtual void Shutdown() = 0;
    virtual void Update() = 0;
    virtual void Render() = 0;
    virtual bool IsDead() = 0;
};
