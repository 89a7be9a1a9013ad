#include "game/view/SlideSprite.h"

#include <cmath>

#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Raster.h"
#include "game/view/FieldView.h"
#include "game/view/StatusPanel.h"
#include "game/view/TileTable.h"

namespace zanbora {

namespace {

// The hundredths of a position, as the projection reads them.
double Fraction(double v) { return double(std::llround(v * 100) % 100) / 100; }

// One frame with the sprite at cell offset (dx, dy) from the hero, on the
// same tilted plane as the field's own event sprites.
void SlideFrame(Game& game, int sprite, double dx, double dy) {
    game.Pic.clear();
    DrawField(game);
    game.field.CellEvent = sprite;
    const double fx = Fraction(game.player.HeroX), fy = Fraction(game.player.HeroY);
    const int x = Int(160 + 3 * (dx - fx) * (13 + dy - fy));
    const int y = Int(80 + 3 * (dy + 5 - fy) * (dy + 5 - fy) + std::fabs(dx - fx));
    const int size = Int(2 * (dy - fy + 1)) + 25;
    int sx = 0, sy = 0;
    if (EventSpriteOf(sprite, sx, sy))
        MaskPaintStretch(game.sheets.PIC_U, x + 5, y, size, size, game.sheets.item_c, sx, sy + kEventSprite, sx, sy,
                         kEventSprite, kEventSprite);
    DrawHero(game);
    DrawStatusPanel(game);
    Present(game);
    Wait(game, 100 * game.clock.DrawSkip);
}

}  // namespace

void SlideSpriteX(Game& game, double from, double to, int sprite, double dy) {
    const double step = game.clock.DrawSkip * 0.125;
    for (double dx = from; dx <= to + 1e-9; dx += step) SlideFrame(game, sprite, dx, dy);
}

void SlideSpriteY(Game& game, double from, double to, int sprite, double dx) {
    const double step = game.clock.DrawSkip * 0.125;
    for (double dy = from; dy <= to + 1e-9; dy += step) SlideFrame(game, sprite, dx, dy);
}

}  // namespace zanbora
