#include "game/story/Race.h"

#include <algorithm>
#include <cmath>

#include "game/battle/LevelUp.h"
#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/core/NumberText.h"
#include "game/core/Raster.h"
#include "game/core/TerrainCodes.h"
#include "game/story/MiniGames.h"
#include "game/story/StoryLines.h"
#include "game/view/MessageWindow.h"
#include "game/view/StatusPanel.h"
#include "game/view/TileTable.h"

namespace zanbora {

namespace {

constexpr double kForward = 0.00390625;
constexpr double kBackward = 0.0078125;
constexpr double kFriction = 0.000976562;
constexpr double kTopForward = -0.5, kTopBackward = 0.25;
constexpr double kSideStep = 0.125;
constexpr double kFee = 20;
constexpr int kLaps = 2;

// The track seen from above: 32-pixel cells, the kart low in the middle so
// the road ahead shows.
constexpr int kCell = 32;
constexpr int kKartX = 243, kKartY = 250;

void DrawTrack(Game& game) {
    const double x = game.player.HeroX, y = game.player.HeroY;
    const int firstRow = Int(y) - 9, lastRow = Int(y) + 4;
    const int firstColumn = Int(x) - 9, lastColumn = Int(x) + 9;
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = firstColumn; column <= lastColumn; ++column) {
            const int px = kKartX + Int((column - x) * kCell) + 16, py = kKartY + Int((row - y) * kCell) + 16;
            const GroundArt& ground = TerrainArtOf(game.map.terrainAt(column, row)).ground;
            if (ground.width == 0) continue;
            TileBlt(game.Pic, px, py, kCell, kCell, game.sheets.map_c, ground.sx, ground.sy, ground.width,
                    ground.height);
        }
    }
    // The finish line across the track.
    const int lineY = kKartY + Int((kRaceFinishRow - y) * kCell) + 16;
    if (lineY > 0 && lineY < 350) game.Pic.fillRect(0, lineY, 511, lineY + 3, 0xFFFFFF);
}

void DrawKart(Game& game) {
    const int frame = game.clock.AnimPhase == 1 ? 1 : 0;
    const Surface& sheet = game.sheets.chr_m;
    game.Pic.blt(kKartX, kKartY, 32, 32, sheet, 96 + 64 * frame, 16, Rop::And);
    game.Pic.blt(kKartX, kKartY, 32, 32, sheet, 64 + 64 * frame, 16, Rop::Or);
}

int DigitShift(int64_t value) { return 20 * Int(std::log10(double(std::max<int64_t>(value, 1)))); }

void DrawRaceClock(Game& game, const RaceState& race) {
    const int64_t t = race.RaceTime;
    const int64_t seconds = (t / 1000) % 60, millis = t % 1000;
    DrawText(game, std::to_string(t / 60000), 30, 30);
    DrawText(game, ":", 100, 30);
    DrawText(game, std::to_string(seconds), 130 - DigitShift(seconds), 30);
    DrawText(game, ":", 170, 30);
    DrawText(game, std::to_string(millis), 210 - DigitShift(millis), 30);
    DrawText(game, std::to_string(race.RaceLap) + " / 2", 400, 30);
}

void CountDown(Game& game, const char* number) {
    game.Pic.clear();
    DrawText(game, number, 220, 150);
    Present(game);
    Wait(game, 1000);
}

}  // namespace

std::string RaceTimeText(int64_t ms) {
    return std::to_string(ms / 60000) + ":" + std::to_string((ms / 1000) % 60) + ":" + std::to_string(ms % 1000);
}

double RaceReward(double level, int64_t raceTime) {
    if (raceTime < 0 || raceTime > 180000) return 20;
    const double levelStep = level * level * level - (level - 1) * (level - 1) * (level - 1);
    return std::floor(levelStep * double(187000 - raceTime) / 800000 + 1);
}

void RaceStep(Game& game) {
    FieldState& field = game.field;
    const double x = game.player.HeroX + field.StepX, y = game.player.HeroY + field.StepY;
    if (!IsWalkableTerrain(game.map.terrainAt(Int(x), Int(y)))) return;
    game.player.HeroX = x;
    game.player.HeroY = y;
    field.Moved = 1;
}

