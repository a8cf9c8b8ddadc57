#include "graphics/TgaImage.h"

#include <algorithm>
#include <new>

namespace {

const char kHeaderError[] = "\tError reading file header\n";
const char kTypeError[] = "\tUnsupported TGA format. Only uncompressed RGB & colour mapped images "
                          "are currently supported\n";
const char kDepthError[] = "\tUnsupported TGA format. Only 8, 24 & 32 bit images are supported\n";
const char kMemoryError[] = "\tNot enough memory to load image\n";
const char kDataError[] = "\tError reading image data\n";

constexpr std::size_t kHeaderSize = 18;

uint32_t Word(const std::string& bytes, std::size_t offset) {
    return static_cast<uint8_t>(bytes[offset]) |
           (static_cast<uint32_t>(static_cast<uint8_t>(bytes[offset + 1])) << 8);
}

} // namespace

std::size_t TgaImage::BufferSize() const {
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    return alphaOnly ? count : count * 4;
}

bool TgaImage::Decode(const std::string& bytes, TgaImage& image, std::string& failure) {
    image = TgaImage();
    if (bytes.size() < kHeaderSize) {
        failure = kHeaderError;
        return false;
    }
    const auto byteAt = [&bytes](std::size_t offset) {
        return static_cast<uint32_t>(static_cast<uint8_t>(bytes[offset]));
    };
    const uint32_t idLength = byteAt(0);
    const uint32_t imageType = byteAt(2);
    const uint32_t mapLength = Word(bytes, 5);
    const uint32_t mapEntryBits = byteAt(7);
    const uint32_t width = Word(bytes, 12);
    const uint32_t height = Word(bytes, 14);
    const uint32_t depth = byteAt(16);

    if (imageType != 1 && imageType != 2 && imageType != 3) {
        failure = kTypeError;
        return false;
    }
    if (depth != 8 && depth != 24 && depth != 32) {
        failure = kDepthError;
        return false;
    }

    // A file that ends inside the ID field or colour map fails later, at the pixels.
    std::size_t offset = kHeaderSize + idLength + (mapEntryBits / 8) * mapLength;
    if (offset > bytes.size()) {
        offset = bytes.size();
    }

    // The type decides first: colour-mapped and greyscale pictures are one byte per pixel
    // whatever the depth says; a type-2 picture is three bytes only at 24 bits.
    const bool oneByte = imageType != 2;
    const bool keyed = !oneByte && depth == 24;
    const std::size_t fileBytesPerPixel = oneByte ? 1 : keyed ? 3 : 4;

    // Both sides are at most 65535, so these products fit in 64 bits.
    const uint64_t pixelCount = static_cast<uint64_t>(width) * height;
    const uint64_t bufferSize = oneByte ? pixelCount : pixelCount * 4;
    if (bufferSize > kMaxBufferBytes) {
        failure = kMemoryError;
        return false;
    }
    // A short file would fail at its first missing row; finding that out before
    // allocating gives the same answer without a large allocation.
    const uint64_t fileBytes = pixelCount * fileBytesPerPixel;
    if (fileBytes > bytes.size() - offset) {
        failure = kDataError;
        return false;
    }
    std::unique_ptr<uint8_t[]> pixels(new (std::nothrow)
                                          uint8_t[static_cast<std::size_t>(bufferSize)]);
    if (!pixels) {
        failure = kMemoryError;
        return false;
    }

    const auto* in = reinterpret_cast<const uint8_t*>(bytes.data()) + offset;
    uint8_t* out = pixels.get();
    if (oneByte) {
        std::copy(in, in + fileBytes, out);
    } else {
        for (uint64_t i = 0; i < pixelCount; ++i, in += fileBytesPerPixel, out += 4) {
            const uint8_t blue = in[0];
            const uint8_t green = in[1];
            const uint8_t red = in[2];
            out[0] = red;
            out[1] = green;
            out[2] = blue;
            if (keyed) {
                // Magenta is the see-through colour of the game's 24-bit pictures.
                out[3] = (red == 255 && green == 0 && blue == 255) ? 0 : 255;
            } else {
                out[3] = in[3];
            }
        }
    }

    image.width = static_cast<int32_t>(width);
    image.height = static_cast<int32_t>(height);
    image.alphaOnly = oneByte;
    image.pixels = std::move(pixels);
    return true;
}
