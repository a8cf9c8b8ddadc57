#include "graphics/TgaImage.h"

#include "tests/graphics/TgaBytes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const std::string kHeaderError = "\tError reading file header\n";
const std::string kTypeError = "\tUnsupported TGA format. Only uncompressed RGB & colour mapped "
                               "images are currently supported\n";
const std::string kDepthError =
    "\tUnsupported TGA format. Only 8, 24 & 32 bit images are supported\n";
const std::string kMemoryError = "\tNot enough memory to load image\n";
const std::string kDataError = "\tError reading image data\n";

std::vector<uint8_t> Texels(const TgaImage& image) {
    return std::vector<uint8_t>(image.pixels.get(), image.pixels.get() + image.BufferSize());
}

std::string Fail(const TgaBytes& tga) {
    TgaImage image;
    std::string failure;
    EXPECT_FALSE(TgaImage::Decode(tga.Build(), image, failure));
    EXPECT_FALSE(image.pixels);
    return failure;
}

TgaImage Decode(const std::string& bytes) {
    TgaImage image;
    std::string failure;
    EXPECT_TRUE(TgaImage::Decode(bytes, image, failure)) << failure;
    return image;
}

} // namespace

// 24-bit pixels are stored blue, green, red; each becomes RGBA, opaque unless magenta.
TEST(TgaImage, TrueColour24BitSwapsToRgbaAndKeysOutOnlyExactMagenta) {
    TgaBytes tga;
    tga.width = 3;
    tga.pixels = {10, 20, 30, /**/ 255, 0, 255, /**/ 254, 0, 255};
    const TgaImage image = Decode(tga.Build());
    EXPECT_FALSE(image.alphaOnly);
    EXPECT_EQ(3, image.width);
    EXPECT_EQ(1, image.height);
    EXPECT_EQ((std::vector<uint8_t>{30, 20, 10, 255, /**/ 255, 0, 255, 0, /**/ 255, 0, 254, 255}),
              Texels(image));
}

TEST(TgaImage, TrueColour32BitKeepsItsOwnAlphaAndMagenta) {
    TgaBytes tga;
    tga.depth = 32;
    tga.width = 2;
    tga.pixels = {255, 0, 255, 200, /**/ 1, 2, 3, 0};
    EXPECT_EQ((std::vector<uint8_t>{255, 0, 255, 200, /**/ 3, 2, 1, 0}),
              Texels(Decode(tga.Build())));
}

// An 8-bit type-2 picture is read as four bytes a pixel, like a 32-bit one.
TEST(TgaImage, TrueColour8BitReadsFourBytesAPixel) {
    TgaBytes tga;
    tga.depth = 8;
    tga.width = 2;
    tga.pixels = {1, 2, 3, 4, 5, 6, 7, 8};
    const TgaImage image = Decode(tga.Build());
    EXPECT_FALSE(image.alphaOnly);
    EXPECT_EQ((std::vector<uint8_t>{3, 2, 1, 4, 7, 6, 5, 8}), Texels(image));
}

// Colour-mapped and greyscale pictures are one byte a pixel whatever the depth field says.
TEST(TgaImage, MappedAndGreyscaleAreOneByteAPixelAtEveryDepth) {
    for (uint8_t type : {1, 3}) {
        for (uint8_t depth : {8, 24, 32}) {
            SCOPED_TRACE(testing::Message() << "type " << int(type) << " depth " << int(depth));
            TgaBytes tga;
            tga.type = type;
            tga.depth = depth;
            tga.width = 3; // odd row length: no padding between rows
            tga.height = 2;
            tga.pixels = {0, 1, 2, 3, 4, 255};
            const TgaImage image = Decode(tga.Build());
            EXPECT_TRUE(image.alphaOnly);
            EXPECT_EQ(tga.pixels, Texels(image));
        }
    }
}

// Rows stay in the order of the file, whatever the descriptor's origin bit says.
TEST(TgaImage, RowsKeepFileOrder) {
    TgaBytes tga;
    tga.type = 3;
    tga.depth = 8;
    tga.width = 1;
    tga.height = 3;
    tga.pixels = {10, 20, 30};
    std::string bytes = tga.Build();
    bytes[17] = 0x20; // top-left origin
    EXPECT_EQ((std::vector<uint8_t>{10, 20, 30}), Texels(Decode(bytes)));
}

