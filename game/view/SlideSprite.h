#pragma once
// One of the field's 20 x 20 event sprites (a person) walking over the
// field view, drawn into the ground layer a frame at a time. It is never put
// on the map: the next redraw of the field no longer shows it.
namespace zanbora {

struct Game;

// Walks the sprite along a row, cell offset dx from `from` to `to` relative
// to the hero, dy cells below him.
void SlideSpriteX(Game& game, double from, double to, int sprite, double dy);
// The same down a column dx cells to the right of the hero.
void SlideSpriteY(Game& game, double from, double to, int sprite, double dx);

}  // namespace zanbora
