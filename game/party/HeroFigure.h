#pragma once
namespace zanbora {

struct Game;

// The hero's battle figure at its home (400, 300) plus the battle offsets,
// in the current animation phase; the menus and the town show it too.
void DrawHeroFigure(Game& game);

}  // namespace zanbora
