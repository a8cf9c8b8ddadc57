#include "scenarios/GroundSheets.h"

#include "battle/TileSheet.h"
#include "graphics/VideoSystem.h"

std::string GroundSheets::File(const std::string& ground) {
    return "images\\ground_" + ground + ".tga";
}

void GroundSheets::Load(const std::string& ground) {
    if (!ground.empty() && sheets_.count(ground) == 0) {
        sheets_[ground] = gVideo->LoadTGA(File(ground));
    }
}

int GroundSheets::VariantAt(int col, int row) {
    // Mostly the plain first cell, the others scattered without rows or stripes.
    const unsigned mixed = static_cast<unsigned>(col * 7 + row * 13 + col * row * 5) % 11;
    return mixed < 5 ? 0 : static_cast<int>(mixed % 3) + 1;
}

bool GroundSheets::Draw(const std::string& ground) const {
    const auto found = sheets_.find(ground);
    if (found == sheets_.end()) {
        return false;
    }
    for (int col = 0; col < 16; ++col) {
        for (int row = 0; row < 16; ++row) {
            const float cellX = kCell * static_cast<float>(VariantAt(col, row));
            gVideo->DrawSpriteRegion(found->second, cellX, 0.0f, kCell, kCell, 8 + 16 * col,
                                     8 + 16 * row, 1.0f, 1.0f, 1.0f, 1.0f);
        }
    }
    return true;
}

bool GroundSheets::DrawCell(const std::string& ground, int32_t x, int32_t y) const {
    const auto found = sheets_.find(ground);
    if (found == sheets_.end()) {
        return false;
    }
    gVideo->DrawSpriteRegion(found->second, 0.0f, 0.0f, kCell, kCell, x, y, 1.0f, 1.0f, 1.0f, 1.0f);
    return true;
}
