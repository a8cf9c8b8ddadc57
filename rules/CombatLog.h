#pragma once

#include <cstdint>
#include <string>

class BattleState;

// The seven-line message log under the battlefield, oldest line at the top.

// Adds a line made of `pieces` (texts and whole numbers). They are joined only where the log
// is kept: battles played forward headless build no text.
template <typename... Pieces> void AddMessage(BattleState& battle, const Pieces&... pieces);
void DrawMessages(BattleState& battle);

// What AddMessage is made of.
bool KeepsLog(const BattleState& battle);
void AddLine(BattleState& battle, std::string line);
inline void AppendPiece(std::string& line, const std::string& piece) {
    line += piece;
}
inline void AppendPiece(std::string& line, const char* piece) {
    line += piece;
}
inline void AppendPiece(std::string& line, int32_t number) {
    line += std::to_string(number);
}

template <typename... Pieces> void AddMessage(BattleState& battle, const Pieces&... pieces) {
    if (KeepsLog(battle)) {
        std::string line;
        (AppendPiece(line, pieces), ...);
        AddLine(battle, std::move(line));
    }
}
