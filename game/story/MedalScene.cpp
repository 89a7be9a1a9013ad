// A mascot medal: the music drops, the medal bobs over the battle ground,
// flashes out of a grey screen into the mascot, and the caption says whose
// it is.
#include "game/story/MedalScene.h"

#include <cmath>

#include "game/battle/Battle.h"
#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/core/Sheets.h"
#include "game/view/FieldView.h"
#include "game/view/StatusPanel.h"

namespace zanbora {

namespace {

constexpr int kQuietVolume = 18000;
constexpr int kMedalX = 100;

void DrawMedal(Game& game, int i, Rop rop) {
    const int y = Int(250 + 20 * std::sin(i / 2.0));
    const int sx = 20 * (game.field.CellEvent - 1);
    game.Pic.blt(kMedalX, y, 20, 20, game.sheets.item_c, sx, 0, rop);
}

}  // namespace

std::string MedalCaption(int code) {
    switch (code) {
        case 36: return "ホネコプターのマスコットを手に入れた";
        case 37: return "    ROBOのマスコットを手に入れた";
        case 38: return "大喰らい植物のマスコットを手に入れた";
        case 39: return "　ヘビチュのマスコットを手に入れた";
        case 40: return " 偽マメサンのマスコットを手に入れた";
        case 41: return "  キノコンのマスコットを手に入れた";
        case 42: return "   マメゾのマスコットを手に入れた";
        case 43: return "   ナイトのマスコットを手に入れた";
        case 44: return "岩ドラゴンのマスコットを手に入れた";
        case 45: return "プリーストのマスコットを手に入れた";
        default: return "";
    }
}

void MedalScene(Game& game) {
    DrawHero(game);
    DrawStatusPanel(game);
    Present(game);
    ScreenWipe(game);
    for (int volume = 65535; volume >= kQuietVolume; volume -= 2000) {
        SetMusicVolume(game, volume);
        Wait(game, 10);
    }
    LoadIntoMonsC(game, "\\cg\\" + game.monster.Picture + ".bmp");
    for (int i = 0; i <= 30; ++i) {
        game.Pic.clear();
        DrawMedal(game, i, Rop::Copy);
        Present(game);
        Wait(game, 100);
    }
    PlaySe(game, "\\wave\\BTL04.WAV");
    for (int i = 0; i <= 25; ++i) {
        game.Pic.clear();
        const int grey = 250 - 10 * i;
        game.Pic.setBackColour(Rgb(grey, grey, grey));
        DrawMedal(game, i, Rop::Or);
        DrawBattleScene(game);
        Present(game);
        Wait(game, 100);
    }
    const std::string caption = MedalCaption(game.field.CellEvent);
    for (int i = 0; i <= 25; ++i) {
        game.Pic.clear();
        DrawBattleScene(game);
        DrawText(game, caption, 80, 150);
        Present(game);
        Wait(game, 100);
    }
    ScreenWipe(game);
    for (int volume = kQuietVolume; volume <= 65535; volume += 2000) {
        SetMusicVolume(game, volume);
        Wait(game, 10);
    }
    SetMusicVolume(game, 65535);
}

}  // namespace zanbora
