#pragma once
// The stone keeper's test: he throws a stone far to the west along his row,
// the camera follows it, and the hero must kick it all the way back.
namespace zanbora {

struct Game;

// The event code of the stone on the map.
constexpr int kStoneCode = 17;

// The throw: the camera flies west with the stone until column 20, where
// the stone lands; then the keeper steps one row north and explains.
void StoneKickScene(Game& game);
// The field layers for the camera's cell (no hero), drawn as the field is.
void DrawFlightView(Game& game);
// The layers into Pic's field window, with the stone `height` pixels in the
// air over the camera's cell while the camera is over the stone's row.
void ComposeFlightView(Game& game, int height);

}  // namespace zanbora
