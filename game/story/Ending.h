#pragma once
namespace zanbora {

struct Game;

// The ending after the last boss: his last words, the fade to white and to
// night, then the credits, the clear record and the end of the program.
[[noreturn]] void EndingScene(Game& game);

}  // namespace zanbora
