#pragma once

#include "graphics/Texture.h"

#include <cstdint>
#include <map>
#include <string>

// The looks of the battlefield a battle folder may ask for: grass, sand and snow, each a
// sheet of kVariants ground cells side by side (images\ground_NAME.tga, made by the asset
// generator). The field is laid from the variants by a fixed pattern, so it never changes
// from frame to frame. Sheets are loaded once and kept, as every texture is.
class GroundSheets {
public:
    static constexpr int kVariants = 4;

    // "images\ground_snow.tga" for "snow".
    static std::string File(const std::string& ground);

    // Loads the sheet of `ground` unless it is loaded or `ground` is empty (the tile
    // sheet's own ground). A missing or broken sheet throws as any picture does.
    void Load(const std::string& ground);

    // Draws the 16 x 16 field of `ground` at (8, 8); false, drawing nothing, for the tile
    // sheet's own ground (empty, or a sheet never loaded).
    bool Draw(const std::string& ground) const;

    // Its first cell at (x, y), as a sample; false, drawing nothing, as Draw.
    bool DrawCell(const std::string& ground, int32_t x, int32_t y) const;

    // Which variant the cell at column `col`, row `row` of the field shows.
    static int VariantAt(int col, int row);

private:
    std::map<std::string, Texture> sheets_;
};
