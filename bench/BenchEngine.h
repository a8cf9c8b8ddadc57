#pragma once

#include "graphics/Font.h"
#include "graphics/VideoSystem.h"
#include "sound/SoundSystem.h"

#include <cstdint>
#include <string>
#include <vector>

class BattleState;
class Fighter;

// Stand-ins that do nothing, for running the battle without a window or a sound device.
// Unlike the test recorders they keep no history, so a long run costs no memory.
class NullVideo : public VideoSystem {
public:
    void Init(std::string) override {}
    void SetupOpenGL() override {}
    Texture LoadTGA(std::string path) override;
    void DrawSprite(const Texture&, int32_t, int32_t, float, float, float, float) override {}
    void DrawSpriteRegion(const Texture&, float, float, float, float, int32_t, int32_t, float,
                          float, float, float) override {}
    void ClearFrame() override {}
    void EndFrame() override {}

private:
    uint32_t nextId_ = 1;
};

class NullSound : public SoundSystem {
public:
    void Init(std::string) override {}
    void Shutdown() override {}
    void Update() override {}
    void PlaySample(std::string) override {}
    void PlayMusic(std::string) override {}
};

class NullFont : public Font {
public:
    void DrawText(std::string, int32_t, int32_t, float, float, float) override {}
    void DrawChar(int32_t, int32_t, int32_t, float, float, float) override {}
};

// A computer-only battle that runs for ever: the fighters as loaded, with every team
// moved off the player's side, restarted from their loaded state whenever one side (the
// first four fighters, whom the computer attacks, or the last four) is all dead.
class EndlessBattle {
public:
    explicit EndlessBattle(BattleState& battle);

    // Decides, flies or dispatches exactly as the battle loop would, without drawing.
    // Markers are dropped at once, since their flight is only a picture. Returns the
    // fighter actions carried out (fighters alive and acting in a dispatched phase).
    int64_t Step();

    // True when one side is all dead; Step restarts the battle first thing then.
    bool SideDefeated() const;
    void Restart();

    int64_t restarts = 0;

private:
    struct Start {
        float x, y;
        int32_t hitPoints;
    };
    BattleState& battle_;
    std::vector<Start> start_;
};

// Counts the fighters that would act if `phase` were dispatched now.
int32_t ActingFighters(const BattleState& battle, int32_t phase);
