#include "insight/LogView.h"

#include <algorithm>

namespace {
constexpr std::size_t kPageLines = LogView::kPage;

int64_t Furthest(std::size_t total) {
    return total > kPageLines ? static_cast<int64_t>(total - kPageLines) : 0;
}
} // namespace

void LogView::Scroll(int32_t lines, std::size_t total) {
    back_ = static_cast<int32_t>(std::clamp(int64_t{back_} + lines, int64_t{0}, Furthest(total)));
    seen_ = total;
}

void LogView::Follow(std::size_t total) {
    if (total != seen_) {
        back_ = 0;
        seen_ = total;
    }
}

std::size_t LogView::First(std::size_t total) const {
    const int64_t back = std::min(int64_t{back_}, Furthest(total));
    return total - Shown(total) - static_cast<std::size_t>(back);
}

std::size_t LogView::Shown(std::size_t total) const {
    return std::min(total, kPageLines);
}
