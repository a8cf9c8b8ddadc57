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
    Draw draw;
    draw.texture = texture.id;
    draw.sourceWidth = texture.width;
    draw.sourceHeight = texture.height;
    draw.x = x;
    draw.y = y;
    draw.red = red;
    draw.green = green;
    draw.blue = blue;
    draw.alpha = alpha;
    draws.push_back(draw);
}

void RecordingVideo::DrawSpriteRegion(const Texture& texture, float sourceX, float sourceY,
                                      float sourceWidth, float sourceHeight, int32_t x, int32_t y,
                                      float red, float green, float blue, float alpha) {
    Draw draw;
    draw.region = true;
    draw.texture = texture.id;
    draw.sourceX = sourceX;
    draw.sourceY = sourceY;
    draw.sourceWidth = sourceWidth;
    draw.sourceHeight = sourceHeight;
    draw.x = x;
    draw.y = y;
    draw.red = red;
    draw.green = green;
    draw.blue = blue;
    draw.alpha = alpha;
    draws.push_back(draw);
}
