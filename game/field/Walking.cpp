// Walking on the field: the held direction keys move the hero by an eighth
// of a cell per frame, and the terrain decides where he may stand.
#include "game/field/Walking.h"

#include "game/core/Game.h"
#include "game/core/TerrainCodes.h"
#include "game/view/FieldView.h"

namespace zanbora {

namespace {

// Key combinations in the order they are tried, with the facing and step
// of each. A blocked diagonal falls back to its horizontal and then its
// vertical part, so the hero slides along walls.
struct Attempt {
    int keyA, keyB;  // indexes into KeyState; keyB < 0 for a single key
    int facing, stepY, stepX;
};
constexpr int kLeft = 0, kUp = 1, kRight = 2, kDown = 3;
constexpr Attempt kAttempts[] = {
    {kLeft, kDown, 2, +1, -1}, {kDown, kRight, 2, +1, +1}, {kUp, kLeft, 0, -1, -1}, {kRight, kUp, 0, -1, +1},
    {kLeft, -1, 3, 0, -1},     {kRight, -1, 1, 0, +1},     {kDown, -1, 2, +1, 0},   {kUp, -1, 0, -1, 0},
};

void TryHeldDirections(Game& game) {
    const bool* held = game.keys.KeyState;
    FieldState& field = game.field;
    for (const Attempt& attempt : kAttempts) {
        if (!held[attempt.keyA] || (attempt.keyB >= 0 && !held[attempt.keyB])) continue;
        field.Facing = attempt.facing;
        field.StepY = attempt.stepY;
        field.StepX = attempt.stepX;
        CHK(game);
        if (field.Moved == 1) return;
    }
}

}  // namespace

void LeaveFootPoint(Game& game) {
    game.player.HeroX -= 0.5;
    game.player.HeroY -= 0.9;
}

void CHK(Game& game) {
    FieldState& field = game.field;
    const double step = 0.125 * game.clock.DrawSkip;
    const double x = game.player.HeroX + field.StepX * step, y = game.player.HeroY + field.StepY * step;
    if (IsWalkableTerrain(game.map.terrainAt(Int(x), Int(y)))) {
        field.Moved = 1;
        field.WalkFrame += field.WalkStep;
        game.player.HeroX = x;
        game.player.HeroY = y;
    }
    if (field.WalkFrame >= 2 || field.WalkFrame <= 0) {
        field.WalkStep = -field.WalkStep;
        if (field.WalkFrame >= 3 || field.WalkFrame <= -1) field.WalkFrame = 1;
    }
}

bool WalkOneFrame(Game& game) {
    FieldState& field = game.field;
    const bool* held = game.keys.KeyState;
    game.player.HeroX += 0.5;
    game.player.HeroY += 0.9;

    if (!(held[kLeft] && held[kRight]) && !(held[kUp] && held[kDown])) TryHeldDirections(game);

    field.Moved = 0;
    DrawField(game);
    if (!held[kLeft] && !held[kUp] && !held[kRight] && !held[kDown]) {
        field.WalkStep = 1;
        field.WalkFrame = 0;
    }

    const int cellX = Int(game.player.HeroX), cellY = Int(game.player.HeroY);
    if (cellX == field.LastCellX && cellY == field.LastCellY) return false;
    field.LastCellX = cellX;
    field.LastCellY = cellY;
    return true;
}

}  // namespace zanbora
