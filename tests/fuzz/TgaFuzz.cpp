// Any bytes as a TGA file: either a failure with one of the loader's texts and no
// picture, or a picture whose buffer is exactly as big as its size says and fully written.
#include "graphics/TgaImage.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    TgaImage image;
    std::string failure;
    const bool read =
        TgaImage::Decode(std::string(reinterpret_cast<const char*>(data), size), image, failure);
    if (!read &&
        (failure.empty() || failure.front() != '\t' || failure.back() != '\n' || image.pixels)) {
        std::abort();
    }
    if (read && !image.pixels && image.BufferSize() != 0) {
        std::abort();
    }
    // Every texel read, so that ASan sees the whole buffer.
    volatile unsigned sum = 0;
    for (std::size_t i = 0; read && i < image.BufferSize(); ++i) {
        sum = sum + image.pixels[i];
    }
    return 0;
}
