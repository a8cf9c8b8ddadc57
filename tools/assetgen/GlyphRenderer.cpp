#include "tools/assetgen/GlyphRenderer.h"

#include <algorithm>
#include <stdexcept>

#include <ft2build.h>
#include FT_FREETYPE_H

GlyphRenderer::GlyphRenderer(const std::string& fontPath, int pixelSize, int bandHeight,
                             int baseline)
    : bandHeight_(bandHeight), baseline_(baseline) {
    FT_Library library = nullptr;
    if (FT_Init_FreeType(&library) != 0)
        throw std::runtime_error("FreeType would not start");
    library_ = library;
    FT_Face face = nullptr;
    if (FT_New_Face(library, fontPath.c_str(), 0, &face) != 0) {
        FT_Done_FreeType(library);
        throw std::runtime_error("cannot open font " + fontPath);
    }
    face_ = face;
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixelSize));
}

GlyphRenderer::~GlyphRenderer() {
    FT_Done_Face(static_cast<FT_Face>(face_));
    FT_Done_FreeType(static_cast<FT_Library>(library_));
}

Glyph GlyphRenderer::Render(unsigned char code) const {
    FT_Face face = static_cast<FT_Face>(face_);
    // Light hinting snaps stems vertically only, which keeps small text crisp without
    // distorting the letter widths.
    if (FT_Load_Char(face, code, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0)
        throw std::runtime_error("cannot render character " + std::to_string(code));
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    Glyph glyph;
    glyph.height = bandHeight_;
    glyph.width = std::max(1, static_cast<int>(bitmap.width));
    glyph.coverage.assign(static_cast<size_t>(glyph.width) * bandHeight_, 0.0f);
    int top = baseline_ - face->glyph->bitmap_top;
    for (unsigned row = 0; row < bitmap.rows; ++row) {
        int y = top + static_cast<int>(row);
        if (y < 0 || y >= bandHeight_)
            continue;
        for (unsigned col = 0; col < bitmap.width; ++col) {
            unsigned char value = bitmap.buffer[row * bitmap.pitch + col];
            glyph.coverage[static_cast<size_t>(y) * glyph.width + col] = value / 255.0f;
        }
    }
    return glyph;
}

void GlyphRenderer::DrawText(Image& image, const std::string& text, int x, int y,
                             const Colour& colour, int gap, int spaceAdvance) const {
    int pen = x;
    for (char ch : text) {
        if (ch == ' ') {
            pen += spaceAdvance;
            continue;
        }
        Glyph glyph = Render(static_cast<unsigned char>(ch));
        for (int row = 0; row < glyph.height; ++row)
            for (int col = 0; col < glyph.width; ++col) {
                float c = glyph.coverage[static_cast<size_t>(row) * glyph.width + col];
                if (c > 0.0f)
                    image.Blend(pen + col, y + row, colour, c);
            }
        pen += glyph.width + gap;
    }
}

int GlyphRenderer::TextWidth(const std::string& text, int gap, int spaceAdvance) const {
    int pen = 0;
    int end = 0;
    for (char ch : text) {
        if (ch == ' ') {
            pen += spaceAdvance;
            continue;
        }
        pen += Render(static_cast<unsigned char>(ch)).width;
        end = pen;
        pen += gap;
    }
    return end;
}
