// How a battle opens: the ray burst, the zoom into it, the two sides sliding
// in out of a grey flash, the entrances of a few opponents and the harder
// opponents of the men's mode. Also the command window growing and shrinking.
#include <cmath>

#include "game/battle/Battle.h"
#include "game/battle/BattleParts.h"
#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/core/Sheets.h"

namespace zanbora {

namespace {

void RayBurst(Game& game) {
    for (int k = 0; k <= 100; ++k) {
        const int r = Int(30 * game.Rnd());
        const double x = 256 - (40 + 2 * r) * std::sin(32 * game.Rnd());
        const double y = 175 - (35 + r / 2.0) * std::cos(16 * game.Rnd());
        const int red = 200 + Int(55 * game.Rnd());
        const int green = 200 + Int(55 * game.Rnd());
        const int blue = 200 + Int(55 * game.Rnd());
        game.Pic.line(256, 175, Int(x), Int(y), Rgb(red, green, blue));
    }
}

// The burst grows to fill the screen: ever smaller middles of it are
// stretched over the whole picture.
void ZoomIntoBurst(Game& game) {
    const Surface capture = game.Pic;
    Surface scaled(512, 350);
    const int skip = game.clock.DrawSkip;
    for (int i = 0; i <= 300; i += 23 * skip) {
        scaled.stretch(0, 0, 512, 350, capture, Int(0.6 * i), Int(0.5 * i), 512 - Int(1.2 * i), 350 - i);
        game.Pic.blt(0, 0, 512, 350, scaled, 0, 0, Rop::Or);
        Present(game);
        Wait(game, 10 * skip);
    }
}

void SlideIn(Game& game) {
    BattleState& b = game.battle;
    const int skip = game.clock.DrawSkip;
    b.HeroDx = b.MascotDx = 150;
    b.MonsterDx = b.MonsterDy = b.HeroDy = b.MascotDy = -150;
    for (int v = 255; v >= 0; v -= 11 * skip) {
        b.MonsterDx += 6 * skip;
        b.MonsterDy += 6 * skip;
        b.HeroDy += 6 * skip;
        b.MascotDy += 6 * skip;
        b.HeroDx -= 6 * skip;
        b.MascotDx -= 6 * skip;
        game.Pic.setBackColour(Rgb(v, v, v));
        DrawBattleScene(game);
        Present(game);
        Wait(game, 10 * skip);
    }
    game.Pic.setBackColour(0);
    b.resetOffsets();
}

// Opponent 15 climbs out of the ground: the rows still below the ground line
// are not drawn.
void RisingEntrance(Game& game) {
    BattleState& b = game.battle;
    const int skip = game.clock.DrawSkip;
    for (int k = 0; k <= 32; k += 2 * skip) {
        const int sunk = 32 - k;
        game.Pic.clear();
        DrawBattleHero(game);
        DrawBattleMascot(game);
        game.Pic.blt(kOpponentX + b.MonsterDx, kOpponentY + sunk, 100, 100 - sunk, game.sheets.mons_c, 0,
                     100 * game.clock.AnimPhase, Rop::Or);
        Present(game);
        Wait(game, 40 * skip);
    }
}

void ScaleForMensMode(Monster& m) {
    m.Hp *= 8;
    m.MaxHp *= 8;
    m.Attack = Int(m.Attack * 5);
    m.Defence *= 4;
    m.Speed *= 4;
    m.Exp = Int(m.Exp * 3.5);
    m.Money = Int(m.Money * 3.5);
    for (double& resist : m.Resist) resist /= 3;
}

void BattleMenuFrame(Game& game, int i) {
    BattleState& b = game.battle;
    game.Pic.clear();
    game.Pic.rect(20, 340 - i, 495, 340, QBColor(15));
    game.Pic.rect(20, 20, 20 + 2 * i, 120, QBColor(15));
    b.MonsterDy = b.HeroDy = b.MascotDy = -i;
    DrawBattleScene(game);
    Present(game);
    Wait(game, 10 * game.clock.DrawSkip);
}

}  // namespace

void btl(Game& game) {
    Monster& m = game.monster;
    BattleState& b = game.battle;
    b.PartyFlag = 0;
    PlaySe(game, "\\wave\\BTL03.WAV");
    if (!InQuietBattleArea(game)) ChangeMusic(game, m.Id < 900 ? "data0.mid" : "data5.mid");

    RayBurst(game);
    ZoomIntoBurst(game);

    game.Pic.setBackColour(0);
    Present(game);
    Wait(game, 30);
    LoadIntoMonsC(game, "\\cg\\" + m.Picture + ".bmp");
    SlideIn(game);

    if (m.Id == 5) {
        LoadIntoMonsC(game, "\\cg\\mons10.bmp");
        b.BattleMsg = "mamezo";
        game.clock.LastTick = game.now();
        PlayBattleScene(game);
        DrawBattleScene(game);
    } else if (m.Id == 15) {
        RisingEntrance(game);
    }

    b.TurnCount = 0;
    b.MonsterLift = m.Id == 990 ? 30 : 0;
    if (game.player.Progress[11] > 0) ScaleForMensMode(m);
}

void OpenBattleMenu(Game& game) {
    for (int i = 0; i <= 80; i += 5 * game.clock.DrawSkip) BattleMenuFrame(game, i);
}

void CloseBattleMenu(Game& game) {
    for (int i = 80; i >= 0; i -= 5 * game.clock.DrawSkip) BattleMenuFrame(game, i);
}

}  // namespace zanbora
