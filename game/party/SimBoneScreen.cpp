#include "game/party/SimBoneScreen.h"

#include <array>
#include <cmath>

#include "game/core/Frame.h"
#include "game/core/Game.h"
#include "game/core/Music.h"
#include "game/core/NumberText.h"
#include "game/party/HeroFigure.h"
#include "game/view/StatusPanel.h"

namespace zanbora {

namespace {

constexpr int kPositions = 5;
constexpr double kIconAngle = 1.25;  // radians between neighbouring icons
constexpr int kTurnSteps = 11;

struct RankStep {
    int upTo;
    BoneRank rank;
};
const std::array<RankStep, 9> kRanks{{
    {20, {"平民骨", 130}},
    {50, {"兵隊骨", 130}},
    {100, {"骨隊長", 130}},
    {170, {"大臣骨", 130}},
    {260, {"王様骨", 130}},
    {400, {"霜降り骨", 120}},
    {500, {"超骨", 137}},
    {700, {"超骨2", 133}},
    {900, {"超骨3", 133}},
}};

// The stat at ring position c, its starting value and its growth.
struct BoneTrade {
    double Player::*stat;
    double floor;
    double Player::*growth;
    double Player::*current;  // cut down to the new maximum, if any
};
const std::array<BoneTrade, kPositions> kTrades{{
    {&Player::MaxHp, 50, &Player::GrowHp, &Player::Hp},
    {&Player::Speed, 5, &Player::GrowSpeed, nullptr},
    {&Player::Defence, 5, &Player::GrowDefence, nullptr},
    {&Player::Attack, 5, &Player::GrowAttack, nullptr},
    {&Player::MaxMp, 10, &Player::GrowMp, &Player::Mp},
}};

void DrawRing(Game& game, double turn) {
    const int position = Int(game.field.Cursor);
    for (int i = 0; i < kPositions; ++i) {
        const double a = kIconAngle * (position + i) + turn;
        game.Pic.blt(Int(150 - 70 * std::sin(a)), Int(135 - 70 * std::cos(a)), 32, 32, game.sheets.ch, 32 * i, 256,
                     Rop::Or);
    }
}

void DrawFrame(Game& game, double turn) {
    DrawBoneScreen(game);
    DrawHeroFigure(game);
    DrawRing(game, turn);
}

// The ring turns one place (direction +1 for Left, -1 for Right).
void TurnRing(Game& game, int direction) {
    for (int k = 0; k < kTurnSteps; ++k) {
        game.clock.LastTick = game.now();
        DrawFrame(game, direction * 0.125 * k);
        Present(game);
        Wait(game, 10);
    }
    double& cursor = game.field.Cursor;
    cursor += direction;
    if (cursor < 0) cursor = kPositions - 1;
    if (cursor > kPositions - 1) cursor = 0;
}

}  // namespace

BoneRank BoneRankOf(double bone) {
    const int value = Int(bone);
    for (const RankStep& step : kRanks)
        if (value <= step.upTo) return step.rank;
    return {"超骨4", 133};
}

bool TradeForBone(Game& game, int position) {
    if (position < 0 || position >= kPositions) return false;
    Player& hero = game.player;
    const BoneTrade& trade = kTrades[size_t(position)];
    if (!(hero.*trade.stat > trade.floor && hero.*trade.growth > 0)) return false;
    hero.*trade.stat -= hero.*trade.growth;
    if (trade.current && hero.*trade.current > hero.*trade.stat) hero.*trade.current = hero.*trade.stat;
    hero.Bone += hero.BoneRate;
    return true;
}

int IconInFrame(int position) { return (kPositions - position % kPositions) % kPositions; }

void DrawBoneScreen(Game& game) {
    const int cursor = Int(game.field.Cursor);
    game.Pic.clear();
    game.Pic.blt(110, 90 - cursor * cursor, 122, 130, game.sheets.map_c, 228, 195);
    DrawStatusPanel(game);
    game.Pic.rect(145, 60, 187, 102, QBColor(12));
    DrawText(game, "シムボーン", 115, 30);
    DrawText(game, NumberText(Int(game.player.Bone)), 150, 230);
    const BoneRank rank = BoneRankOf(game.player.Bone);
    DrawText(game, rank.name, rank.x, 250);
}

void SimB(Game& game) {
    KeyFlags& keys = game.keys;
    game.field.Cursor = 0;
    game.clock.LastTick = game.now();
    DrawBoneScreen(game);
    Present(game);
    Wait(game, 300);
    for (;;) {
        game.clock.LastTick = game.now();
        DrawFrame(game, 0);
        Present(game);
        if (keys.KeyState[0]) TurnRing(game, 1);
        else if (keys.KeyState[2]) TurnRing(game, -1);
        if (keys.KeyDecide) {
            PlayMen03(game);
            keys.KeyDecide = false;
            TradeForBone(game, Int(game.field.Cursor));
        }
        if (keys.KeyAct) {
            PlayMen04(game);
            keys.KeyAct = false;
            return;
        }
        Wait(game, 70);
    }
}

}  // namespace zanbora
