#include "graphics/FrameDamage.h"

#include <algorithm>

namespace {

// Two rectangles whose union wastes less than this many pixels are cheaper drawn as one.
constexpr int64_t kJoinSlack = 32 * 32;

int64_t Growth(const ScreenRect& a, const ScreenRect& b) {
    return a.Joined(b).Area() - a.Area() - b.Area();
}

} // namespace

const std::vector<ScreenRect>& FrameDamage::Between(const std::vector<SpriteDraw>& before,
                                                    const std::vector<SpriteDraw>& after,
                                                    const ScreenRect& frame) {
    region_.clear();
    if (!MarkUnmatched(before, after, frame)) {
        region_.assign(1, frame);
    }
    return region_;
}

bool FrameDamage::MarkUnmatched(const std::vector<SpriteDraw>& before,
                                const std::vector<SpriteDraw>& after, const ScreenRect& frame) {
    const int64_t n = static_cast<int64_t>(before.size());
    const int64_t m = static_cast<int64_t>(after.size());
    const int64_t most = std::min<int64_t>(n + m, kMostEdits);
    // Diagonal k (x - y, from -most to most) at furthest_[k + offset]; one spare each side.
    const int64_t offset = most + 1;
    furthest_.assign(static_cast<std::size_t>(2 * most + 3), 0);
    trace_.clear();
    const auto at = [&](int64_t k) -> int32_t& {
        return furthest_[static_cast<std::size_t>(k + offset)];
    };
    int64_t edits = -1;
    for (int64_t d = 0; d <= most && edits < 0; ++d) {
        for (int64_t k = -d; k <= d; k += 2) {
            // From the diagonal above (a draw of `after` added) or below (one of `before`
            // removed), whichever reaches further.
            int64_t x = (k == -d || (k != d && at(k - 1) < at(k + 1))) ? at(k + 1) : at(k - 1) + 1;
            int64_t y = x - k;
            while (x < n && y < m &&
                   before[static_cast<std::size_t>(x)] == after[static_cast<std::size_t>(y)]) {
                ++x;
                ++y;
            }
            at(k) = static_cast<int32_t>(x);
            if (x >= n && y >= m) {
                edits = d;
                break;
            }
        }
        // Round d's diagonals -d..d start at d * d in the trace.
        trace_.insert(trace_.end(), furthest_.begin() + (offset - d),
                      furthest_.begin() + (offset + d + 1));
    }
    if (edits < 0) {
        return false;
    }

    // Walk back from the end: each round added exactly one unmatched draw.
    int64_t x = n;
    int64_t y = m;
    for (int64_t d = edits; d > 0; --d) {
        const int64_t k = x - y;
        const auto previous = [&](int64_t diagonal) {
            return trace_[static_cast<std::size_t>((d - 1) * (d - 1) + diagonal + d - 1)];
        };
        const bool added = k == -d || (k != d && previous(k - 1) < previous(k + 1));
        const int64_t fromK = added ? k + 1 : k - 1;
        const int64_t fromX = previous(fromK);
        const int64_t fromY = fromX - fromK;
        const SpriteDraw& unmatched = added ? after[static_cast<std::size_t>(fromY)]
                                            : before[static_cast<std::size_t>(fromX)];
        Add(region_, unmatched.Bounds(frame));
        x = fromX;
        y = fromY;
    }
    return true;
}

void FrameDamage::Add(std::vector<ScreenRect>& region, ScreenRect rect) {
    if (rect.Empty()) {
        return;
    }
    // A grown rectangle can now join others, so look again from the start.
    for (std::size_t i = 0; i < region.size();) {
        if (Growth(region[i], rect) <= kJoinSlack) {
            rect = region[i].Joined(rect);
            region.erase(region.begin() + static_cast<std::ptrdiff_t>(i));
            i = 0;
        } else {
            ++i;
        }
    }
    region.push_back(rect);
    if (region.size() <= kMostRects) {
        return;
    }
    std::size_t first = 0;
    std::size_t second = 1;
    for (std::size_t i = 0; i < region.size(); ++i) {
        for (std::size_t j = i + 1; j < region.size(); ++j) {
            if (Growth(region[i], region[j]) < Growth(region[first], region[second])) {
                first = i;
                second = j;
            }
        }
    }
    region[first] = region[first].Joined(region[second]);
    region.erase(region.begin() + static_cast<std::ptrdiff_t>(second));
}
