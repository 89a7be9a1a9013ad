#include "game/flow/Title.h"

#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/core/Sheets.h"
#include "platform/AppDir.h"

namespace zanbora {

namespace {

// True (and the flag consumed) when the player asked to skip.
bool SkipRequested(Game& game) {
    if (!game.keys.KeyDecide) return false;
    game.keys.KeyDecide = false;
    return true;
}

// Returns false when the player skipped.
bool PlayOpening(Game& game) {
    Surface& pic = game.Pic;
    const Surface& scratch = game.sheets.mons_c;
    PlaySe(game, "\\wave\\btl04.WAV");
    SetMusicVolume(game, 65535);
    LoadIntoMonsC(game, "\\cg\\circle.bmp");
    for (int i = 0; i <= 200; i += 5) {
        pic.clear();
        if (SkipRequested(game)) return false;
        pic.blt(150, 250 - i, 200, i, scratch, 0, 0);
        Present(game);
        Wait(game, 50);
    }
    Wait(game, 100);
    LoadIntoMonsC(game, "\\cg\\banner.jpg");
    PlaySe(game, "\\wave\\btl05.WAV");
    for (int j = 1; j <= 40; j += 2) {
        if (SkipRequested(game)) return false;
        pic.stretch(150, 240 - Int(j / 2.0), 201, j, scratch, 0, 0, 201, 40);
        Present(game);
        Wait(game, 50);
    }
    ChangeMusic(game, "data2.mid");
    for (int k = 0; k <= 30; ++k) {
        if (SkipRequested(game)) return false;
        Wait(game, 50);
    }
    LoadIntoMonsC(game, "\\cg\\title.jpg");
    const int skip = game.clock.DrawSkip;
    for (int m = 1; m <= 350; m += 5 * skip) {
        if (SkipRequested(game)) return false;
        pic.stretch(256 - Int(m * 512.0 / 700), 175 - Int(m / 2.0), Int(m * 512.0 / 350), m, scratch, 0, 0, 512, 350);
        Present(game);
        Wait(game, 50 * skip);
    }
    return true;
}

}  // namespace

void Demo(Game& game) {
    PlayOpening(game);
    Pixels title;
    if (game.platform.loadPicture(ResolveGamePath(game.AppDir, "\\cg\\title.jpg"), title)) {
        game.Pic.setBackground(title);
    }
    game.Pic.clear();
    if (game.music.BgmFile.empty()) ChangeMusic(game, "data2.mid");
}

}  // namespace zanbora
