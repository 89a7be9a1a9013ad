#pragma once
// Walking on the field. While a field frame runs, the hero's position holds
// his foot point (HeroX + 0.5, HeroY + 0.9).
namespace zanbora {

struct Game;

// One step attempt with the current StepX, StepY; sets Moved = 1 when taken.
void CHK(Game& game);
// The walking half of a field frame: to the foot point, a step in the held
// direction, the field drawn around it. True when the feet entered a new
// cell, whose trigger the caller runs while the foot point still holds.
bool WalkOneFrame(Game& game);
// Back from the foot point to the stored position (every way out of a field
// frame).
void LeaveFootPoint(Game& game);

}  // namespace zanbora
