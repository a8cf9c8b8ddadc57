// Any bytes as a TGA file: either a failure with one of the loader's texts, or a picture
// whose buffer is exactly as big as its size says and fully written.
#include "graphics/TgaImage.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    TgaImage image;
    std::string failure;
    if (!TgaImage::Decode(bytes, image, failure)) {
        if (failure.empty() || failure.front() != '\t' || failure.back() != '\n' || image.pixels) {
            std::abort();
        }
        return 0;
    }
    if (!image.pixels && image.BufferSize() != 0) {
        std::abort();
    }
    // Touch every texel so ASan and MSan-style checks see the whole buffer.
    unsigned sum = 0;
    for (std::size_t i = 0; i < image.BufferSize(); ++i) {
        sum += image.pixels[i];
    }
    volatile unsigned sink = sum;
    (void)sink;
    return 0;
}
