#pragma once

#include "tests/support/HandBuiltBattle.h"
#include "tests/support/ScopedClock.h"
#include "tests/support/ScopedRandom.h"

// A hand-built battle with known textures, run frame by frame. The clock starts 1000 ms
// in, right at a phase step, so the next frame is due at 1018.
class BattleFixture : public HandBuiltBattle {
protected:
    static constexpr uint32_t kBackgroundId = 1;
    static constexpr uint32_t kTilesId = 2;

    ScopedClock clock{1000};
    ScopedRandom random; // the loop only seeds; a draw would fail the test

    BattleFixture() {
        battle.background = Texture{kBackgroundId, 640.0f, 480.0f};
        battle.tiles = Texture{kTilesId, 256.0f, 256.0f};
        battle.lastTick = 1000;
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

    // Where one cell of the tile sheet was drawn, in order.
    using Places = std::vector<std::pair<int32_t, int32_t>>;
    Places CellDraws(float sourceX, float sourceY) const {
        Places found;
        for (const auto& draw : engine.video->draws) {
            if (draw.texture == kTilesId && draw.sourceX == sourceX && draw.sourceY == sourceY) {
                found.emplace_back(draw.x, draw.y);
            }
        }
        return found;
    }
};
