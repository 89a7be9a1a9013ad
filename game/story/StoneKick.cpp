#include "game/story/StoneKick.h"

#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Raster.h"
#include "game/story/StoryLines.h"
#include "game/view/FieldGeometry.h"
#include "game/view/FieldView.h"
#include "game/view/MessageWindow.h"
#include "game/view/StatusPanel.h"

namespace zanbora {

namespace {

constexpr int kStoneRow = 196;
constexpr double kLandingColumn = 20;
constexpr int kTopHeight = 80;
// The stone's cell of item_c: picture at (320, 0), mask below it.
constexpr int kStoneSx = 320, kStoneSy = 0, kStoneMaskSy = 20;

void CopyLayer(Game& game, const Surface& layer, Rop rop) {
    FastBlt(game.Pic, kFieldOnPic, kFieldOnPic, kFieldWindow, kFieldWindow, layer, kLayerMargin, kLayerMargin, rop);
}

}  // namespace

void DrawFlightView(Game& game) { DrawFieldAt(game, Int(game.player.HeroX), Int(game.player.HeroY)); }

void ComposeFlightView(Game& game, int height) {
    CopyLayer(game, game.sheets.PIC_U, Rop::Copy);
    CopyLayer(game, game.sheets.PIC2, Rop::And);
    CopyLayer(game, game.sheets.PPP, Rop::Or);
    if (Int(game.player.HeroY) != kStoneRow) return;
    const Surface& items = game.sheets.item_c;
    game.Pic.blt(153, 133 - height, 20, 20, items, kStoneSx, kStoneMaskSy, Rop::And);
    game.Pic.blt(153, 133 - height, 20, 20, items, kStoneSx, kStoneSy, Rop::Xor);
}

void StoneKickScene(Game& game) {
    Player& hero = game.player;
    const int cx = Int(hero.HeroX), cy = Int(hero.HeroY);
    const double keeperX = hero.HeroX, keeperY = hero.HeroY;
    const int skip = game.clock.DrawSkip;
    int height = 0, step = -2 * skip;
    bool landed = false;
    while (!landed) {
        game.Pic.clear();
        hero.HeroX -= skip / 2.0;
        landed = hero.HeroX <= kLandingColumn;
        DrawFlightView(game);
        ComposeFlightView(game, height);
        DrawStatusPanel(game);
        Present(game);
        Wait(game, 50 * skip);
        height -= step;
        if (height >= kTopHeight) step = -step;
    }
    game.map.setEvent(Int(hero.HeroX), cy, kStoneCode);
    hero.HeroX = keeperX;
    hero.HeroY = keeperY;
    game.map.setEvent(cx, cy, 0);

    ClearMessageBox(game);
    TypePage(game, talk::kStoneThrown.front());
    Present(game);
    WaitKey(game);
    game.map.setEvent(cx, cy - 1, 1);
    DrawHero(game);
    DrawStatusPanel(game);
}

}  // namespace zanbora
