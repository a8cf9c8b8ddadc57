#include "insight/Debriefing.h"

#include "battle/BattleState.h"
#include "battle/TileSheet.h"
#include "graphics/Font.h"
#include "graphics/VideoSystem.h"
#include "insight/InfoStrip.h"

#include <string>

namespace {

// The battlefield's square, covered by two bands cut from the plain dark backing of the
// background's command panel.
constexpr int32_t kField = 8, kFieldSize = 256;
constexpr float kBackingX = 272.0f, kBackingY = 123.0f, kBackingAlpha = 1.0f;

constexpr int32_t kTitleY = 14, kHeadY = 38, kFirstRowY = 58, kRowHeight = 19;
constexpr int32_t kPictureX = 12, kNameX = 31;
const char* const kHeads[] = {"Kills", "Dealt", "Taken", "Hits"};
constexpr int32_t kColumnRight[] = {114, 158, 208, 258}; // numbers are right-aligned
const char kFooter[] = "Tab hides this, R fights again";
constexpr float kFallen = 0.35f;

void Right(Font& font, const std::string& text, int32_t right, int32_t y, float shade) {
    InfoStrip::Text(font, text, right - font.TextWidth(text), y, shade, shade, shade);
}

} // namespace

std::string Debriefing::Headline(const BattleState& battle) {
    const char* outcome = battle.outcome == BattleOutcome::Victory ? "Victory!" : "Defeat!";
    return std::string(outcome) + " after " + std::to_string(battle.turn) +
           (battle.turn == 1 ? " turn" : " turns");
}

void Debriefing::Draw(BattleState& battle) {
    for (int32_t band = 0; band < 2; ++band) {
        gVideo->DrawSpriteRegion(battle.background, kBackingX, kBackingY, kFieldSize,
                                 kFieldSize / 2.0f, kField, kField + band * kFieldSize / 2, 1.0f,
                                 1.0f, 1.0f, kBackingAlpha);
    }
    Font& font = *battle.font;
    const std::string title = Headline(battle);
    InfoStrip::Text(font, title, kField + (kFieldSize - font.TextWidth(title)) / 2, kTitleY);
    for (int32_t column = 0; column < 4; ++column) {
        Right(font, kHeads[column], kColumnRight[column], kHeadY, 0.85f);
    }
    int32_t y = kFirstRowY;
    for (std::size_t place = 0; place < battle.fighters.size(); ++place, y += kRowHeight) {
        const Fighter& fighter = *battle.fighters[place];
        const FighterCounts counts = battle.counts.At(place);
        const float shade = fighter.dead ? kFallen : 1.0f;
        gVideo->DrawSpriteRegion(battle.tiles, fighter.team == 1 ? kTeam1X : kTeam2X, kFighterCellY,
                                 kCell, kCell, kPictureX, y, shade, shade, shade, 1.0f);
        InfoStrip::Name(font, fighter, kNameX, y, fighter.dead ? 0.6f : 1.0f);
        const std::string values[] = {std::to_string(counts.kills), std::to_string(counts.dealt),
                                      std::to_string(counts.taken),
                                      std::to_string(counts.hits) + "/" +
                                          std::to_string(counts.attacks)};
        for (int32_t column = 0; column < 4; ++column) {
            Right(font, values[column], kColumnRight[column], y, fighter.dead ? 0.6f : 1.0f);
        }
    }
    InfoStrip::Text(font, kFooter, kField + (kFieldSize - font.TextWidth(kFooter)) / 2,
                    kField + kFieldSize - 20, 0.85f, 0.85f, 0.7f);
}
