#pragma once

#include "graphics/Font.h"

#include <string>
#include <vector>

// A font that draws nothing and remembers every text it was asked to draw.
class RecordingFont : public Font {
public:
    struct Text {
        std::string text;
        int32_t x = 0, y = 0;
        float red = 0, green = 0, blue = 0;
    };
    std::vector<Text> texts;

    void DrawText(std::string text, int32_t x, int32_t y, float red, float green,
                  float blue) override {
        texts.push_back({text, x, y, red, green, blue});
    }
};
