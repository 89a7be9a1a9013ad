#pragma once
// The staff roll after the ending: each line's letters drop in from above,
// bounce into place, and later fall off the bottom of the screen.
#include <string>
#include <vector>

namespace zanbora {

struct Game;

struct CreditBlock {
    std::string heading;              // empty: the title line stands alone
    std::vector<std::string> lines;   // dropped in and out one by one under it
};

// The roll in order; the last block's single line stays with its heading.
const std::vector<CreditBlock>& CreditRoll();
// Left edge of a line of n characters centred on x = 250 in 20-pixel cells.
int CreditLineX(const std::string& text);

// Letters fall from above the screen and bounce until each rests on y.
void DropIn(Game& game, const std::string& text, int x, int y);
// Letters fall from y to the bottom edge.
void DropOut(Game& game, const std::string& text, int x, int y);
// Writes the clear record, rolls the staff, fades the music and ends the
// program.
[[noreturn]] void RollCredits(Game& game);

}  // namespace zanbora
