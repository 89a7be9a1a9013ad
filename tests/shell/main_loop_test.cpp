#include <gtest/gtest.h>

#include "game/core/Frame.h"
#include "game/flow/MainLoop.h"
#include "platform/KeyCodes.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::RunUntilEnd;
using zanbora::testing::TestGame;

TEST(MainLoop, AnUnknownStateKeepsTheLoopSpinningWithoutDrawing) {
    TestGame t(false);
    Game& game = *t.game;
    game.GameState = "somewhere else";
    int waits = 0;
    t.platform.onWait = [&](HeadlessPlatform& p) {
        if (++waits == 200) p.eventAt(p.ticks(), {PlatformEvent::Kind::Quit, 0});
    };
    EXPECT_EQ(RunUntilEnd([&] { man(game); }), 0);
    EXPECT_GE(waits, 200);
    EXPECT_EQ(t.platform.frameCount(), 0);
    EXPECT_EQ(game.GameState, "somewhere else");
}

TEST(MainLoop, TheCursorIsTheFieldsVerticalStep) {
    TestGame t(false);
    FieldState& field = t.game->field;
    field.StepY = 0.125;
    EXPECT_EQ(field.Cursor, 0.125);
    field.StepY = 0;  // what the field does before it opens a menu
    EXPECT_EQ(field.Cursor, 0);
    field.Cursor = 2;
    EXPECT_EQ(field.StepY, 2);
}

namespace {

// The hero facing a locked door of the given strength at (20, 40).
void StandAtDoor(Game& game, int strength, double level) {
    game.player.HeroX = 19.5;
    game.player.HeroY = 39.5;  // foot point (20, 40)
    game.player.Level = level;
    game.field.Facing = 0;
    game.map.setEvent(20, 40, 20);
    game.monster.Id = 0;
    game.monster.Hp = game.monster.MaxHp = 5;
    game.monster.Attack = strength;
    game.GameState = "BATTLE2";
}

}  // namespace

TEST(DoorPrompt, OpensOnlyForAHeroAboveTheDoorsStrength) {
    TestGame t(false);
    Game& game = *t.game;
    StandAtDoor(game, 2, 3);
    t.platform.tap(vk::X);
    EXPECT_TRUE(DoorPrompt(game));
    EXPECT_EQ(game.battle.SceneText, "開いた。");
    EXPECT_EQ(game.map.eventAt(20, 40), 0);
    EXPECT_EQ(game.monster.Hp, 0);
    EXPECT_EQ(game.GameState, "MOVE");
    EXPECT_EQ(game.player.HeroY, 39.5);
}

TEST(DoorPrompt, AHeroAtTheDoorsStrengthIsTurnedBackAndTheDoorStays) {
    TestGame t(false);
    Game& game = *t.game;
    StandAtDoor(game, 2, 2);
    t.platform.tap(vk::X);
    DoorPrompt(game);
    EXPECT_EQ(game.battle.SceneText, "無理だ。");
    EXPECT_EQ(game.battle.BattleMsg, "OUT2");
    EXPECT_EQ(game.map.eventAt(20, 40), 20);
    EXPECT_EQ(game.GameState, "MOVE");
    EXPECT_EQ(game.player.HeroY, 40.5);  // facing up: stepped back down
}

TEST(DoorPrompt, GivingUpStepsBackUpWhenFacingDown) {
    TestGame t(false);
    Game& game = *t.game;
    StandAtDoor(game, 2, 50);
    game.field.Facing = 2;
    t.platform.keyDownAt(t.platform.ticks() + 10, vk::Down);
    t.platform.keyUpAt(t.platform.ticks() + 100, vk::Down);
    t.platform.keyDownAt(t.platform.ticks() + 400, vk::X);
    DoorPrompt(game);
    EXPECT_EQ(game.field.Cursor, 1);
    EXPECT_EQ(game.map.eventAt(20, 40), 20);
    EXPECT_EQ(game.player.HeroY, 38.5);
}

TEST(AfterBattle, BreakingTheDragonRockAtRow108CallsItsGuardianAtOnce) {
    TestGame t(false);
    Game& game = *t.game;
    game.player.HeroX = 30;
    game.player.HeroY = 107.5;
    game.monster.Id = 899;
    game.monster.Hp = 0;
    game.GameState = "MOVE";
    AfterBattle(game);
    EXPECT_EQ(game.GameState, "BATTLE");
    EXPECT_EQ(game.monster.Id, 980);
    EXPECT_EQ(game.monster.Picture, "mons10");
    EXPECT_EQ(game.monster.Hp, 300);
    EXPECT_EQ(game.monster.MaxHp, 90);
    EXPECT_EQ(game.monster.Attack, 55);
    EXPECT_EQ(game.monster.Special, 3);
    EXPECT_EQ(game.monster.Resist[1], 0.6);
    EXPECT_EQ(game.battle.BattleMsg, "mamezo");
}

TEST(AfterBattle, TheSecondGuardianAtRow172IsStronger) {
    TestGame t(false);
    Game& game = *t.game;
    game.player.HeroY = 171.5;
    game.monster.Id = 899;
    game.monster.Hp = -4;
    game.GameState = "MOVE";
    AfterBattle(game);
    EXPECT_EQ(game.monster.Picture, "mons20");
    EXPECT_EQ(game.monster.MaxHp, 150);
    EXPECT_EQ(game.monster.Speed, 35);
}

TEST(AfterBattle, FleeingFromAStandingDragonRockStepsTheHeroBack) {
    TestGame t(false);
    Game& game = *t.game;
    game.player.HeroY = 25.5;
    game.monster.Id = 899;
    game.monster.Hp = 10;
    game.GameState = "MOVE";
    AfterBattle(game);
    EXPECT_EQ(game.player.HeroY, 24.5);
    EXPECT_EQ(game.GameState, "MOVE");
}

TEST(FieldFrame, TheActKeyPushesTheRockOntoOpenGroundOnly) {
    TestGame t(false);
    Game& game = *t.game;
    for (int x = 0; x < 10; ++x) game.map.terrain[size_t(10) * kTerrainColumns + size_t(x)] = 6;
    game.map.terrain[size_t(10) * kTerrainColumns + 7] = 9;  // ladders never take the rock
    game.player.HeroX = 4.5;
    game.player.HeroY = 9.1;  // foot point (5, 10)
    game.map.setEvent(5, 10, 17);
    game.field.LastCellX = 5;
    game.field.LastCellY = 10;
    game.field.Facing = 1;
    game.keys.KeyAct = true;
    FieldFrame(game);
    EXPECT_EQ(game.map.eventAt(5, 10), 0);
    EXPECT_EQ(game.map.eventAt(6, 10), 17);
    // The rock stays where a ladder or another event is in the way.
    game.player.HeroX = 5.5;
    game.keys.KeyAct = true;
    FieldFrame(game);
    EXPECT_EQ(game.map.eventAt(6, 10), 17);
    game.map.setEvent(4, 10, 30);
    game.field.Facing = 3;
    game.map.setEvent(5, 10, 17);
    game.map.setEvent(6, 10, 0);
    game.player.HeroX = 4.5;
    game.keys.KeyAct = true;
    FieldFrame(game);
    EXPECT_EQ(game.map.eventAt(5, 10), 17);
    EXPECT_FALSE(game.keys.KeyAct);
}
