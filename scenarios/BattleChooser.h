#pragma once

#include <cstdint>

// The chooser's picking rules, without drawing: which row is picked, which rows are shown
// (the list scrolls to keep the picked one in view), and what a key or the pointer asks
// for. Up and Down move the pick and stop at the ends; Enter starts the picked row;
// Escape goes back; D switches the difficulty. The pointer picks the row it moves onto; a
// press and a release on the same row start it, on the difficulty line switch it.
class BattleChooser {
public:
    static constexpr int32_t kLeft = 16, kRight = 624; // rows span these x
    static constexpr int32_t kTop = 48, kRowHeight = 36, kShown = 11;
    // The difficulty line, right of the heading and above the rows.
    static constexpr int32_t kDifficultyLeft = 424, kDifficultyTop = 8;

    enum class Action { None, Start, Back, Difficulty };

    // `rows` rows, `picked` picked; the pointer as it stands when the chooser opens, so that
    // only a move of it picks another.
    explicit BattleChooser(int32_t rows = 0, int32_t picked = 0, int32_t x = -1, int32_t y = -1,
                           bool button = false);

    Action Key(int32_t key);
    // The pointer at (x, y) in game pixels, the left button as it is now.
    Action Pointer(int32_t x, int32_t y, bool button);

    // The row shown at (x, y), kDifficultyLine on the difficulty line, else -1.
    static constexpr int32_t kDifficultyLine = -2;
    int32_t RowAt(int32_t x, int32_t y) const;
    // Top of shown row `row`.
    int32_t RowTop(int32_t row) const { return kTop + (row - first_) * kRowHeight; }

    int32_t Picked() const { return picked_; }
    int32_t First() const { return first_; }
    int32_t Rows() const { return rows_; }

private:
    void Pick(int32_t row);

    int32_t rows_;
    int32_t picked_ = 0;
    int32_t first_ = 0; // the first row shown
    int32_t pressedRow_ = -1;
    bool button_;
    int32_t pointerX_, pointerY_;
};
