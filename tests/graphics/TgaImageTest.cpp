#include "graphics/TgaImage.h"

#include "tests/graphics/TgaBytes.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

TgaBytes Picture(uint8_t type, uint8_t depth, uint16_t width, uint16_t height, Bytes pixels = {}) {
    return {type, depth, width, height, "", 0, 0, std::move(pixels)};
}

} // namespace

// Type 2 turns blue-green-red into RGBA: 24-bit pixels are opaque unless exactly magenta,
// 32-bit ones (and 8-bit ones, read as four bytes too) keep their own alpha. Types 1 and 3
// are one byte a pixel, uploaded as alpha, whatever the depth says, rows unpadded. The ID
// field and the colour map are skipped, the palette never applied; rows stay in file order
// whatever the origin bit says.
TEST(TgaImage, EveryTypeAndDepthDecodes) {
    const Bytes grey = {0, 1, 2, 3, 4, 255};
    TgaBytes mapped = Picture(2, 24, 1, 2, {1, 2, 3, 4, 5, 6});
    mapped.id = std::string(17, 'x');
    mapped.mapLength = 256;
    mapped.mapEntryBits = 24;
    struct Case {
        TgaBytes tga;
        bool alphaOnly;
        Bytes texels;
    } cases[] = {
        {Picture(2, 24, 2, 2, {10, 20, 30, /**/ 255, 0, 255, /**/ 254, 0, 255, /**/ 255, 1, 255}),
         false,
         {30, 20, 10, 255, /**/ 255, 0, 255, 0, /**/ 255, 0, 254, 255, /**/ 255, 1, 255, 255}},
        {Picture(2, 32, 2, 1, {255, 0, 255, 200, /**/ 1, 2, 3, 0}),
         false,
         {255, 0, 255, 200, /**/ 3, 2, 1, 0}},
        {Picture(2, 8, 1, 1, {1, 2, 3, 4}), false, {3, 2, 1, 4}},
        {Picture(2, 24, 0, 5), false, {}},
        {mapped, false, {3, 2, 1, 255, /**/ 6, 5, 4, 255}},
        {Picture(1, 24, 3, 2, grey), true, grey},
        {Picture(3, 8, 2, 3, grey), true, grey},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << int(c.tga.type) << " depth "
                                        << int(c.tga.depth) << " " << c.tga.width);
        std::string bytes = c.tga.Build();
        bytes[17] = 0x20; // top-left origin
        TgaImage image;
        std::string failure;
        ASSERT_TRUE(TgaImage::Decode(bytes, image, failure)) << failure;
        EXPECT_EQ(c.tga.width, image.width);
        EXPECT_EQ(c.tga.height, image.height);
        EXPECT_EQ(c.alphaOnly, image.alphaOnly);
        EXPECT_EQ(c.texels, Bytes(image.pixels.get(), image.pixels.get() + image.BufferSize()));
    }
}

// Each failure with its text and no pixels. The type is checked before the depth; a
// picture beyond 256 MB is refused up front, one within it but short is missing pixels.
TEST(TgaImage, BadFilesFailWithTheirTexts) {
    const std::string header = "\tError reading file header\n";
    const std::string type = "\tUnsupported TGA format. Only uncompressed RGB & colour mapped "
                             "images are currently supported\n";
    const std::string depth =
        "\tUnsupported TGA format. Only 8, 24 & 32 bit images are supported\n";
    const std::string memory = "\tNot enough memory to load image\n";
    const std::string data = "\tError reading image data\n";
    TgaBytes cutInId = Picture(2, 24, 1, 1, {1, 2, 3});
    cutInId.id = "abcdef";
    const std::pair<std::string, std::string> cases[] = {
        {"", header},
        {Picture(2, 24, 1, 1, {1, 2, 3}).Build().substr(0, 17), header},
        {Picture(10, 24, 1, 1, {1, 2, 3}).Build(), type},
        {Picture(0, 24, 1, 1, {1, 2, 3}).Build(), type},
        {Picture(10, 16, 1, 1, {1, 2}).Build(), type},
        {Picture(2, 16, 1, 1, {1, 2}).Build(), depth},
        {Picture(1, 15, 1, 1, {1}).Build(), depth},
        {Picture(2, 32, 65535, 65535).Build(), memory},
        {Picture(2, 32, 8193, 8192).Build(), memory},
        {Picture(2, 32, 8192, 8192).Build(), data},
        {Picture(2, 24, 2, 2, Bytes(11, 0)).Build(), data},
        {cutInId.Build().substr(0, 20), data},
    };
    for (const auto& [bytes, text] : cases) {
        TgaImage image;
        std::string failure;
        EXPECT_FALSE(TgaImage::Decode(bytes, image, failure));
        EXPECT_EQ(text, failure) << bytes.size() << " bytes";
        EXPECT_FALSE(image.pixels);
    }
}
