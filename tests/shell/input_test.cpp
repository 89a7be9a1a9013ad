#include <gtest/gtest.h>

#include "game/core/Frame.h"
#include "game/core/Input.h"
#include "game/core/Shutdown.h"
#include "platform/KeyCodes.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::RunUntilEnd;
using zanbora::testing::TestGame;

TEST(Keys, EachArrowSetsAndClearsItsOwnDirection) {
    TestGame t(false);
    Game& game = *t.game;
    const int arrows[4] = {vk::Left, vk::Up, vk::Right, vk::Down};
    for (int i = 0; i < 4; ++i) {
        OnKeyDown(game, arrows[i]);
        for (int j = 0; j < 4; ++j) EXPECT_EQ(game.keys.KeyState[j], i == j) << "key " << arrows[i];
        OnKeyUp(game, arrows[i]);
        for (int j = 0; j < 4; ++j) EXPECT_FALSE(game.keys.KeyState[j]);
    }
}

TEST(Keys, DecideAndActKeys) {
    TestGame t(false);
    Game& game = *t.game;
    for (int key : {vk::X, vk::Space, vk::Enter}) {
        OnKeyDown(game, key);
        EXPECT_TRUE(game.keys.KeyDecide) << key;
        EXPECT_FALSE(game.keys.KeyAct) << key;
        BeginFrameInput(game);  // the key is still held at the next frame
        OnKeyUp(game, key);
        EXPECT_FALSE(game.keys.KeyDecide) << key;
    }
    for (int key : {vk::Z, vk::Escape, vk::Shift}) {
        OnKeyDown(game, key);
        EXPECT_TRUE(game.keys.KeyAct) << key;
        EXPECT_FALSE(game.keys.KeyDecide) << key;
        BeginFrameInput(game);
        OnKeyUp(game, key);
        EXPECT_FALSE(game.keys.KeyAct) << key;
    }
}

TEST(Keys, ATapInsideOneFrameWaitIsStillSeenByTheLoop) {
    TestGame t(false);
    Game& game = *t.game;
    game.clock.LastTick = t.platform.ticks();
    t.platform.keyDownAt(t.platform.ticks() + 10, vk::X);
    t.platform.keyUpAt(t.platform.ticks() + 30, vk::X);
    Wait(game, 80);
    EXPECT_TRUE(game.keys.KeyDecide);  // the menu gets its look
    Wait(game, 80);
    EXPECT_FALSE(game.keys.KeyDecide);  // and an unread tap does not linger
}

TEST(Keys, TheKeyboardRepeatSetsDecideAgainAfterTheConsumerClearedIt) {
    TestGame t(false);
    Game& game = *t.game;
    OnKeyDown(game, vk::X);
    game.keys.KeyDecide = false;  // a menu took the press
    OnKeyDown(game, vk::X);       // auto-repeat while held
    EXPECT_TRUE(game.keys.KeyDecide);
}

TEST(Keys, OtherKeysChangeNothing) {
    TestGame t(false);
    Game& game = *t.game;
    OnKeyDown(game, 65);
    OnKeyDown(game, 0);
    EXPECT_FALSE(game.keys.KeyDecide || game.keys.KeyAct || game.keys.AltHeld);
    for (bool held : game.keys.KeyState) EXPECT_FALSE(held);
}

TEST(Keys, AltF4EndsTheProgramAndStopsTheMusic_F4AloneDoesNot) {
    TestGame t(false);
    Game& game = *t.game;
    game.music.BgmFile = "data1.mid";
    game.music.BgmOpen = true;
    EXPECT_EQ(RunUntilEnd([&] { OnKeyDown(game, vk::F4); }), -1);
    OnKeyUp(game, vk::F4);
    EXPECT_EQ(RunUntilEnd([&] {
                  OnKeyDown(game, vk::Alt);
                  OnKeyDown(game, vk::F4);
              }),
              0);
    EXPECT_FALSE(game.music.BgmOpen);
    EXPECT_EQ(t.platform.soundLog.back(), "music close");
}

TEST(Keys, ClosingTheWindowEndsTheProgramFromInsideAWait) {
    TestGame t(false);
    Game& game = *t.game;
    t.platform.eventAt(t.platform.ticks() + 5, {PlatformEvent::Kind::Quit, 0});
    EXPECT_EQ(RunUntilEnd([&] { ProcessEvents(game); t.platform.advance(10); ProcessEvents(game); }), 0);
}
