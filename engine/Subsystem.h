#pragma once

#include <string>

// Common base of the kernel, its six subsystems, every game state, the font and the
// command interface. Each concrete class implements all four operations, many as empty
// bodies. Destruction must be safe even when Init never ran: a start-up failure tears
// down every subsystem that exists.
class Subsystem {
public:
    virtual ~Subsystem() = default;
    virtual void Init(std::string path) = 0;
    virtual void Shutdown() = 0;
    virtual void Update() = 0;
    virtual void Render() = 0;
};
