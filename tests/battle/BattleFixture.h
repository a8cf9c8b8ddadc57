#pragma once

#include "battle/BattleState.h"
#include "graphics/MainInterface.h"
#include "tests/support/RecordingFont.h"
#include "tests/support/ScopedClock.h"
#include "tests/support/ScopedEngine.h"
#include "tests/support/ScopedRandom.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

// A battle put together by hand, without files: a recording font, an interface without
// buttons, known textures, and fighters added by the test. The clock starts 1000 ms in,
// right at a phase step, so the next frame is due at 1018.
class BattleFixture : public testing::Test {
protected:
    static constexpr uint32_t kBackgroundId = 1;
    static constexpr uint32_t kTilesId = 2;

    ScopedEngine engine;
    ScopedClock clock{1000};
    ScopedRandom random; // the loop only seeds; a draw would fail the test
    BattleState battle;
    RecordingFont* font = nullptr;

    BattleFixture() {
        auto recording = std::make_unique<RecordingFont>();
        font = recording.get();
        battle.font = std::move(recording);
        battle.interface = std::make_unique<MainInterface>();
        battle.background = Texture{kBackgroundId, 640.0f, 480.0f};
        battle.tiles = Texture{kTilesId, 256.0f, 256.0f};
        battle.lastTick = 1000;
    }

    Fighter& Add(const std::string& name, int32_t team, int32_t speed, float x = 100.0f,
                 float y = 100.0f) {
        auto fighter = std::make_unique<Fighter>();
        fighter->name = name;
        fighter->team = team;
        fighter->speed = speed;
        fighter->hitPoints = 30;
        fighter->maxHitPoints = 30;
        fighter->x = x;
        fighter->y = y;
        battle.fighters.push_back(std::move(fighter));
        return *battle.fighters.back();
    }

    // Lets 18 ms pass and runs one Update; true when it drew a frame.
    bool Frame() {
        clock.now += 18;
        return UpdateNow();
    }
    bool UpdateNow() {
        const int before = engine.video->frames;
        engine.video->draws.clear();
        font->texts.clear();
        battle.Update();
        return engine.video->frames > before;
    }

    // What a decision ends with, done by hand so these tests hold whoever decides.
    void Answer(OrderCode order) {
        ASSERT_TRUE(battle.awaitingOrder);
        ASSERT_FALSE(battle.decisionQueue.empty());
        battle.decisionQueue.front()->order = order;
        battle.decisionQueue.pop_front();
        battle.awaitingOrder = false;
    }

    // Draws of one cell of the tile sheet, in order.
    std::vector<RecordingVideo::Draw> CellDraws(float sourceX, float sourceY) const {
        std::vector<RecordingVideo::Draw> found;
        for (const auto& draw : engine.video->draws) {
            if (draw.region && draw.texture == kTilesId && draw.sourceX == sourceX &&
                draw.sourceY == sourceY) {
                found.push_back(draw);
            }
        }
        return found;
    }
};
