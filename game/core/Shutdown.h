#pragma once
// How the program ends: Form_Unload stops the music, puts the display mode
// back and leaves by throwing ProgramEnd, which main() (or a test) catches.
namespace zanbora {

struct Game;

struct ProgramEnd {
    int status = 0;
};

[[noreturn]] void Form_Unload(Game& game);
// Ends at once with a status (a damaged save, the ritual feast's worst end).
[[noreturn]] void EndProgram(Game& game, int status);

}  // namespace zanbora
