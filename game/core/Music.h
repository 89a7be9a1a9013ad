#pragma once
// One background-music piece at a time and fire-and-forget wave effects.
#include <string>

namespace zanbora {

struct Game;

struct MusicState {
    std::string BgmFile;  // piece in midi/, empty until the title sets it
    bool BgmOpen = false;
};

// 0 open and play BgmFile, 1 stop and close, 2 keep the piece going
// (restart it from the beginning once it has ended). Nothing while BgmFile
// is empty.
void BgmCtl(Game& game, int command);
// Changes the music: stop, set the file, play.
void ChangeMusic(Game& game, const std::string& file);
void PlaySe(Game& game, const std::string& gamePath);
void PlayMen03(Game& game);  // decide
void PlayMen04(Game& game);  // cancel
void PlayMen08(Game& game);  // purchase
// 0..65535
void SetMusicVolume(Game& game, int volume);
// The area around the bean folk's hall, where the field piece becomes the
// underground one.
bool InUndergroundArea(const Game& game);

}  // namespace zanbora
