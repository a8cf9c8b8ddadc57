#pragma once

#include <cstdint>
#include <string>

class BattleState;
class Fighter;
class Font;
class LogView;

// The strip of stone under the message log (y 385 to 480): the card of the fighter under
// the pointer, the odds of the attack the player is about to order, team 1's win chance
// and where a scrolled-back log stands. Drawn last in a frame; nothing above it changes.
class InfoStrip {
public:
    static constexpr int32_t kTop = 385;

    // `winPercent` below 0 shows no win chance; without `cards` the pointer shows none
    // (the field is covered).
    static void Draw(BattleState& battle, const LogView& log, int32_t winPercent,
                     bool cards = true);

    // The living fighter whose sprite is under the point, or null.
    static const Fighter* FighterAt(const BattleState& battle, int32_t x, int32_t y);
    // What the fighter is doing, in words: "Shooting at Hesk, 12 actions to go".
    static std::string Activity(const Fighter& fighter);
    // The odds lines for an attack: "Hit 58 %" and the rest.
    static std::string OddsLine(int32_t line, const Fighter& attacker, const Fighter& target,
                                bool melee);

    // Text with a dark shadow, readable on stone and over the field.
    static void Text(Font& font, const std::string& text, int32_t x, int32_t y, float red = 1.0f,
                     float green = 1.0f, float blue = 1.0f);
    // A name in its side's colour.
    static void Name(Font& font, const Fighter& fighter, int32_t x, int32_t y, float shade = 1.0f);

private:
    static void DrawCard(BattleState& battle, const Fighter& fighter);
    static void DrawOdds(BattleState& battle, const Fighter& target);
};
