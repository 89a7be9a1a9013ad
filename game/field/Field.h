#pragma once
namespace zanbora {

struct Game;

// One field frame: walk, draw the field, fire the trigger of the cell entered.
void MOVEN(Game& game);
// One step attempt with the current StepX, StepY; sets Moved = 1 when taken.
void CHK(Game& game);

// Rebuilds the three field layers (ground PIC_U, upper colour PPP, upper mask
// PIC2) for the view around (HeroX, HeroY). MOVEN calls it while they hold
// the foot point, so the view is centred on the cell under the hero's feet.
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

}  // namespace zanbora
