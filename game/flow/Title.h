#pragma once
namespace zanbora {

struct Game;

// The opening: the circle logo rises, the banner unfolds, the title zooms
// in with its music. The decide key skips to the finished title screen,
// which stays behind Pic as its background picture.
void Demo(Game& game);

}  // namespace zanbora
