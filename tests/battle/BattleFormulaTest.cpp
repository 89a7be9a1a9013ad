// The two sides' actions, the mascots, the companions and the end check,
// with the draws pinned to chosen values.
#include <algorithm>
#include <cmath>

#include "BattleFixture.h"
#include "game/battle/Battle.h"
#include "game/core/Game.h"

using namespace zanbora;
using Strings = std::vector<std::string>;

namespace zanbora::testing {
namespace {

using HeroAttack = BattleTest;

TEST_F(HeroAttack, HitsForHalfTheBaseAndARandomHalfMore) {
    // base 10 - 1 = 9: Int(4.5) + Int(4.5 x 0.5) = 6
    Pin({0.5, 0.7});
    HeroAction(game());
    EXPECT_EQ(battle().BattleAmount, 6);
    EXPECT_EQ(monster().Hp, 19);
    EXPECT_EQ(battle().BattleMsg, "ATACK");
    EXPECT_EQ(Waves(), (Strings{"atk01.wav", "atk03.wav"}));
    EXPECT_TRUE(AllPinnedDrawsUsed());
}

TEST_F(HeroAttack, AWeakHeroUsesTheLevelMinimumBase) {
    hero().Attack = 3;  // 3 - 1 = 2: the base becomes Int(1 / 10) + 3 = 3
    Pin({0.0, 0.9});
    HeroAction(game());
    EXPECT_EQ(battle().BattleAmount, 1);
    Pin({0.99, 0.9});
    HeroAction(game());
    EXPECT_EQ(battle().BattleAmount, 2);

    hero().Level = 25;
    hero().Attack = 20;
    monster().Defence = 30;  // base 2 + 3 = 5, plus Int(25 / 10) = 2
    Pin({0.5, 0.9});
    HeroAction(game());
    EXPECT_EQ(battle().BattleAmount, 2 + 2 + 1);
}

TEST_F(HeroAttack, MissesOneInKPlusTwo) {
    hero().Speed = 14;  // 14 - 12 / 2 = 8: a miss when Int(r x 10) = 0
    Pin({0.5, 0.09});
    HeroAction(game());
    EXPECT_EQ(battle().BattleAmount, 0);
    EXPECT_EQ(monster().Hp, 25);
    EXPECT_EQ(Waves(), (Strings{"atk01.wav", "atk09.wav"}));
    Pin({0.5, 0.1});
    HeroAction(game());
    EXPECT_GT(battle().BattleAmount, 0);

    hero().Speed = 6;  // not faster than half the opponent: half the blows miss
    Pin({0.5, 0.49});
    HeroAction(game());
    EXPECT_EQ(battle().BattleAmount, 0);
    Pin({0.5, 0.5});
    HeroAction(game());
    EXPECT_GT(battle().BattleAmount, 0);
}

using Flight = BattleTest;

TEST_F(Flight, LeavesAnOrdinaryBattle) {
    game().field.Cursor = 3;
    HeroAction(game());
    EXPECT_EQ(game().GameState, "MOVE");
    EXPECT_EQ(Waves(), Strings{"out01.wav"});
}

TEST_F(Flight, DoesNothingAgainstABoss) {
    game().field.Cursor = 3;
    monster().Id = 900;
    HeroAction(game());
    EXPECT_EQ(game().GameState, "BATTLE");
    EXPECT_EQ(monster().Hp, 25);
    EXPECT_TRUE(Waves().empty());
}

using EnemyAttack = BattleTest;

TEST_F(EnemyAttack, NormalAttackWithItsOwnSceneAndSounds) {
    // base 20 - 5 = 15: Int(7.5) + Int(7.5 x 0.5) = 10; the opponent (id 2)
    // swings with the knight's scene.
    Pin({0.0, 0.5, 0.9, 0.9});
    EnemyAction(game());
    EXPECT_EQ(battle().BattleAmount, 10);
    EXPECT_EQ(hero().Hp, 40);
    EXPECT_EQ(battle().BattleMsg, "kni");
    EXPECT_EQ(Waves(), (Strings{"tatk04.wav", "tatk01.wav"}));
    EXPECT_TRUE(AllPinnedDrawsUsed());
}

TEST_F(EnemyAttack, OpponentScenesReplaceTheNormalOne) {
    const std::pair<int, const char*> scenes[] = {{10, "kuri"}, {1, "hone"}, {13, "hone"}, {11, "hebi"},
                                                  {9, "kni"},   {2, "kni"},  {7, "atack"}};
    for (const auto& [id, scene] : scenes) {
        monster().Id = id;
        Pin({0.0, 0.5, 0.9, 0.9});
        EnemyAction(game());
        EXPECT_EQ(battle().BattleMsg, scene) << "id " << id;
    }
}

TEST_F(EnemyAttack, BattleCriesComeBeforeTheBlow) {
    const std::pair<int, const char*> cries[] = {{8, "tatk05.wav"},  {4, "tatk06.wav"},  {997, "tatk03.wav"},
                                                 {18, "tatk11.wav"}, {14, "tatk12.wav"}, {990, "tatk13.wav"}};
    for (const auto& [id, cry] : cries) {
        monster().Id = id;
        Waves();
        Pin({0.0, 0.5, 0.9, 0.9});
        EnemyAction(game());
        EXPECT_EQ(Waves(), (Strings{cry, "tatk01.wav"})) << "id " << id;
    }
    monster().Id = 1;
    monster().Picture = "mons02";
    Pin({0.0, 0.5, 0.9, 0.9});
    EnemyAction(game());
    EXPECT_EQ(Waves(), (Strings{"tatk02.wav", "tatk01.wav"}));
    monster().Id = 13;
    monster().Picture = "mons14";
    Pin({0.0, 0.5, 0.9, 0.9});
    EnemyAction(game());
    EXPECT_EQ(Waves(), (Strings{"tatk07.wav", "tatk01.wav"}));
}

TEST_F(EnemyAttack, WeakOpponentsUseTheLevelMinimumAndMayMiss) {
    monster().Attack = 6;  // 6 - 5 = 1: base Int(1 / 5) + 3 = 3
    Pin({0.0, 0.99, 0.9, 0.9});
    EnemyAction(game());
    EXPECT_EQ(battle().BattleAmount, 2);
    monster().Speed = 2;  // slower than half the hero: k = 0, a miss below 0.5
    Pin({0.0, 0.99, 0.49, 0.9});
    EnemyAction(game());
    EXPECT_EQ(battle().BattleAmount, 0);
    EXPECT_EQ(hero().Hp, 48);
}

TEST_F(EnemyAttack, SpecialsGrowLikelierWithTheTurns) {
    monster().Id = 0;
    monster().Special = 2;
    Pin({0.6, 0.5, 0.9, 0.9});  // Int(8 x 0.6) = 4: still the normal attack
    EnemyAction(game());
    EXPECT_EQ(battle().BattleMsg, "atack");
    Pin({0.625, 0.5});  // 5: the special
    EnemyAction(game());
    EXPECT_EQ(battle().BattleMsg, "ton");
    battle().TurnCount = 5;
    Pin({0.0, 0.5});
    EnemyAction(game());
    EXPECT_EQ(battle().BattleMsg, "ton");
    EXPECT_TRUE(AllPinnedDrawsUsed());
}

TEST_F(EnemyAttack, FightingRaceGrowsStrongerUpToEightTimesTheLevel) {
    hero().Progress[7] = 1;
    hero().Attack = 7;
    Pin({0.0, 0.5, 0.9, 0.0});
    EnemyAction(game());
    EXPECT_EQ(hero().Attack, 8);
    Pin({0.0, 0.5, 0.9, 0.0});
    EnemyAction(game());
    EXPECT_EQ(hero().Attack, 8);
    Pin({0.0, 0.5, 0.9, 1.0 / 7});
    EnemyAction(game());
    EXPECT_EQ(hero().Attack, 8);
}

TEST_F(EnemyAttack, TheDragonRockNeverActs) {
    monster().Id = 899;
    Pin({0.0, 0.5, 0.9, 0.9});
    EnemyAction(game());
    EXPECT_EQ(hero().Hp, 50);
    EXPECT_EQ(game().rng.pinned.size(), 4u);
    EXPECT_TRUE(Waves().empty());
}

class EnemySpecial : public BattleTest {
protected:
    EnemySpecial() {
        monster().Id = 0;  // no scene of its own
        battle().TurnCount = 5;
    }
    void Use(int kind, std::initializer_list<double> draws) {
        monster().Special = kind;
        Pin(draws);
        EnemyAction(game());
        EXPECT_TRUE(AllPinnedDrawsUsed()) << "kind " << kind;
    }
};

TEST_F(EnemySpecial, Kind1IsAShareOfLevelAndAttackAndMayBeNothing) {
    Use(1, {0.0, 0.5});  // Int(21 x 0.5)
    EXPECT_EQ(battle().BattleAmount, 10);
    EXPECT_EQ(battle().BattleMsg, "tako");
    EXPECT_EQ(Waves(), Strings{"tatk01.wav"});
    Use(1, {0.0, 0.0});
    EXPECT_EQ(battle().BattleAmount, 0);
    EXPECT_EQ(hero().Hp, 40);
}

TEST_F(EnemySpecial, Kind2HammersThroughAFifthOfTheDefence) {
    Use(2, {0.0, 0.5});  // base 30 - 1 = 29: 14 + Int(7.25)
    EXPECT_EQ(battle().BattleAmount, 21);
    EXPECT_EQ(hero().Hp, 29);
    monster().Attack = 1;  // 1.5 - 1 = 0.5: base 3
    Use(2, {0.0, 0.99});
    EXPECT_EQ(battle().BattleAmount, 1 + 1);
}

TEST_F(EnemySpecial, Kind3AttacksNormallyAtFullHealth) {
    Use(3, {0.0, 0.5, 0.9, 0.9});
    EXPECT_EQ(battle().BattleMsg, "atack");
    EXPECT_EQ(battle().BattleAmount, 10);
    EXPECT_EQ(monster().Hp, 25);
}

TEST_F(EnemySpecial, Kind3HealsPastItsMaximumThenStrikesWeakly) {
    monster().MaxHp = 100;
    monster().Hp = 99;
    // heal 10 + Int(10 x 0.5) = 15; blow 3 + Int(6 x 0.5) = 6
    Use(3, {0.0, 0.5, 0.5, 0.9, 0.9});
    EXPECT_EQ(monster().Hp, 114);
    EXPECT_EQ(battle().BattleAmount, 6);
    EXPECT_EQ(hero().Hp, 44);
    EXPECT_EQ(Waves(), (Strings{"atk04.wav", "tatk01.wav"}));
}

TEST_F(EnemySpecial, Kind3GrowthHasNoCap) {
    hero().Progress[7] = 1;
    hero().Attack = 8;
    monster().Hp = 10;
    Use(3, {0.0, 0.5, 0.5, 0.9, 0.0});
    EXPECT_EQ(hero().Attack, 9);
}

TEST_F(EnemySpecial, Kind4BitesFor45To124LessATenthOfTheDefence) {
    Use(4, {0.0, 0.5});  // Int(45 + 40 - 0.5)
    EXPECT_EQ(battle().BattleAmount, 84);
    EXPECT_EQ(battle().BattleMsg, "hebi");
    hero().Defence = 1000;
    Use(4, {0.0, 0.5});
    EXPECT_EQ(battle().BattleAmount, 3);
}

TEST_F(EnemySpecial, Kind5JumpsForATenthOfTheMaximumAndKeepsItsScene) {
    monster().Id = 2;  // would otherwise show the knight's scene
    hero().MaxHp = 80;
    Use(5, {0.0});
    EXPECT_EQ(battle().BattleAmount, 8);
    EXPECT_EQ(hero().Hp, 42);
    EXPECT_EQ(battle().BattleMsg, "jump");
    EXPECT_EQ(Waves(), Strings{"tatk01.wav"});
}

TEST_F(EnemySpecial, Kind6FiresThroughHalfTheDefence) {
    Use(6, {0.0, 0.5});  // base 36 - 2.5 = 33.5: 16 + Int(8.375)
    EXPECT_EQ(battle().BattleAmount, 24);
    EXPECT_EQ(battle().BattleMsg, "robo2");
    EXPECT_EQ(Waves(), Strings{"atk10.wav"});
}

TEST_F(EnemySpecial, Kind7IsWeakenedByTheHerosMaximumMp) {
    Use(7, {0.0, 0.5});  // Int(14 - 2) + Int(3 - 2)
    EXPECT_EQ(battle().BattleAmount, 13);
    EXPECT_EQ(battle().BattleMsg, "suika");
    EXPECT_EQ(Waves(), Strings{"atk08.wav"});
    hero().MaxMp = 100;
    Use(7, {0.0, 0.5});
    EXPECT_EQ(battle().BattleAmount, 3);
}

using EnemyHit = BattleTest;

TEST_F(EnemyHit, ThePlantMascotTurnsDamageIntoMpLoss) {
    hero().Progress[16] = 3;
    hero().Mp = 5;
    Pin({0.0, 0.7, 0.9, 0.9});  // a hit of 7 + Int(5.25) = 12
    EnemyAction(game());
    EXPECT_EQ(battle().BattleAmount, 12);
    EXPECT_EQ(hero().Mp, 0);
    EXPECT_EQ(hero().Hp, 50);
    Pin({0.0, 0.7, 0.9, 0.9});  // no MP left: the hero takes it
    EnemyAction(game());
    EXPECT_EQ(hero().Hp, 38);
    EXPECT_EQ(battle().HeroDx, 0);
    EXPECT_EQ(battle().MascotDx, 0);
}

using Mascots = BattleTest;

TEST_F(Mascots, RobosLaserBreaksTheDragonRockAtOnce) {
    Monster& rock = monster();
    rock.Id = 899;
    rock.Picture = "mons19";
    rock.MaxHp = 550000000;
    rock.Hp = 500000;
    rock.Resist.fill(10);
    const int cellX = Int(hero().HeroX + 0.5), cellY = Int(hero().HeroY + 0.9);
    game().map.setEvent(cellX, cellY, 16);
    hero().Progress[16] = 2;
    battle().TurnCount = 19;
    MascotAction(game());
    EXPECT_EQ(battle().BattleAmount, 1 + Int(550000000.0 / 68));
    EXPECT_LE(rock.Hp, 0);
    EXPECT_EQ(Waves(), Strings{"atk10.wav"});
    CheckBattleEnd(game());
    EXPECT_EQ(game().GameState, "MOVE");
    EXPECT_EQ(game().map.eventAt(cellX, cellY), 0);
}

TEST_F(Mascots, HealersShowTheWholeHealThenCap) {
    hero().Progress[16] = 1;
    hero().Hp = 49;
    MascotAction(game());  // 1 + Int(50 / 20)
    EXPECT_EQ(battle().BattleAmount, 3);
    EXPECT_EQ(hero().Hp, 50);
    EXPECT_EQ(battle().BattleMsg, "MASU1");

    hero().Progress[16] = 7;
    hero().Mp = 5;
    MascotAction(game());
    EXPECT_EQ(hero().Mp, 6);
    EXPECT_EQ(battle().BattleMsg, "MASU3");

    hero().Progress[16] = 10;
    hero().Hp = 10;
    hero().Mp = 1;
    battle().TurnCount = 2;  // 3 + Int(50 / 42), 3 + Int(10 / 42)
    MascotAction(game());
    EXPECT_EQ(hero().Hp, 14);
    EXPECT_EQ(hero().Mp, 4);
    EXPECT_EQ(Waves(), (Strings{"atk04.wav", "atk04.wav", "atk04.wav", "atk04.wav"}));
}

TEST_F(Mascots, SnakeBitesHardOnlySometimes) {
    hero().Progress[16] = 4;
    monster().MaxHp = monster().Hp = 100;
    Pin({0.3});  // Int(0.3 x 3) = 0: a tenth of the maximum, plus 1
    MascotAction(game());
    EXPECT_EQ(monster().Hp, 89);
    Pin({0.34});
    MascotAction(game());
    EXPECT_EQ(monster().Hp, 88);
    EXPECT_EQ(battle().BattleMsg, "MASU4");
}

TEST_F(Mascots, KnightStrikesThroughDefenceAndTurns) {
    hero().Progress[16] = 8;
    hero().Level = 10;
    monster().Hp = 100;
    Pin({0.5});  // base 30 - 1 - 0 = 29: Int(8.7) + Int(8.7)
    MascotAction(game());
    EXPECT_EQ(battle().BattleAmount, 16);
    EXPECT_EQ(monster().Hp, 84);
    hero().Level = 1;  // 3 - 1 = 2: base 3
    Pin({0.6});
    MascotAction(game());
    EXPECT_EQ(battle().BattleAmount, 1);
    EXPECT_EQ(Waves(), (Strings{"tatk01.wav", "tatk01.wav"}));
}

TEST_F(Mascots, PassiveMascotsDoNothingHere) {
    for (int mascot : {3, 5, 6, 9}) {
        hero().Progress[16] = mascot;
        MascotAction(game());
    }
    EXPECT_EQ(hero().Hp, 50);
    EXPECT_EQ(monster().Hp, 25);
    EXPECT_TRUE(Waves().empty());
}

using Companions = BattleTest;

TEST_F(Companions, SwordFireOrHeal) {
    battle().PartyFlag = 1;
    hero().Progress[1] = 2;
    hero().Progress[2] = 1;
    monster().Hp = 100;
    monster().Resist[1] = 0.5;
    Pin({0.0, 0.5});  // Int(1 + 0 + 1 + Int(0.5))
    PartyTurn(game());
    EXPECT_EQ(monster().Hp, 98);
    EXPECT_EQ(battle().BattleMsg, "KIRI2");
    Pin({0.4, 0.5});  // Int(3 x 2 x 0.5) + Int(10 x 0.5 x 2 / 20)
    PartyTurn(game());
    EXPECT_EQ(monster().Hp, 95);
    EXPECT_EQ(battle().BattleMsg, "FIRE2");
    hero().Hp = 40;
    Pin({0.9, 0.5});  // 2 x (10 + Int(0.5 x 5.5))
    PartyTurn(game());
    EXPECT_EQ(battle().BattleAmount, 24);
    EXPECT_EQ(hero().Hp, 50);
    EXPECT_EQ(Waves(), (Strings{"atk01.wav", "atk03.wav", "atk02.wav", "atk04.wav"}));
}

using BattleEnd = BattleTest;

TEST_F(BattleEnd, DefeatIsTestedBeforeVictory) {
    hero().Hp = 0;
    monster().Hp = 0;
    CheckBattleEnd(game());
    EXPECT_EQ(game().GameState, "load");
    EXPECT_EQ(hero().Exp, 0);
    EXPECT_EQ(hero().Money, 100);
    EXPECT_EQ(hero().Wins, 0);
    const Pixels& frame = t.platform.lastFrame();
    EXPECT_EQ(frame.at(256, 175), 0u);
}

TEST_F(BattleEnd, VictoryPaysAndReturnsToTheField) {
    monster().Hp = -3;
    CheckBattleEnd(game());
    EXPECT_EQ(game().GameState, "MOVE");
    EXPECT_EQ(hero().Exp, 3);
    EXPECT_EQ(hero().Money, 107);
    EXPECT_EQ(hero().Wins, 1);
    EXPECT_EQ(Waves(), Strings{"btl02.wav"});
    EXPECT_TRUE(MusicOpened().empty());  // no level pending: no fanfare
}

TEST_F(BattleEnd, FanfareWhenALevelIsPending) {
    t.platform.autopilot = [](HeadlessPlatform& p) { p.tap(vk::X); };
    hero().Exp = 5;  // 8 > 6
    monster().Hp = 0;
    CheckBattleEnd(game());
    EXPECT_EQ(hero().Level, 2);
    ASSERT_FALSE(MusicOpened().empty());
    EXPECT_EQ(MusicOpened().front(), "data4.mid");
    const Strings waves = Waves();
    EXPECT_EQ(waves.front(), "btl02.wav");
    EXPECT_NE(std::find(waves.begin(), waves.end(), "lvup.wav"), waves.end());
}

TEST_F(BattleEnd, NoFanfareInAQuietArea) {
    t.platform.autopilot = [](HeadlessPlatform& p) { p.tap(vk::X); };
    hero().HeroY = 400.5;
    hero().Exp = 5;
    monster().Hp = 0;
    CheckBattleEnd(game());
    EXPECT_TRUE(MusicOpened().empty());
}

TEST_F(BattleEnd, NothingWhileBothStand) {
    CheckBattleEnd(game());
    EXPECT_EQ(game().GameState, "BATTLE");
    EXPECT_TRUE(Waves().empty());
}

TEST_F(BattleEnd, DecideCutsTheDefeatCurtainShort) {
    hero().Hp = -5;
    const int before = t.platform.frameCount();
    t.platform.tap(vk::X);
    ProcessEvents(game());
    CheckBattleEnd(game());
    EXPECT_LT(t.platform.frameCount() - before, 5);
    EXPECT_EQ(game().GameState, "load");
}

}  // namespace
}  // namespace zanbora::testing
