#include "scenarios/BattleChooser.h"

#include "engine/InputSystem.h"

#include <algorithm>

BattleChooser::BattleChooser(int32_t rows, int32_t picked, int32_t x, int32_t y, bool button)
    : rows_(rows), button_(button), pointerX_(x), pointerY_(y) {
    Pick(picked);
}

void BattleChooser::Pick(int32_t row) {
    picked_ = std::max(0, std::min(row, rows_ - 1));
    if (picked_ < first_) {
        first_ = picked_;
    } else if (picked_ >= first_ + kShown) {
        first_ = picked_ - kShown + 1;
    }
}

BattleChooser::Action BattleChooser::Key(int32_t key) {
    switch (key) {
    case InputSystem::kUp:
        Pick(picked_ - 1);
        return Action::None;
    case InputSystem::kDown:
        Pick(picked_ + 1);
        return Action::None;
    case InputSystem::kEnter:
        return rows_ > 0 ? Action::Start : Action::None;
    case InputSystem::kEscape:
        return Action::Back;
    case 'd':
        return Action::Difficulty;
    default:
        return Action::None;
    }
}

int32_t BattleChooser::RowAt(int32_t x, int32_t y) const {
    if (x >= kDifficultyLeft && x < kRight && y >= kDifficultyTop && y < kTop) {
        return kDifficultyLine;
    }
    if (x < kLeft || x >= kRight || y < kTop) {
        return -1;
    }
    const int32_t row = first_ + (y - kTop) / kRowHeight;
    return row < first_ + kShown && row < rows_ ? row : -1;
}

BattleChooser::Action BattleChooser::Pointer(int32_t x, int32_t y, bool button) {
    const int32_t row = RowAt(x, y);
    const bool pressed = button && !button_, released = !button && button_;
    const bool moved = x != pointerX_ || y != pointerY_;
    button_ = button;
    pointerX_ = x;
    pointerY_ = y;
    if (row >= 0 && (moved || pressed)) { // a pointer at rest leaves the keys' pick alone
        Pick(row);
    }
    if (pressed) {
        pressedRow_ = row;
    } else if (released) {
        const bool click = row != -1 && row == pressedRow_;
        pressedRow_ = -1;
        if (!click) {
            return Action::None;
        }
        return row == kDifficultyLine ? Action::Difficulty : Action::Start;
    }
    return Action::None;
}
