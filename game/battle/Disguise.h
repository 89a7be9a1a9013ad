#pragma once
// The disguise technique's look: the hero's battle frames in ch become the
// copied opponent's picture (Progress[18]), shrunk to the hero's size.
namespace zanbora {

struct Game;
struct Monster;
struct Player;

// The dragon rock and the bonus opponent cannot be copied.
bool CanBeCopied(const Monster& m);

// The disguise's strength: the hero's HP, attack, defence and speed become
// the opponent's (a quarter of a boss's HP) plus a little for his level and
// the technique's level. Permanent; the MP and the look are left alone.
void CopyOpponentStrength(Player& hero, const Monster& m);

// Loads the picture named by Progress[18] into mons_c and paints its three
// frames, shrunk and facing the opponent, over the hero's frames. Nothing
// when the slot is empty or the picture is missing. Also used after a load.
void RebuildDisguisedHero(Game& game);

}  // namespace zanbora
