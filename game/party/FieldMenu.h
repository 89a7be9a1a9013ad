#pragma once
namespace zanbora {

struct Game;

// The field menu the decide key opens.
void MenuN(Game& game);

}  // namespace zanbora
