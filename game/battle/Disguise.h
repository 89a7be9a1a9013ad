#pragma once
// The disguise technique's look: the hero's battle frames in ch become the
// copied opponent's picture (Progress[18]), shrunk to the hero's size.
namespace zanbora {

struct Game;

// Loads the picture named by Progress[18] into mons_c and paints its three
// frames, shrunk and facing the opponent, over the hero's frames. Nothing
// when the slot is empty or the picture is missing. Also used after a load.
void RebuildDisguisedHero(Game& game);

}  // namespace zanbora
