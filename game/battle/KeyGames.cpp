// The two techniques the player plays with the keys: the storm's mashing of
// Z and X in turn, and the bomb's fuse released with decide.
#include <algorithm>
#include <string>

#include "game/battle/Battle.h"
#include "game/battle/BattleParts.h"
#include "game/battle/Techniques.h"
#include "game/core/Frame.h"
#include "game/core/Game.h"

namespace zanbora {

namespace {

constexpr const char* kStormPrompt = "ZとXを交互に連打しよう!";

void DrawGauge(Game& game, int length) {
    game.Pic.rect(kGaugeLeft, kGaugeTop, kGaugeRight, kGaugeBottom, kGaugeColour);
    if (length > 0) game.Pic.fillRect(kGaugeLeft, kGaugeTop, kGaugeLeft + length, kGaugeBottom, kGaugeColour);
}

void SceneWithPrompt(Game& game) {
    game.Pic.clear();
    DrawBattleScene(game);
    DrawText(game, kStormPrompt, 310, 250);
}

// One press counts only when it is the other key than the last, and the last
// has been let go.
int MashZAndX(Game& game) {
    const KeyFlags& keys = game.keys;
    int presses = 0;
    int ticks = 250;
    SceneWithPrompt(game);
    for (;;) {
        ticks -= 1;
        DrawGauge(game, presses);
        if (ticks <= 0 || presses >= 98) break;
        if (presses % 2 == 1 && keys.KeyAct && !keys.KeyDecide) presses += 1;
        if (presses % 2 == 0 && keys.KeyDecide && !keys.KeyAct) presses += 1;
        Present(game);
        Wait(game, 20);
    }
    return presses;
}

// Runs the fuse until decide; the fuse kept is 1..11.
int BurnFuse(Game& game) {
    int fuse = 0;
    for (;;) {
        game.clock.LastTick = game.now();
        game.Pic.clear();
        DrawBattleScene(game);
        DrawGauge(game, fuse * fuse);
        fuse += 1;
        Present(game);
        Wait(game, 30);
        if (game.keys.KeyDecide) break;
        if (fuse >= 11) fuse = 0;
    }
    game.keys.KeyDecide = false;
    return fuse;
}

void Explosion(Game& game, int x, int y, double damage) {
    for (int frame = 0; frame < 8; ++frame) {
        game.Pic.clear();
        DrawBattleScene(game);
        PaintEffect(game, kExplosionRow, frame, x - 16, y - 16);
        PaintEffect(game, kExplosionRow, frame, x - 32, y - 8);
        PaintEffect(game, kExplosionRow, frame, x, y - 24);
        DrawDamage(game, damage, x, y - 40);
        Present(game);
        Wait(game, 50);
    }
}

}  // namespace

void PlayStormGame(Game& game) {
    Player& hero = game.player;
    BattleState& b = game.battle;
    game.Pic.clear();
    DrawBattleScene(game);
    DrawText(game, kStormPrompt, 310, 250);
    Present(game);
    Wait(game, 1000);
    const int presses = MashZAndX(game);

    if (hero.Exp == 0) {
        b.BattleAmount = 0;
        return;
    }
    const double level = hero.Progress[3];
    b.BattleAmount = Int(game.monster.Resist[1] * 100 * level);
    const double share = std::min(level / 10, 1.0);
    hero.Exp -= Int(share * hero.Exp * (100 - presses) / 100);
    DrawText(game, "-" + std::to_string(Int(share * (100 - presses))) + "%Exp", 400, 330);
    Present(game);
    Wait(game, 500);
    game.monster.Hp -= b.BattleAmount;
}

void PlayBombGame(Game& game) {
    Player& hero = game.player;
    BattleState& b = game.battle;
    const int fuse = BurnFuse(game);
    Wait(game, 500);
    PlayBattleWave(game, "atk08.WAV");
    if (fuse <= 2) {
        const double self = Int(5 * hero.Progress[5]) + Int(hero.Attack * 5 * game.Rnd() / 6);
        hero.Hp -= self;
        b.BattleAmount = self;
        Wait(game, 500);
        Explosion(game, kHeroX + 16, kHeroY + 16, self);
        game.Pic.clear();
        DrawBattleScene(game);
        DrawDamage(game, self, 400, 270);
        Present(game);
        Wait(game, 400);
    } else {
        const double square = fuse * fuse;
        const double damage = Int(Int(square / 20) * hero.Progress[5]) + Int(hero.Attack * game.Rnd() * square / 60);
        game.monster.Hp -= damage;
        b.BattleAmount = damage;
        Explosion(game, kOpponentX + 50, kOpponentY + 50, damage);
    }
}

}  // namespace zanbora
