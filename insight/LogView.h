#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Which seven lines of the whole log the log's box shows. Unscrolled it shows the newest;
// scrolled back it stays on the same lines until End, or a new line, brings the newest
// back. It never scrolls past the oldest line nor below the newest.
class LogView {
public:
    static constexpr int32_t kPage = 7;

    // Lines scrolled back from the newest; 0 shows the newest.
    int32_t Back() const { return back_; }
    // Scrolls `lines` back (negative: forward) through a log of `total` lines.
    void Scroll(int32_t lines, std::size_t total);
    void ToNewest() { back_ = 0; }
    // Called every frame with the log's length: a line written since returns to the newest.
    void Follow(std::size_t total);

    // The first shown line's place in the whole log and how many lines are shown.
    std::size_t First(std::size_t total) const;
    std::size_t Shown(std::size_t total) const;

private:
    int32_t back_ = 0;
    std::size_t seen_ = 0;
};
