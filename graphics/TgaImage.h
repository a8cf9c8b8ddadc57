#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// A TGA picture decoded into the texels that LoadTGA uploads. Knows nothing of OpenGL, so
// it can be tested and fuzzed without a window.
//
// Only the uncompressed types 1, 2 and 3 at 8, 24 and 32 bits are read. Rows stay in file
// order (no flip for the descriptor's origin bit); the colour map is skipped, never
// applied.
class TgaImage {
public:
    // Largest pixel buffer we are willing to allocate; bigger pictures fail as out of memory.
    static constexpr std::size_t kMaxBufferBytes = std::size_t{256} << 20;

    int32_t width = 0;
    int32_t height = 0;
    // One byte per pixel (types 1 and 3), uploaded as alpha; otherwise RGBA, four bytes.
    bool alphaOnly = false;
    std::unique_ptr<uint8_t[]> pixels;

    std::size_t BufferSize() const;

    // Decodes a whole file's bytes. On failure returns false with the game's failure text
    // in `failure` and leaves `image` without pixels.
    static bool Decode(const std::string& bytes, TgaImage& image, std::string& failure);
};