TEST(TgaImage, SkipsIdFieldAndColourMapWithoutApplyingThePalette) {
    TgaBytes tga;
    tga.id = std::string(17, 'x');
    tga.mapLength = 256;
    tga.mapEntryBits = 24;
    tga.width = 2;
    tga.pixels = {1, 2, 3, 4, 5, 6};
    const std::string bytes = tga.Build();
    ASSERT_EQ(18u + 17 + 768 + 6, bytes.size());
    EXPECT_EQ((std::vector<uint8_t>{3, 2, 1, 255, 6, 5, 4, 255}), Texels(Decode(bytes)));
}

// A 15-bit map entry rounds down to one byte per entry.
TEST(TgaImage, ColourMapEntryBytesRoundDown) {
    TgaBytes tga;
    tga.type = 1;
    tga.depth = 8;
    tga.mapLength = 4;
    tga.mapEntryBits = 15;
    tga.pixels = {77};
    EXPECT_EQ((std::vector<uint8_t>{77}), Texels(Decode(tga.Build())));
}

TEST(TgaImage, SizeComesFromTheHeader) {
    TgaBytes tga;
    tga.type = 3;
    tga.depth = 8;
    tga.width = 256;
    tga.height = 128;
    tga.pixels.assign(256 * 128, 9);
    const TgaImage image = Decode(tga.Build());
    EXPECT_EQ(256, image.width);
    EXPECT_EQ(128, image.height);
}

TEST(TgaImage, EmptyPictureDecodes) {
    TgaBytes tga;
    tga.width = 0;
    tga.height = 5;
    const TgaImage image = Decode(tga.Build());
    EXPECT_EQ(0, image.width);
    EXPECT_EQ(0u, image.BufferSize());
}

TEST(TgaImage, UnsupportedTypesAndDepthsFailWithTheirTexts) {
    for (uint8_t type : {0, 9, 10, 11, 32}) {
        TgaBytes tga;
        tga.type = type;
        EXPECT_EQ(kTypeError, Fail(tga)) << int(type);
    }
    for (uint8_t depth : {0, 15, 16, 31, 64}) {
        TgaBytes tga;
        tga.depth = depth;
        EXPECT_EQ(kDepthError, Fail(tga)) << int(depth);
    }
    // The type is checked first.
    TgaBytes both;
    both.type = 10;
    both.depth = 16;
    EXPECT_EQ(kTypeError, Fail(both));
}

TEST(TgaImage, EveryShortHeaderFails) {
    TgaBytes tga;
    tga.pixels = {1, 2, 3};
    const std::string full = tga.Build();
    for (std::size_t length = 0; length < 18; ++length) {
        TgaImage image;
        std::string failure;
        EXPECT_FALSE(TgaImage::Decode(full.substr(0, length), image, failure));
        EXPECT_EQ(kHeaderError, failure) << length;
    }
}

TEST(TgaImage, MissingPixelsFail) {
    TgaBytes tga;
    tga.width = 2;
    tga.height = 2;
    tga.pixels.assign(11, 0); // one byte short of four 24-bit pixels
    EXPECT_EQ(kDataError, Fail(tga));

    // Cut inside the ID field: the skip is not checked, the pixels are.
    TgaBytes cut;
    cut.id = "abcdef";
    cut.pixels = {1, 2, 3};
    TgaImage image;
    std::string failure;
    EXPECT_FALSE(TgaImage::Decode(cut.Build().substr(0, 20), image, failure));
    EXPECT_EQ(kDataError, failure);
}

// 65535 x 65535 at four bytes would need 16 GiB: refused up front, never half-allocated.
TEST(TgaImage, HugePicturesFailAsOutOfMemory) {
    TgaBytes tga;
    tga.depth = 32;
    tga.width = 65535;
    tga.height = 65535;
    EXPECT_EQ(kMemoryError, Fail(tga));

    // Just over the cap fails the same way; just under is a short file instead.
    TgaBytes over;
    over.depth = 32;
    over.width = 8193;
    over.height = 8192;
    EXPECT_EQ(kMemoryError, Fail(over));
    TgaBytes under;
    under.depth = 32;
    under.width = 8192;
    under.height = 8192;
    EXPECT_EQ(kDataError, Fail(under));
}
