#include "tests/support/RecordingVideo.h"

Texture RecordingVideo::LoadTGA(std::string path) {
    loaded.push_back(path);
    Texture texture;
    auto sized = sizes.find(path);
    if (sized != sizes.end()) {
        texture = sized->second;
    } else {
        texture.width = 256.0f;
        texture.height = 256.0f;
    }
    texture.id = static_cast<uint32_t>(loaded.size());
    return texture;
}

void RecordingVideo::DrawSprite(const Texture& texture, int32_t x, int32_t y, float red,
                                float green, float blue, float alpha) {
    // A whole texture is recorded as the region that covers all of it.
    draws.push_back(
        {false, texture.id, 0, 0, texture.width, texture.height, x, y, red, green, blue, alpha});
}

void RecordingVideo::DrawSpriteRegion(const Texture& texture, float sourceX, float sourceY,
                                      float sourceWidth, float sourceHeight, int32_t x, int32_t y,
                                      float red, float green, float blue, float alpha) {
    draws.push_back({true, texture.id, sourceX, sourceY, sourceWidth, sourceHeight, x, y, red,
                     green, blue, alpha});
}
