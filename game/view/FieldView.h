#pragma once
// The perspective field picture with the hero in it, which the field, the
// menus, the message window and the scenes all draw behind themselves.
namespace zanbora {

struct Game;

// Rebuilds the three field layers (ground PIC_U, upper colour PPP, upper mask
// PIC2) for the view around (HeroX, HeroY). The field frame calls it while
// they hold the foot point, so the view is centred on the cell under the
// hero's feet.
void DrawField(Game& game);
// The same view around any point (the stone's flight looks from its cell).
void DrawFieldAt(Game& game, double x, double y);
// Ground layer, the hero (unless he stands under the canopy, code 2), then
// the upper layer over him, into Pic's field window.
void DrawHero(Game& game);
// The same without masks, combined by OR, for the fades onto a grey Pic.
void DrawHeroLight(Game& game);
// Closes the field window with a growing grid of black bands (32 frames).
void FieldWipe(Game& game);

// Ground layer, hero and upper layer into Pic, deciding whether the hero is
// hidden by the terrain under the given foot point.
void ComposeFieldWithHero(Game& game, double footX, double footY);
// The same without masks, by OR, for the fades (DrawHeroLight).
void ComposeFieldLight(Game& game, double footX, double footY);

}  // namespace zanbora
