#include "graphics/TgaImage.h"

#include "tests/graphics/TgaBytes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

const std::string kHeaderError = "\tError reading file header\n";
const std::string kTypeError = "\tUnsupported TGA format. Only uncompressed RGB & colour mapped "
                               "images are currently supported\n";
const std::string kDepthError =
    "\tUnsupported TGA format. Only 8, 24 & 32 bit images are supported\n";
const std::string kMemoryError = "\tNot enough memory to load image\n";
const std::string kDataError = "\tError reading image data\n";

TgaBytes Picture(uint8_t type, uint8_t depth, uint16_t width, uint16_t height, Bytes pixels) {
    return {type, depth, width, height, "", 0, 0, std::move(pixels)};
}

Bytes Texels(const std::string& bytes) {
    TgaImage image;
    std::string failure;
    EXPECT_TRUE(TgaImage::Decode(bytes, image, failure)) << failure;
    return Bytes(image.pixels.get(), image.pixels.get() + image.BufferSize());
}

std::string Failure(const std::string& bytes) {
    TgaImage image;
    std::string failure;
    EXPECT_FALSE(TgaImage::Decode(bytes, image, failure));
    EXPECT_FALSE(image.pixels);
    return failure;
}

} // namespace

// Type 2 turns blue-green-red into RGBA: 24-bit pixels are opaque unless exactly magenta,
// 32-bit ones (and 8-bit ones, read as four bytes too) keep their own alpha. Types 1 and 3
// are one byte a pixel, uploaded as alpha, whatever the depth says.
TEST(TgaImage, EveryTypeAndDepthDecodes) {
    const Bytes grey = {0, 1, 2, 3, 4, 255};
    struct Case {
        TgaBytes tga;
        bool alphaOnly;
        Bytes texels;
    };
    std::vector<Case> cases = {
        {Picture(2, 24, 3, 1, {10, 20, 30, /**/ 255, 0, 255, /**/ 254, 0, 255}),
         false,
         {30, 20, 10, 255, /**/ 255, 0, 255, 0, /**/ 255, 0, 254, 255}},
        {Picture(2, 32, 2, 1, {255, 0, 255, 200, /**/ 1, 2, 3, 0}),
         false,
         {255, 0, 255, 200, /**/ 3, 2, 1, 0}},
        {Picture(2, 8, 2, 1, {1, 2, 3, 4, /**/ 5, 6, 7, 8}), false, {3, 2, 1, 4, /**/ 7, 6, 5, 8}},
        {Picture(2, 24, 0, 5, {}), false, {}},
    };
    for (uint8_t type : {1, 3}) {
        for (uint8_t depth : {8, 24, 32}) {
            // Odd rows: no padding between them.
            cases.push_back({Picture(type, depth, 3, 2, grey), true, grey});
        }
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "type " << int(c.tga.type) << " depth " << int(c.tga.depth));
        std::string bytes = c.tga.Build();
        bytes[17] = 0x20; // top-left origin: rows still stay in file order
        TgaImage image;
        std::string failure;
        ASSERT_TRUE(TgaImage::Decode(bytes, image, failure)) << failure;
        EXPECT_EQ(c.tga.width, image.width);
        EXPECT_EQ(c.tga.height, image.height);
        EXPECT_EQ(c.alphaOnly, image.alphaOnly);
        EXPECT_EQ(c.texels, Bytes(image.pixels.get(), image.pixels.get() + image.BufferSize()));
    }
}

// The palette would paint everything green if it were applied.
TEST(TgaImage, SkipsIdFieldAndColourMapWithoutApplyingThePalette) {
    TgaBytes tga = Picture(2, 24, 2, 1, {1, 2, 3, 4, 5, 6});
    tga.id = std::string(17, 'x');
    tga.mapLength = 256;
    tga.mapEntryBits = 24;
    ASSERT_EQ(18u + 17 + 768 + 6, tga.Build().size());
    EXPECT_EQ((Bytes{3, 2, 1, 255, 6, 5, 4, 255}), Texels(tga.Build()));
}

TEST(TgaImage, BadHeadersFailWithTheirTexts) {
    const std::string whole = Picture(2, 24, 1, 1, {1, 2, 3}).Build();
    for (std::size_t length = 0; length < 18; ++length) {
        EXPECT_EQ(kHeaderError, Failure(whole.substr(0, length))) << length;
    }
    for (uint8_t type : {0, 9, 10, 11, 32}) {
        EXPECT_EQ(kTypeError, Failure(Picture(type, 24, 1, 1, {1, 2, 3}).Build())) << int(type);
    }
    for (uint8_t depth : {0, 15, 16, 31, 64}) {
        EXPECT_EQ(kDepthError, Failure(Picture(2, depth, 1, 1, {1, 2, 3, 4}).Build()))
            << int(depth);
    }
    // The type is checked first.
    EXPECT_EQ(kTypeError, Failure(Picture(10, 16, 1, 1, {1, 2}).Build()));
}

TEST(TgaImage, MissingPixelsFail) {
    // One byte short of four 24-bit pixels.
    EXPECT_EQ(kDataError, Failure(Picture(2, 24, 2, 2, Bytes(11, 0)).Build()));

    // Cut inside the ID field: the skip is not checked, the pixels are.
    TgaBytes cut = Picture(2, 24, 1, 1, {1, 2, 3});
    cut.id = "abcdef";
    EXPECT_EQ(kDataError, Failure(cut.Build().substr(0, 20)));
}

// 65535 x 65535 at four bytes would need 16 GiB: refused up front, never half-allocated.
// Just over the cap fails the same way; just under is a short file instead.
TEST(TgaImage, HugePicturesFailAsOutOfMemory) {
    EXPECT_EQ(kMemoryError, Failure(Picture(2, 32, 65535, 65535, {}).Build()));
    EXPECT_EQ(kMemoryError, Failure(Picture(2, 32, 8193, 8192, {}).Build()));
    EXPECT_EQ(kDataError, Failure(Picture(2, 32, 8192, 8192, {}).Build()));
}
