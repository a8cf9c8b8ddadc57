#include "graphics/TgaImage.h"

#include "tests/graphics/TgaBytes.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Bytes = std::vector<uint8_t>;

std::string Tga(uint8_t type, uint8_t depth, uint16_t width, uint16_t height, Bytes pixels = {}) {
    return TgaBytes{type, depth, width, height, "", 0, 0, std::move(pixels)}.Build();
}

} // namespace

// Type 2 turns blue-green-red into RGBA: 24-bit pixels are opaque unless exactly magenta,
// 32-bit ones (and 8-bit ones, read as four bytes too) keep their own alpha. Types 1 and 3
// are one byte a pixel, uploaded as alpha, whatever the depth says, rows unpadded. The ID
// field and the colour map are skipped, the palette never applied; rows stay in file order
// whatever the origin bit says.
TEST(TgaImage, EveryTypeAndDepthDecodes) {
    const Bytes grey = {0, 1, 2, 3, 4, 255};
    TgaBytes mapped{2, 24, 1, 2, std::string(17, 'x'), 256, 24, {1, 2, 3, 4, 5, 6}};
    const std::tuple<std::string, bool, Bytes> cases[] = {
        {Tga(2, 24, 2, 2, {10, 20, 30, /**/ 255, 0, 255, /**/ 254, 0, 255, /**/ 255, 1, 255}),
         false,
         {30, 20, 10, 255, /**/ 255, 0, 255, 0, /**/ 255, 0, 254, 255, /**/ 255, 1, 255, 255}},
        {Tga(2, 32, 2, 1, {255, 0, 255, 200, /**/ 1, 2, 3, 0}),
         false,
         {255, 0, 255, 200, /**/ 3, 2, 1, 0}},
        {Tga(2, 8, 1, 1, {1, 2, 3, 4}), false, {3, 2, 1, 4}},
        {Tga(2, 24, 0, 5), false, {}},
        {mapped.Build(), false, {3, 2, 1, 255, /**/ 6, 5, 4, 255}},
        {Tga(1, 24, 3, 2, grey), true, grey},
        {Tga(3, 8, 2, 3, grey), true, grey},
    };
    for (const auto& [tga, alphaOnly, texels] : cases) {
        std::string bytes = tga;
        bytes[17] = 0x20; // top-left origin
        TgaImage image;
        std::string failure;
        ASSERT_TRUE(TgaImage::Decode(bytes, image, failure)) << failure;
        EXPECT_EQ(alphaOnly, image.alphaOnly);
        EXPECT_EQ(texels, Bytes(image.pixels.get(), image.pixels.get() + image.BufferSize()));
    }
}

// Each failure with its text and no pixels. The type is checked before the depth; a
// picture beyond 256 MB is refused up front, one within it but short is missing pixels.
TEST(TgaImage, BadFilesFailWithTheirTexts) {
    const std::string data = "\tError reading image data\n";
    const std::pair<std::string, std::string> cases[] = {
        {Tga(2, 24, 1, 1).substr(0, 17), "\tError reading file header\n"},
        {Tga(10, 16, 1, 1, {1, 2}), "\tUnsupported TGA format. Only uncompressed RGB & colour "
                                    "mapped images are currently supported\n"},
        {Tga(2, 16, 1, 1, {1, 2}),
         "\tUnsupported TGA format. Only 8, 24 & 32 bit images are supported\n"},
        {Tga(2, 32, 65535, 65535), "\tNot enough memory to load image\n"},
        {Tga(2, 32, 8192, 8192), data},
        {Tga(2, 24, 2, 2, Bytes(11, 0)), data},
        {TgaBytes{2, 24, 1, 1, "abc", 0, 0, {1, 2}}.Build(), data}, // the ID field counts
    };
    for (const auto& [bytes, text] : cases) {
        TgaImage image;
        std::string failure;
        EXPECT_FALSE(TgaImage::Decode(bytes, image, failure));
        EXPECT_EQ(text, failure) << bytes.size() << " bytes";
        EXPECT_FALSE(image.pixels);
    }
}
