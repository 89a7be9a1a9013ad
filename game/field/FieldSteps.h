#pragma once
// The parts of a field frame that MOVEN runs while the hero's position holds
// his foot point (HeroX + 0.5, HeroY + 0.9).
namespace zanbora {

struct Game;

// Ground layer, hero and upper layer into Pic, deciding whether the hero is
// hidden by the terrain under the given foot point.
void ComposeFieldWithHero(Game& game, double footX, double footY);
// The same without masks, by OR, for the fades (DrawHeroLight).
void ComposeFieldLight(Game& game, double footX, double footY);

// Back from the foot point to the stored position (every way out of MOVEN).
void LeaveFootPoint(Game& game);

// What the cell just entered does. True when the trigger has already left
// the field frame (a battle, the door, the inn): MOVEN then returns at once.
bool RunCellTrigger(Game& game);

// The random-encounter countdown of a newly entered ordinary cell. True
// when it started a battle (and left the field frame).
bool CountDownEncounter(Game& game);

// The inn square (terrain 12): into the town. Leaves the field frame.
void EnterInn(Game& game);

}  // namespace zanbora
