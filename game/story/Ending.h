#pragma once
namespace zanbora {

struct Game;

// The ending after the last boss: credits, the clear record, the end.
void EndingScene(Game& game);

}  // namespace zanbora
