#include "engine/Kernel.h"

#include "battle/BattleState.h"
#include "engine/ConfigFile.h"
#include "engine/InputSystem.h"
#include "engine/SpareSystemA.h"
#include "engine/SpareSystemB.h"
#include "engine/StateMachine.h"
#include "graphics/VideoSystem.h"
#include "options/OptionsFile.h"
#include "platform/Clock.h"
#include "sound/SoundSystem.h"

Kernel* gKernel = nullptr;

SubsystemFactory SubsystemFactory::Default() {
    SubsystemFactory factory;
    factory.spareA = [] { return new SpareSystemA; };
    factory.spareB = [] { return new SpareSystemB; };
    factory.video = [] { return new VideoSystem; };
    factory.input = [] { return new InputSystem; };
    factory.sound = [] { return new SoundSystem; };
    factory.stateMachine = [] { return new StateMachine([] { return new BattleState; }); };
    return factory;
}

Kernel::Kernel(SubsystemFactory factory) : factory_(std::move(factory)) {}

Kernel::~Kernel() {
    Shutdown();
}

void Kernel::Init(std::string path) {
    quit = false;
    configPath = path;
    ConfigFile::Load(settings, path);
    options = OptionsFile::Load();

    // All six exist before any is initialised, so a failing Init tears down all six.
    gSpareA = factory_.spareA();
    gSpareB = factory_.spareB();
    gVideo = factory_.video();
    gInput = factory_.input();
    gSound = factory_.sound();
    gStateMachine = factory_.stateMachine();

    gSpareA->Init(path);
    gSpareB->Init(path);
    gVideo->Init(path);
    gInput->Init(path);
    gSound->Init(path);
    gSound->SetVolumes(options.MusicLevel(), options.SoundLevel()); // before the music starts
    gStateMachine->Init(path);

    startTicks = Clock::Ticks();
    frameCount = 0;
}

void Kernel::Update() {
    ++frameCount;
    gInput->Update();
    gVideo->Update();
    gSpareA->Update();
    gSpareB->Update();
    gSound->Update();
    gStateMachine->Update();
}

void Kernel::Render() {
    gStateMachine->Render();
}

namespace {
template <typename T> void Destroy(T*& pointer) {
    delete pointer;
    pointer = nullptr;
}
} // namespace

void Kernel::Shutdown() {
    Destroy(gStateMachine);
    Destroy(gSound);
    Destroy(gInput);
    Destroy(gVideo);
    Destroy(gSpareB);
    Destroy(gSpareA);
}
