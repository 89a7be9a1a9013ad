#include "game/core/Music.h"

#include "game/core/Game.h"
#include "platform/AppDir.h"

namespace zanbora {

bool InUndergroundArea(const Game& game) {
    double x = game.player.HeroX, y = game.player.HeroY;
    return (y > 380 && y < 460) || (y > 380 && x < 43);
}

void BgmCtl(Game& game, int command) {
    MusicState& music = game.music;
    if (music.BgmFile.empty()) return;
    Platform& platform = game.platform;
    switch (command) {
        case 0: {
            music.BgmOpen = false;
            if (music.BgmFile == "data1.mid" && InUndergroundArea(game)) music.BgmFile = "data6.mid";
            if (!platform.musicOpen(ResolveGamePath(game.AppDir, "\\midi\\" + music.BgmFile))) return;
            if (platform.musicPlay()) {
                music.BgmOpen = true;
            } else {
                platform.musicClose();
            }
            break;
        }
        case 1:
            if (music.BgmOpen) {
                platform.musicStop();
                platform.musicClose();
                music.BgmOpen = false;
            }
            break;
        case 2:
            if (music.BgmOpen && !platform.musicPlaying()) {
                platform.musicRewind();
                platform.musicPlay();
            }
            break;
        default: break;
    }
}

void ChangeMusic(Game& game, const std::string& file) {
    game.music.BgmFile = file;
    BgmCtl(game, 1);
    BgmCtl(game, 0);
}

void PlaySe(Game& game, const std::string& gamePath) {
    game.platform.playWave(ResolveGamePath(game.AppDir, gamePath));
}

void PlayMen03(Game& game) { PlaySe(game, "\\wave\\men03.WAV"); }
void PlayMen04(Game& game) { PlaySe(game, "\\wave\\men04.WAV"); }
void PlayMen08(Game& game) { PlaySe(game, "\\wave\\men08.WAV"); }

void SetMusicVolume(Game& game, int volume) { game.platform.musicVolume(volume & 0xFFFF); }

}  // namespace zanbora