bool RaceFrame(Game& game, RaceState& race) {
    FieldState& field = game.field;
    const KeyFlags& keys = game.keys;
    game.player.HeroX += 0.5;
    game.player.HeroY += 0.875;
    game.clock.LastTick = game.now();
    race.RaceTime = game.now() - race.RaceStart;
    game.Pic.clear();

    field.Moved = 0;
    field.Facing = 1;
    field.StepY = race.RaceSpeed;
    field.StepX = 0;
    RaceStep(game);
    if (field.Moved == 0) {
        race.RaceSpeed = -race.RaceSpeed / 2;
        PlaySe(game, "\\wave\\men05.WAV");
    }
    if (keys.KeyState[0]) {
        field.StepY = 0;
        field.StepX = -kSideStep;
        RaceStep(game);
        field.Facing = 0;
    }
    if (keys.KeyState[2]) {
        field.StepY = 0;
        field.StepX = kSideStep;
        RaceStep(game);
        field.Facing = 2;
    }
    if (keys.KeyAct) {
        race.RaceSpeed += kBackward;
    } else if (keys.KeyDecide) {
        race.RaceSpeed -= kForward;
    }
    if (race.RaceSpeed > 0) {
        race.RaceSpeed -= kFriction;
    } else if (race.RaceSpeed < 0) {
        race.RaceSpeed += kFriction;
    }
    race.RaceSpeed = std::clamp(race.RaceSpeed, kTopForward, kTopBackward);

    DrawTrack(game);
    game.player.HeroX -= 0.5;
    game.player.HeroY -= 0.875;
    DrawKart(game);
    DrawRaceClock(game, race);
    Present(game);
    Wait(game, 30);

    if (game.player.HeroY < kRaceFinishRow) {
        race.RaceLap += 1;
        game.player.HeroY = kRaceStartY;
    }
    return race.RaceLap <= kLaps;
}

void RunRace(Game& game, RaceState& race) {
    Player& hero = game.player;
    const double homeX = hero.HeroX, homeY = hero.HeroY;
    game.field.Facing = 0;
    race.RaceSpeed = 0;
    hero.HeroX = kRaceStartX;
    hero.HeroY = kRaceStartY;
    race.RaceLap = 1;
    game.Pic.fontSize = 60;

    SetMusicVolume(game, 40000);
    game.clock.LastTick = game.now();
    CountDown(game, "3");
    SetMusicVolume(game, 20000);
    CountDown(game, "2");
    ChangeMusic(game, "data0.mid");
    SetMusicVolume(game, 65535);
    CountDown(game, "1");

    race.RaceStart = game.now();
    game.Pic.clear();
    game.Pic.stretch(110, 10, 288, 80, game.sheets.chr_m, 128, 112, 16, 16);
    game.Pic.setBackground(game.Pic.pixels());
    game.Pic.fontSize = 30;
    while (RaceFrame(game, race)) {
    }

    BgmCtl(game, 1);
    game.Pic.fontSize = 15;
    hero.HeroX = homeX;
    hero.HeroY = homeY;
    game.Pic.removeBackground();
}

void RaceGame(Game& game) {
    Player& hero = game.player;
    const std::string best = hero.Progress[15] == 0 ? "2周すればゴールだ。中断はできないぞ。"
                                                     : "ベストタイムは" + RaceTimeText(int64_t(hero.Progress[15])) + "だ";
    const int answer = HostPrompt(game, {"マメ館のレースゲームをするか？必要金額は20銭",
                                         "カーソルキーで左右移動。Xで前進。Zで後退。", best},
                                  scene::kRaceChoice);
    if (answer != 0 || hero.Money < kFee) return;
    hero.Money -= kFee;
    ScreenWipe(game);
    RaceState race;
    RunRace(game, race);
    RaceResult(game, race.RaceTime);
}

Page RaceResultPage(int64_t raceTime, int64_t bestTime, double reward) {
    return {"今回のタイムは" + RaceTimeText(raceTime) + "だ", "ベストタイムは" + RaceTimeText(bestTime) + "だ",
            "獲得経験値は" + NumberText(reward) + "ポイントだ。"};
}

void RaceResult(Game& game, int64_t raceTime) {
    Player& hero = game.player;
    if (hero.Progress[15] == 0 || double(raceTime) < hero.Progress[15]) hero.Progress[15] = double(raceTime);
    const double reward = RaceReward(hero.Level, raceTime);
    TypePage(game, RaceResultPage(raceTime, int64_t(hero.Progress[15]), reward));
    Present(game);
    Wait(game, 300);
    WaitKey(game);

    hero.Exp += reward;
    if (hero.Exp > LevelThreshold(hero.Level) || game.monster.Id == 15) ChangeMusic(game, "data4.mid");
    while (hero.Exp > LevelThreshold(hero.Level)) {
        PlaySe(game, "\\wave\\LVUP.WAV");
        hero.Level += 1;
        game.battle.GrowthPicks = 5;
        GrowthWheel(game);
    }
    ChangeMusic(game, "data1.mid");
    ScreenWipe(game);
}

}  // namespace zanbora
