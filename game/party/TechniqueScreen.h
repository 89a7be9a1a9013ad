#pragma once
namespace zanbora {

struct Game;

// The technique screen: choose the special technique battle uses. Cursor
// holds the current technique on entry and is 0 afterwards; SkillChanged is 1
// when a technique was chosen, 0 when the player backed out.
void WzS(Game& game);

}  // namespace zanbora
