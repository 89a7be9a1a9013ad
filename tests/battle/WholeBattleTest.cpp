// Battles from the opening on: the opening's effects and the scaling of the
// men's mode, and a whole battle played with keys through the main loop's
// turn, to the victory and back to the field.
#include <chrono>
#include <iostream>

#include "BattleFixture.h"
#include "game/battle/Battle.h"
#include "game/core/Game.h"
#include "game/flow/MainLoop.h"

using namespace zanbora;
using Strings = std::vector<std::string>;

namespace zanbora::testing {
namespace {

using Opening = BattleTest;

TEST_F(Opening, MensModeScalesAZoneZeroPlant) {
    hero().Progress[11] = 1;
    btl(game());
    const Monster& m = monster();
    EXPECT_EQ(m.Hp, 200);
    EXPECT_EQ(m.MaxHp, 200);
    EXPECT_EQ(m.Attack, 100);
    EXPECT_EQ(m.Defence, 4);
    EXPECT_EQ(m.Speed, 48);
    EXPECT_EQ(m.Exp, 10);
    EXPECT_EQ(m.Money, 24);
    for (double resist : m.Resist) EXPECT_DOUBLE_EQ(resist, 1.0 / 3);
}

TEST_F(Opening, OrdinaryModeLeavesTheOpponentAndResetsTheBattle) {
    battle().PartyFlag = 2;
    battle().TurnCount = 7;
    btl(game());
    EXPECT_EQ(monster().Hp, 25);
    EXPECT_EQ(monster().Attack, 20);
    EXPECT_EQ(battle().PartyFlag, 0);
    EXPECT_EQ(battle().TurnCount, 0);
    EXPECT_EQ(battle().MonsterLift, 0);
    EXPECT_EQ(Waves(), Strings{"btl03.wav"});
    EXPECT_EQ(MusicOpened(), Strings{"data0.mid"});
}

TEST_F(Opening, BossesGetTheirOwnMusicAndTheLastOneStandsHigher) {
    monster().Id = 990;
    btl(game());
    EXPECT_EQ(MusicOpened(), Strings{"data5.mid"});
    EXPECT_EQ(battle().MonsterLift, 30);
}

TEST_F(Opening, QuietAreasKeepTheirMusic) {
    hero().HeroY = 400.5;
    btl(game());
    hero().HeroX = 40;
    hero().HeroY = 470.5;
    btl(game());
    EXPECT_TRUE(MusicOpened().empty());
}

TEST_F(Opening, Opponent5ComesWithMamezo) {
    monster().Id = 5;
    btl(game());
    EXPECT_EQ(Waves(), (Strings{"btl03.wav", "btl01.wav"}));
    EXPECT_EQ(battle().BattleMsg, "mamezo");
}

TEST_F(Opening, EndsOnABlackScreenWithEverySpriteAtHome) {
    monster().Id = 15;
    btl(game());
    EXPECT_EQ(game().Pic.backColour(), 0u);
    const BattleState& b = battle();
    EXPECT_EQ(b.HeroDx | b.HeroDy | b.MonsterDx | b.MonsterDy | b.MascotDx | b.MascotDy, 0);
}

TEST_F(Opening, TheCommandWindowGrowsAndShrinks) {
    OpenBattleMenu(game());
    const Pixels& open = t.platform.lastFrame();
    EXPECT_EQ(open.at(20, 300), 0xFFFFFFu);   // left edge of the lower window
    EXPECT_EQ(open.at(180, 120), 0xFFFFFFu);  // bottom edge of the command window
    CloseBattleMenu(game());
    const Pixels& closed = t.platform.lastFrame();
    EXPECT_EQ(closed.at(180, 120), 0u);
    EXPECT_EQ(battle().HeroDy, 0);
}

TEST_F(Opening, TheGaugeShowsTheOpponentsShareAndNothingForZeroMaximum) {
    game().Pic.clear();
    monster().Hp = 10;
    monster().MaxHp = 20;
    DrawMonsterGauge(game());
    EXPECT_EQ(game().Pic.at(90, 248), QBColor(14));
    EXPECT_EQ(game().Pic.at(115, 248), QBColor(14));
    EXPECT_EQ(game().Pic.at(117, 248), 0u);
    game().Pic.clear();
    monster().MaxHp = 0;
    DrawMonsterGauge(game());
    EXPECT_EQ(game().Pic.at(90, 248), 0u);
    game().Pic.clear();
    monster().Hp = 1e12;
    monster().MaxHp = 1;
    DrawMonsterGauge(game());
    EXPECT_EQ(game().Pic.at(511, 248), QBColor(14)) << "healed far past its maximum";
}

using WholeBattle = BattleTest;

TEST_F(WholeBattle, FromTheOpeningToTheVictoryWithKeys) {
    hero().Attack = 30;
    hero().Speed = 20;
    monster().Hp = monster().MaxHp = 40;
    t.platform.autopilot = DecideAtTheCommandMenu;
    const int64_t startMs = t.platform.ticks();
    const int startFrames = t.platform.frameCount();
    const auto wallStart = std::chrono::steady_clock::now();

    btl(game());
    // Turn 1: the hero moves first and hits for 14 + 14 = 28, the opponent
    // answers for 7 + 3 = 10. Turn 2: another 28 wins.
    Pin({0.9, 0.1, 0.99, 0.9, 0.0, 0.5, 0.9, 0.9, 0.9, 0.1, 0.99, 0.9});
    EXPECT_FALSE(BattleTurn(game()));
    EXPECT_EQ(monster().Hp, 12);
    EXPECT_EQ(hero().Hp, 40);
    EXPECT_EQ(battle().TurnCount, 1);
    EXPECT_TRUE(BattleTurn(game()));
    EXPECT_TRUE(AllPinnedDrawsUsed());

    const double virtualSeconds = (t.platform.ticks() - startMs) / 1000.0;
    const int frames = t.platform.frameCount() - startFrames;
    const double wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    std::cout << "whole battle: " << frames << " frames in " << virtualSeconds << " s of game time ("
              << frames / virtualSeconds << " frames per game second), run in " << wallSeconds << " s\n";

    EXPECT_EQ(game().GameState, "MOVE");
    EXPECT_EQ(hero().Exp, 3);
    EXPECT_EQ(hero().Money, 107);
    EXPECT_EQ(hero().Wins, 1);
    EXPECT_EQ(Waves(), (Strings{"btl03.wav", "men03.wav", "atk01.wav", "atk03.wav", "tatk04.wav", "tatk01.wav",
                               "men03.wav", "atk01.wav", "atk03.wav", "btl02.wav"}));
    EXPECT_EQ(MusicOpened(), (Strings{"data0.mid", "data1.mid"}));
}

TEST_F(WholeBattle, DefeatLeavesForTheLoadScreen) {
    hero().Hp = 5;
    hero().Speed = 1;
    monster().Speed = 100;
    t.platform.autopilot = DecideAtTheCommandMenu;
    btl(game());
    // The opponent moves first and hits for 10; the hero never acts.
    Pin({0.1, 0.9, 0.0, 0.5, 0.9, 0.9});
    EXPECT_TRUE(BattleTurn(game()));
    EXPECT_EQ(hero().Exp, 0);
    EXPECT_EQ(hero().Wins, 0);
    EXPECT_EQ(monster().Hp, 25);
}

}  // namespace
}  // namespace zanbora::testing
