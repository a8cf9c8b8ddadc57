#pragma once

#include "graphics/ScreenRect.h"
#include "graphics/SpriteDraw.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Where the picture of one list of sprite draws can differ from another's, both drawn in
// order over a cleared frame. A pixel's colour depends only on the draws that cover it,
// in their order; so the two lists are matched in order (the longest common subsequence,
// Myers' diff) and every draw left unmatched on either side marks its pixels. Outside
// those, a pixel is covered by the same draws in the same order in both frames and shows
// the same colour. The scratch space is kept between calls, so a frame allocates nothing.
class FrameDamage {
public:
    // More differences than this and the lists are taken as unrelated: the whole frame.
    static constexpr int32_t kMostEdits = 256;
    // Each rectangle costs a pass over the draws; more are merged into their neighbours.
    static constexpr std::size_t kMostRects = 8;

    // Rectangles within `frame` covering every pixel where `after` can paint differently
    // from `before`; none when the pictures are the same. Valid until the next call.
    const std::vector<ScreenRect>& Between(const std::vector<SpriteDraw>& before,
                                           const std::vector<SpriteDraw>& after,
                                           const ScreenRect& frame);

    // Adds `rect` to `region`, folding it into a rectangle it joins at little cost in
    // area, and keeping at most kMostRects by merging the pair that grows least.
    static void Add(std::vector<ScreenRect>& region, ScreenRect rect);

private:
    // False when the lists differ in more than kMostEdits draws.
    bool MarkUnmatched(const std::vector<SpriteDraw>& before, const std::vector<SpriteDraw>& after,
                       const ScreenRect& frame);

    std::vector<int32_t> furthest_; // per diagonal, how far along `before` a path reaches
    std::vector<int32_t> trace_;    // furthest_ after each round, for walking back
    std::vector<ScreenRect> region_;
};
