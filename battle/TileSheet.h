#pragma once

// Cells of the tile sheet (images\vntiles.tga): where in the sheet the battle finds each
// picture it draws, in sheet pixels. Cells are 16 x 16 unless said otherwise.
constexpr float kCell = 16.0f;
constexpr float kGroundX = 0.0f, kGroundY = 16.0f;
constexpr float kTeam1X = 0.0f, kTeam2X = 80.0f, kFighterCellY = 0.0f;
constexpr float kHealthBarX = 240.0f, kHealthBarY = 254.0f; // bars are one row high
constexpr float kCountdownBarX = 240.0f, kCountdownBarY = 240.0f;
constexpr float kMarkerX = 64.0f, kMarkerY = 240.0f;
constexpr float kHitPointsIconX = 48.0f, kMissileIconX = 32.0f, kSpeedIconX = 16.0f,
                kMeleeIconX = 0.0f, kIconY = 240.0f;
constexpr float kRingX = 0.0f, kRingY = 32.0f, kRingSize = 32.0f;
// Laid over the battlefield once a battle is over.
constexpr float kBannerX = 0.0f, kBannerY = 64.0f, kBannerWidth = 200.0f, kBannerHeight = 52.0f;

// Every cell above as a rectangle, for checking that a sheet holds them all.
struct TileCell {
    float x, y, width, height;
};
constexpr TileCell kTileCells[] = {
    {kGroundX, kGroundY, kCell, kCell},
    {kTeam1X, kFighterCellY, kCell, kCell},
    {kTeam2X, kFighterCellY, kCell, kCell},
    {kHealthBarX, kHealthBarY, kCell, 1.0f},
    {kCountdownBarX, kCountdownBarY, kCell, 1.0f},
    {kMarkerX, kMarkerY, kCell, kCell},
    {kHitPointsIconX, kIconY, kCell, kCell},
    {kMissileIconX, kIconY, kCell, kCell},
    {kSpeedIconX, kIconY, kCell, kCell},
    {kMeleeIconX, kIconY, kCell, kCell},
    {kRingX, kRingY, kRingSize, kRingSize},
    {kBannerX, kBannerY, kBannerWidth, kBannerHeight},
};
