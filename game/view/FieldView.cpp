// The field view: a 7 x 9 window of cells around the hero projected onto a
// tilted ground plane, far rows small at the top, near rows large at the
// bottom; only the cells the hero can see are drawn.
#include <cmath>

#include "game/view/FieldView.h"
#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Raster.h"
#include "game/view/FieldGeometry.h"
#include "game/view/StatusPanel.h"
#include "game/view/TileTable.h"

namespace zanbora {

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr int kHeroX = 153, kHeroY = 133, kHeroW = 20, kHeroH = 30;

void PrepareLayer(Surface& layer, uint32_t colour) {
    if (layer.width() != kLayerSize || layer.height() != kLayerSize) layer = Surface(kLayerSize, kLayerSize);
    FillAll(layer, colour);
}

void DrawGround(Game& game, const TerrainArt& art, int c, int w, const CellRect& r) {
    GroundArt ground = art.ground;
    if (art.variantOneIn > 0 && CellVariant(c, w, art.variantOneIn) == 1) ground = art.variantGround;
    if (ground.width == 0) return;
    int sx = ground.sx;
    if (art.framesAcross > 1) sx += ground.width * (game.field.AmbientPhase % art.framesAcross);
    TileBlt(game.sheets.PIC_U, r.x0, r.y0, r.width(), r.height(), game.sheets.map_c, sx, ground.sy, ground.width,
            ground.height);
}

// Walls, trees and roofs in the hero's row or nearer stand in front of him
// (upper layer); those behind him are part of the ground picture.
void DrawStanding(Game& game, const StandingArt& art, int dx, int dy, const CellRect& r) {
    if (art.sx < 0) return;
    const Surface& sheet = game.sheets.map_c;
    const int width = r.width();
    const int height = int(std::lround(width * 4.0 / 3.0));
    const int top = r.y1 - height;
    const bool inFront = dy > 0 || (dy == 0 && dx == 0);
    if (inFront)
        StretchBlt(game.sheets.PIC2, r.x0, top, width, height, sheet, art.sx, art.sy + kMaskBelow, kStandingWidth,
                   kStandingHeight, Rop::And);
    MaskPaintStretch(inFront ? game.sheets.PPP : game.sheets.PIC_U, r.x0, top, width, height, sheet, art.sx,
                     art.sy + kMaskBelow, art.sx, art.sy, kStandingWidth, kStandingHeight);
}

// The cell's event object, a 20 x 20 sprite grown with the row scale.
void DrawEventObject(Game& game, int code, const CellCorner& corner) {
    int sx, sy;
    if (!EventSpriteOf(code, sx, sy)) return;
    const int size = Int(2 * corner.s) + 25;
    const int x = int(std::nearbyint(corner.x)) + 5, y = int(std::nearbyint(corner.y));
    MaskPaintStretch(game.sheets.PIC_U, x, y, size, size, game.sheets.item_c, sx, sy + kEventSprite, sx, sy,
                     kEventSprite, kEventSprite);
}

bool HeroHidden(const Game& game, double footX, double footY) {
    return game.map.terrainAt(Int(footX), Int(footY)) == 2;
}

void DrawHeroSprite(Game& game, bool masked) {
    const Surface& chr3 = game.sheets.chr3;
    int sx = kHeroW * game.field.Facing, sy = 60 * game.field.WalkFrame;
    if (masked) FastBlt(game.Pic, kHeroX, kHeroY, kHeroW, kHeroH, chr3, sx, sy + kHeroH, Rop::And);
    FastBlt(game.Pic, kHeroX, kHeroY, kHeroW, kHeroH, chr3, sx, sy, Rop::Xor);
}

void CopyWindow(Game& game, const Surface& layer, Rop rop) {
    FastBlt(game.Pic, kFieldOnPic, kFieldOnPic, kFieldWindow, kFieldWindow, layer, kLayerMargin, kLayerMargin, rop);
}

}  // namespace

void DrawFieldAt(Game& game, double x, double y) {
    Sheets& sheets = game.sheets;
    PrepareLayer(sheets.PIC_U, 0);
    PrepareLayer(sheets.PPP, 0);
    PrepareLayer(sheets.PIC2, kWhite);

    const int cx = Int(x), cy = Int(y);
    SightGrid sight;
    CastSightRays(game.map, cx, cy, SightRadius(y), game.field.SinTab, game.field.CosTab, sight);

    const double fx = SubCellOffset(x), fy = SubCellOffset(y);
    for (int dy = -kViewHalfDepth; dy <= kViewHalfDepth; ++dy) {
        for (int dx = -kViewHalfWidth; dx <= kViewHalfWidth; ++dx) {
            const int c = cx + dx, w = cy + dy;
            game.field.CellEvent = game.map.eventAt(c, w);
            if (!sight.visible(dx, dy)) continue;
            const TerrainArt& art = TerrainArtOf(game.map.terrainAt(c, w));
            const CellRect rect = CellRectangle(dx, dy, fx, fy);
            DrawGround(game, art, c, w, rect);
            DrawStanding(game, art.standing, dx, dy, rect);
            DrawEventObject(game, game.field.CellEvent, ProjectCell(dx, dy, fx, fy));
        }
    }
}

void DrawField(Game& game) { DrawFieldAt(game, game.player.HeroX, game.player.HeroY); }

void ComposeFieldWithHero(Game& game, double footX, double footY) {
    CopyWindow(game, game.sheets.PIC_U, Rop::Copy);
    if (!HeroHidden(game, footX, footY)) DrawHeroSprite(game, true);
    // The upper layer's mask by AND and its colour by OR, in one pass.
    MaskPaintBlt(game.Pic, kFieldOnPic, kFieldOnPic, kFieldWindow, kFieldWindow, game.sheets.PIC2, kLayerMargin,
                 kLayerMargin, game.sheets.PPP, kLayerMargin, kLayerMargin);
}

void DrawHero(Game& game) { ComposeFieldWithHero(game, game.player.HeroX + 0.5, game.player.HeroY + 0.9); }

void ComposeFieldLight(Game& game, double footX, double footY) {
    CopyWindow(game, game.sheets.PIC_U, Rop::Or);
    if (!HeroHidden(game, footX, footY)) DrawHeroSprite(game, false);
    CopyWindow(game, game.sheets.PPP, Rop::Or);
}

void DrawHeroLight(Game& game) { ComposeFieldLight(game, game.player.HeroX + 0.5, game.player.HeroY + 0.9); }

void FieldWipe(Game& game) {
    for (int i = 0; i <= 31; ++i) {
        game.clock.LastTick = game.now();
        for (int j = 0; j <= 7 && j <= i; ++j) {
            game.Pic.fillRect(40 * j, 0, 2 * i + 37 * j, 350, 0x000000);
            game.Pic.fillRect(0, 40 * j, 350, 2 * i + 37 * j, 0x000000);
            DrawStatusPanel(game);
        }
        Present(game);
        Wait(game, 35);
    }
}

}  // namespace zanbora
