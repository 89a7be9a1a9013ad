#include "game/party/Town.h"

#include "game/shell/Game.h"
#include "game/story/Music.h"

namespace zanbora {

// Stand-in until the towns are built: the town keeps the hero's return point
// and sends him back out to the field music.
void Yado(Game& game) {
    game.player.Progress[19] = game.player.HeroX;
    game.player.Progress[20] = game.player.HeroY + 1;
    ChangeMusic(game, "data1.mid");
    SetMusicVolume(game, 65535);
}

}  // namespace zanbora
