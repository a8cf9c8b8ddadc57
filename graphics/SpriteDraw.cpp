#include "graphics/SpriteDraw.h"

#include "engine/NumberConversion.h"

#include <cstring>

namespace {

bool SameBits(float a, float b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A float holds every whole number up to 2^24 exactly; within this range the translation
// and the projection stay well under a pixel off.
constexpr int64_t kExactRange = int64_t{1} << 22;

} // namespace

int32_t SpriteDraw::QuadWidth() const {
    return TruncateToInt(whole ? texture.width : sourceWidth);
}

int32_t SpriteDraw::QuadHeight() const {
    return TruncateToInt(whole ? texture.height : sourceHeight);
}

ScreenRect SpriteDraw::Bounds(const ScreenRect& frame) const {
    const int64_t x0 = x;
    const int64_t y0 = y;
    const int64_t x1 = x0 + QuadWidth();
    const int64_t y1 = y0 + QuadHeight();
    if (x0 == x1 || y0 == y1) {
        return {};
    }
    for (const int64_t corner : {x0, y0, x1, y1}) {
        if (corner < -kExactRange || corner > kExactRange) {
            return frame;
        }
    }
    // Within the exact range every value fits in 32 bits, margin included.
    const ScreenRect quad{
        static_cast<int32_t>(std::min(x0, x1) - 1), static_cast<int32_t>(std::min(y0, y1) - 1),
        static_cast<int32_t>(std::max(x0, x1) + 1), static_cast<int32_t>(std::max(y0, y1) + 1)};
    return quad.Within(frame);
}

bool SpriteDraw::operator==(const SpriteDraw& other) const {
    return whole == other.whole && texture.id == other.texture.id &&
           SameBits(texture.width, other.texture.width) &&
           SameBits(texture.height, other.texture.height) && SameBits(sourceX, other.sourceX) &&
           SameBits(sourceY, other.sourceY) && SameBits(sourceWidth, other.sourceWidth) &&
           SameBits(sourceHeight, other.sourceHeight) && x == other.x && y == other.y &&
           SameBits(red, other.red) && SameBits(green, other.green) && SameBits(blue, other.blue) &&
           SameBits(alpha, other.alpha);
}
