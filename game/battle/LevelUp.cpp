#include "game/battle/LevelUp.h"

#include <cmath>

#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/core/NumberText.h"
#include "game/view/StatusPanel.h"

namespace zanbora {

namespace {

constexpr int kPicksPerLevel = 6;
constexpr int kWheelStats = 5;
// The five icons sit 1.25 radians apart (not quite a fifth of a turn); a turn
// of the wheel sweeps that angle in ten steps.
constexpr double kIconSpacing = 1.25;
constexpr double kSweepStep = 0.125;

// Icon i (HP, MP, attack, defence, speed) at 1.25 x (Cursor + i) + turn
// radians on a circle of 70 pixels round (150, 135): angle 0 is the top, in
// the red frame.
void DrawWheelIcons(Game& game, double turn) {
    const double cursor = game.field.Cursor;
    for (int i = 0; i < kWheelStats; ++i) {
        const double angle = kIconSpacing * (cursor + i) + turn;
        game.Pic.blt(Int(150 - 70 * std::sin(angle)), Int(135 - 70 * std::cos(angle)), 32, 32, game.sheets.ch, 32 * i,
                     256, Rop::Or);
    }
}

void DrawWheel(Game& game, double turn) {
    DrawLevelUp(game);
    DrawWheelIcons(game, turn);
}

// Turns the wheel one position: direction +1 for Left, -1 for Right.
void TurnWheel(Game& game, int direction) {
    for (int step = 0; step <= 10; ++step) {
        DrawWheel(game, direction * kSweepStep * step);
        Present(game);
        Wait(game, 10);
    }
    double& cursor = game.field.Cursor;
    cursor += direction;
    if (cursor < 0) cursor = kWheelStats - 1;
    if (cursor > kWheelStats - 1) cursor = 0;
}

// 0 or 1, each half the time.
double CoinGain(Game& game) {
    double a = game.Rnd();
    double b = game.Rnd();
    return Int(a + b);
}

}  // namespace

double LevelThreshold(double level) { return level * level * level + 5; }

void RunLevelUps(Game& game) {
    Player& hero = game.player;
    while (hero.Exp > LevelThreshold(hero.Level)) {
        PlaySe(game, "\\wave\\LVUP.WAV");
        hero.Level += 1;
        game.battle.GrowthPicks = kPicksPerLevel;
        GrowthWheel(game);
    }
    if (game.monster.Id == kBonusOpponentId) {
        game.battle.GrowthPicks = 1;
        GrowthWheel(game);
    }
}

void GrowthWheel(Game& game) {
    KeyFlags& keys = game.keys;
    game.field.Cursor = 0;
    while (game.battle.GrowthPicks > 0) {
        DrawWheel(game, 0);
        if (keys.KeyState[0]) TurnWheel(game, +1);
        if (keys.KeyState[2]) TurnWheel(game, -1);
        if (keys.KeyDecide) {
            PlayMen03(game);
            keys.KeyDecide = false;
            ApplyGrowthPick(game);
            if (game.battle.GrowthPicks == 0) break;
        }
        Present(game);
        Wait(game, 70);
    }
}

void DrawLevelUp(Game& game) {
    Surface& pic = game.Pic;
    pic.clear();
    DrawStatusPanel(game);
    pic.rect(145, 60, 187, 102, Rgb(255, 0, 0));
    DrawText(game, "LEVEL UP!!", 120, 30);
    DrawText(game, NumberText(game.battle.GrowthPicks), 160, 130);
}

void ApplyGrowthPick(Game& game) {
    Player& hero = game.player;
    game.battle.GrowthPicks -= 1;
    switch (Int(game.field.Cursor)) {
    case 0: hero.MaxHp += hero.GrowHp + Int(4 * game.Rnd()); break;
    case 1: hero.Speed += hero.GrowSpeed + CoinGain(game); break;
    case 2: hero.Defence += hero.GrowDefence + CoinGain(game); break;
    case 3: hero.Attack += hero.GrowAttack + CoinGain(game); break;
    case 4: hero.MaxMp += hero.GrowMp + CoinGain(game); break;
    }
    hero.Hp = hero.MaxHp;
    hero.Mp = hero.MaxMp;
}

}  // namespace zanbora
