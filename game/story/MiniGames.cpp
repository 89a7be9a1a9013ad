#include "game/story/MiniGames.h"

namespace zanbora {

// Stand-ins until the mini-games are built: the hosts have nothing to offer.
void RaceGame(Game&) {}
void HpService(Game&) {}
void ModeSwitch(Game&) {}
void MirrorDuel(Game&) {}

}  // namespace zanbora
