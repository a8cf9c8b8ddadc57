#pragma once

#include "engine/Setting.h"
#include "engine/Subsystem.h"
#include "options/Options.h"

#include <cstdint>
#include <functional>
#include <string>

class InputSystem;
class SoundSystem;
class SpareSystemA;
class SpareSystemB;
class StateMachine;
class VideoSystem;

// How the kernel makes its six subsystems. The game uses Default(); tests substitute
// their own to watch the orders of creation, initialisation and teardown.
struct SubsystemFactory {
    std::function<SpareSystemA*()> spareA;
    std::function<SpareSystemB*()> spareB;
    std::function<VideoSystem*()> video;
    std::function<InputSystem*()> input;
    std::function<SoundSystem*()> sound;
    std::function<StateMachine*()> stateMachine;

    static SubsystemFactory Default();
};

// Owns the engine: reads the settings, creates the six subsystems (each reachable through
// its global pointer), initialises them, and drives them once per frame. Destroying the
// kernel destroys the subsystems in reverse order of creation; it never calls their
// Shutdown, their destructors release what they hold.
class Kernel : public Subsystem {
public:
    SettingsTable settings;
    Options options; // the player's options.cfg, read before the window opens
    bool quit = false;
    uint32_t startTicks = 0;
    int32_t frameCount = 0;
    std::string configPath;

    explicit Kernel(SubsystemFactory factory = SubsystemFactory::Default());
    ~Kernel() override;

    void Init(std::string path) override;
    void Shutdown() override;
    void Update() override;
    void Render() override;

private:
    SubsystemFactory factory_;
};

extern Kernel* gKernel;
