// The bot's judgement of a fight before it starts: what an opponent costs,
// where a hero of his strength may train, and which mascot to bring to a
// boss; and in the fight, when to let a bomb go.
#include <gtest/gtest.h>

#include <string>

#include "FuseGauge.h"
#include "Tactics.h"
#include "game/battle/FixedOpponents.h"
#include "game/battle/MonsterTable.h"
#include "game/battle/Techniques.h"
#include "game/party/JobTables.h"
#include "platform/KeyCodes.h"
#include "support/TestGame.h"

namespace zanbora::playthrough {
namespace {

Player Hero(int level, double attack, double defence, double speed, double maxHp) {
    Player hero;
    hero.Level = level;
    hero.Attack = attack;
    hero.Defence = defence;
    hero.Speed = speed;
    hero.MaxHp = hero.Hp = maxHp;
    return hero;
}

Monster Boss(int code, int row) {
    Monster boss;
    EXPECT_TRUE(FillFixedOpponent(boss, code, row));
    return boss;
}

TEST(PlaythroughTactics, WhatAFightCosts) {
    // A level-10 hero against the clearing's big plant (25 HP, attack 20,
    // speed 12): one blow fells it; its attack is below his defence, so it
    // hits for the level's fallback (10 / 5 + 3), 0.75 of it on average, and
    // as the slower one lands every other blow.
    const Player strong = Hero(10, 50, 30, 40, 200);
    Monster plant;
    plant.MaxHp = 25, plant.Attack = 20, plant.Defence = 1, plant.Speed = 12;
    const FightEstimate quick = EstimateFight(strong, plant);
    EXPECT_DOUBLE_EQ(quick.turns, 1);
    EXPECT_DOUBLE_EQ(quick.hpLost, 0.75 * 5 * 0.5);

    // Speed: the same hero far slower than the opponent misses more and is
    // hit more, so the fight costs more.
    const Player slow = Hero(10, 50, 0, 2, 200);
    Player quicker = slow;
    quicker.Speed = 60;
    Monster bird;
    bird.MaxHp = 300, bird.Attack = 40, bird.Defence = 10, bird.Speed = 40;
    EXPECT_GT(EstimateFight(slow, bird).turns, EstimateFight(quicker, bird).turns);
    EXPECT_GT(EstimateFight(slow, bird).hpLost, EstimateFight(quicker, bird).hpLost);

    // The priest heals himself: he lasts longer than his HP says; the blow
    // that ignores defence costs a well-armoured hero more than plain blows.
    const Player knightly = Hero(40, 300, 200, 120, 800);
    Monster priest = Boss(23, 300), plain = priest;
    plain.Special = 0;
    EXPECT_GT(EstimateFight(knightly, priest).turns, EstimateFight(knightly, plain).turns);
    Monster brother = Boss(9, 100), brotherPlain = brother;
    brotherPlain.Special = 0;
    EXPECT_GT(EstimateFight(knightly, brother).hpLost, EstimateFight(knightly, brotherPlain).hpLost);
}

TEST(PlaythroughTactics, SafeTrainingGround) {
    const Player fresh = Hero(6, 30, 15, 25, 80);
    EXPECT_TRUE(SafeToTrain(fresh, 5, 0.25)) << "the clearing";
    EXPECT_FALSE(SafeToTrain(fresh, 425, 0.25)) << "the castle";
    EXPECT_FALSE(SafeToTrain(fresh, 325, 0.25)) << "a zone without opponents";
    // What is safe depends on the share asked.
    const Player middling = Hero(20, 120, 40, 70, 400);
    int safeZones = 0, loosely = 0;
    for (int zone = 0; zone < 44; ++zone) {
        const bool safe = SafeToTrain(middling, zone * 10, 0.25), loose = SafeToTrain(middling, zone * 10, 1.0);
        safeZones += safe;
        loosely += loose;
        EXPECT_TRUE(!safe || loose) << "zone " << zone;
    }
    EXPECT_GT(safeZones, 0);
    EXPECT_GT(loosely, safeZones);
}

TEST(PlaythroughTactics, WhenTheDisguisePays) {
    // A fresh hero of the job that copies (disguise level 1) beside the
    // first town: the egg machine's strength is far above his own.
    Player fresh = Hero(5, 12, 6, 9, 40);
    fresh.Progress[5] = 1;
    const auto eggZone = ZoneOpponents(5);
    ASSERT_TRUE(eggZone);
    EXPECT_TRUE(DisguiseBetter(fresh, (*eggZone)[0], 50));
    // Someone much stronger than the zone loses by copying it.
    Player seasoned = Hero(30, 200, 120, 100, 700);
    seasoned.Progress[5] = 1;
    EXPECT_FALSE(DisguiseBetter(seasoned, (*eggZone)[0], 50));
    // The dragon rock's half a billion HP cannot be copied.
    EXPECT_FALSE(DisguiseBetter(fresh, Boss(16, 100), 100));
    // A boss lends only a quarter of his HP: the priest's strength lifts a
    // feeble hero, but a strong one would give up three quarters of his HP.
    const Monster priest = Boss(23, 300);
    Player feeble = Hero(40, 60, 40, 50, 300);
    feeble.Progress[5] = 1;
    EXPECT_TRUE(DisguiseBetter(feeble, priest, 300));
    Player tough = Hero(40, 300, 160, 200, 2000);
    tough.Progress[5] = 1;
    EXPECT_FALSE(DisguiseBetter(tough, priest, 300));
}

// Each job's weapon, told by the names of the game's own job table: a typo
// here would quietly send a job into boss fights with the wrong plan.
TEST(PlaythroughTactics, EachJobsWeapon) {
    std::string casters, disguisers, bombers, blows;
    for (int code = 0; code < kJobCount; ++code) {
        Player hero;
        hero.Job = JobByCode(code).name;
        const std::string mark = std::to_string(code);
        if (IsCaster(hero)) casters += mark;
        if (IsDisguiser(hero)) disguisers += mark;
        if (IsBomber(hero)) bombers += mark;
        if (FightsWithBlows(hero)) blows += mark;
    }
    EXPECT_EQ(casters, "27");
    EXPECT_EQ(disguisers, "4");
    EXPECT_EQ(bombers, "3");
    EXPECT_EQ(blows, "056") << "勇者マメ has his double sword";
}

// Of the bosses on the way, only the priest heals himself.
TEST(PlaythroughTactics, TheBossWhoHeals) {
    EXPECT_TRUE(HealsHimself(Boss(23, 438))) << "プリースト";
    EXPECT_FALSE(HealsHimself(Boss(2, 60))) << "ROBO";
    EXPECT_FALSE(HealsHimself(Boss(16, 420))) << "岩ドラゴン";
    EXPECT_FALSE(HealsHimself(Boss(21, kLastBossRow))) << "ザンボラ";
}

TEST(PlaythroughTactics, TheMascotForABoss) {
    constexpr int kRobo = 1, kKnight = 7;
    Player hero = Hero(45, 320, 70, 170, 900);
    const Monster zanbora = Boss(21, 478), brother = Boss(9, 100);
    EXPECT_EQ(StrongestBossMascot(hero, zanbora), -1) << "none owned";
    hero.MascotOwned[kKnight] = 1;
    EXPECT_EQ(StrongestBossMascot(hero, zanbora), kKnight) << "the only one owned";
    hero.MascotOwned[kRobo] = 1;
    // The laser takes a share of the boss's HP: against 4000 HP it beats the
    // knight's blows; against a 550-HP boss the knight's blows win.
    EXPECT_EQ(StrongestBossMascot(hero, zanbora), kRobo);
    EXPECT_EQ(StrongestBossMascot(hero, brother), kKnight);
    // A weak hero's knight barely scratches a boss.
    Player weak = Hero(8, 30, 10, 20, 80);
    weak.MascotOwned = hero.MascotOwned;
    EXPECT_EQ(StrongestBossMascot(weak, brother), kRobo);
}

// The bomb let go when the gauge shows the fuse at its longest: the hero is
// unhurt, and with no attack to add, the opponent takes exactly what that
// fuse gives (a quarter of the square of 11, floored, per level of the bomb).
TEST(PlaythroughBombFuse, LetGoAtTheLongestFuse) {
    testing::TestGame t;
    Game& game = *t.game;
    game.GameState = "BATTLE";
    game.clock.LastTick = t.platform.ticks();
    Player& hero = game.player;
    hero.Job = "爆弾兵";
    hero.Hp = hero.MaxHp = 100;
    hero.Attack = 0;
    hero.Progress[5] = 2;
    game.monster.Hp = game.monster.MaxHp = 500;
    int gaugeFrames = 0;
    t.platform.autopilot = [&gaugeFrames](HeadlessPlatform& p) {
        if (!FuseGaugeShown(p.lastFrame())) return;
        ++gaugeFrames;
        if (FuseAtLongest(p.lastFrame())) p.tap(vk::X);
    };
    PlayBombGame(game);
    EXPECT_EQ(hero.Hp, 100);
    EXPECT_EQ(game.monster.Hp, 500 - 6 * 2);
    EXPECT_EQ(gaugeFrames, 11) << "the gauge fills in eleven frames and goes away with the bomb";
}

}  // namespace
}  // namespace zanbora::playthrough
