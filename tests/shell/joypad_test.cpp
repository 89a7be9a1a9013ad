#include <gtest/gtest.h>

#include "game/core/FastForward.h"
#include "game/core/JoyPad.h"
#include "game/core/Input.h"
#include "platform/KeyCodes.h"
#include "support/TestGame.h"

using namespace zanbora;
using zanbora::testing::TestGame;

namespace {

// A joystick the test moves by hand, behind the three library calls.
struct FakeStick {
    bool present[2] = {false, true};
    bool axisFails = false;
    bool buttonsFail = false;
    uint32_t x = 32767, y = 32767;
    bool button[8] = {};
    int axisReads = 0;
};
FakeStick stick;

int32_t FakeCheckJoy(intptr_t, int32_t port) { return stick.present[port ? 1 : 0] ? 0 : -1; }
int32_t FakeGetJoyAxis(int32_t, uint32_t* x, uint32_t* y, uint32_t* z) {
    ++stick.axisReads;
    if (stick.axisFails) return -1;
    *x = stick.x, *y = stick.y, *z = 0;
    return 0;
}
int32_t FakeGetJoyButton(int32_t, uint8_t* buttons, int32_t count) {
    if (stick.buttonsFail) return -1;
    for (int i = 0; i < count; ++i) buttons[i] = i < 8 && stick.button[i] ? 1 : 0;
    return 0;
}

class JoyPadTest : public ::testing::Test {
protected:
    void SetUp() override {
        stick = FakeStick{};
        InitJoystickWith(game, PadPortApi{FakeCheckJoy, FakeGetJoyAxis, FakeGetJoyButton});
        PollJoystick(game);  // the first reading becomes the centre
    }
    TestGame t{false};
    Game& game = *t.game;
};

}  // namespace

TEST_F(JoyPadTest, TheFirstPortThatAnswersIsUsed) {
    EXPECT_TRUE(game.joy.JoyPresent);
    EXPECT_EQ(game.joy.JoyPort, 1);
    EXPECT_EQ(game.joy.JoyCentreX, 32767);
}

TEST_F(JoyPadTest, NoLibraryOrNoStickMeansNoJoystick) {
    TestGame other(false);
    InitJoystick(*other.game);  // no libPadPort.so in an empty folder
    EXPECT_FALSE(other.game->joy.JoyPresent);
    PollJoystick(*other.game);
    stick.present[1] = false;
    InitJoystickWith(game, PadPortApi{FakeCheckJoy, FakeGetJoyAxis, FakeGetJoyButton});
    EXPECT_FALSE(game.joy.JoyPresent);
}

TEST_F(JoyPadTest, SmallMovementsStayInsideTheDeadZone) {
    stick.x = 32767 + 10000;
    stick.y = 32767 - 10000;
    PollJoystick(game);
    for (bool held : game.keys.KeyState) EXPECT_FALSE(held);
    stick.x = 32767 + 10001;
    stick.y = 32767 - 10001;
    PollJoystick(game);
    EXPECT_TRUE(game.keys.KeyState[2]);
    EXPECT_TRUE(game.keys.KeyState[1]);
    EXPECT_FALSE(game.keys.KeyState[0]);
    EXPECT_FALSE(game.keys.KeyState[3]);
}

TEST_F(JoyPadTest, LettingGoOfTheStickReleasesTheDirectionEvenIfAKeyHeldIt) {
    stick.x = 0;
    PollJoystick(game);
    EXPECT_TRUE(game.keys.KeyState[0]);
    game.keys.KeyState[0] = true;  // the Left key is also down
    stick.x = 32767;
    PollJoystick(game);
    EXPECT_FALSE(game.keys.KeyState[0]);
    EXPECT_FALSE(game.joy.PadState[0]);
    // A key held without the stick is left alone.
    game.keys.KeyState[3] = true;
    PollJoystick(game);
    EXPECT_TRUE(game.keys.KeyState[3]);
}

TEST_F(JoyPadTest, HoldingAButtonSetsItsFlagOncePerPress) {
    stick.button[1] = true;  // button 2: decide
    PollJoystick(game);
    EXPECT_TRUE(game.keys.KeyDecide);
    game.keys.KeyDecide = false;  // a menu consumed it
    PollJoystick(game);
    PollJoystick(game);
    EXPECT_FALSE(game.keys.KeyDecide);
    stick.button[1] = false;
    PollJoystick(game);
    stick.button[1] = true;
    PollJoystick(game);
    EXPECT_TRUE(game.keys.KeyDecide);

    stick.button[0] = true;  // button 1: act
    PollJoystick(game);
    EXPECT_TRUE(game.keys.KeyAct);
    stick.button[0] = false;
    PollJoystick(game);
    EXPECT_FALSE(game.keys.KeyAct);  // release clears it
}

TEST_F(JoyPadTest, APulledPadLetsGoAndIsLookedForAgainOnceASecond) {
    stick.x = 65535;  // walking right with the stick
    stick.button[1] = true;
    PollJoystick(game);
    ASSERT_TRUE(game.keys.KeyState[2]);

    stick.axisFails = true;  // pulled out mid-walk
    stick.present[1] = false;
    PollJoystick(game);
    EXPECT_FALSE(game.joy.JoyPresent);
    EXPECT_FALSE(game.keys.KeyState[2]) << "the hero must stop";
    const int reads = stick.axisReads;
    PollJoystick(game);
    EXPECT_EQ(stick.axisReads, reads) << "no reading without a pad";

    // Plugged in again, now held a little off centre: found within a second,
    // and its first reading is its centre.
    stick.axisFails = false;
    stick.present[1] = true;
    stick.x = 30000;
    t.platform.advance(kPadSearchMs - 1);
    PollJoystick(game);
    EXPECT_FALSE(game.joy.JoyPresent);
    t.platform.advance(1);
    PollJoystick(game);
    EXPECT_TRUE(game.joy.JoyPresent);
    EXPECT_EQ(game.joy.JoyCentreX, 30000);
    EXPECT_FALSE(game.keys.KeyState[2]);
    // The button held through the swap counts as a new press.
    EXPECT_TRUE(game.keys.KeyDecide);
}

TEST_F(JoyPadTest, APadPluggedInAfterStartUpIsFound) {
    stick.present[0] = stick.present[1] = false;
    InitJoystickWith(game, PadPortApi{FakeCheckJoy, FakeGetJoyAxis, FakeGetJoyButton});
    EXPECT_FALSE(game.joy.JoyPresent);
    stick.present[0] = true;
    t.platform.advance(kPadSearchMs);
    PollJoystick(game);  // found; this first reading is the centre
    EXPECT_TRUE(game.joy.JoyPresent);
    EXPECT_EQ(game.joy.JoyPort, 0);
    stick.x = 65535;
    PollJoystick(game);
    EXPECT_TRUE(game.keys.KeyState[2]);
}

TEST_F(JoyPadTest, AFailedButtonReadCountsAsACentredStickNotAsUpLeft) {
    stick.x = 65535;
    PollJoystick(game);
    EXPECT_TRUE(game.keys.KeyState[2]);
    stick.buttonsFail = true;
    PollJoystick(game);
    EXPECT_FALSE(game.keys.KeyState[0]);
    EXPECT_FALSE(game.keys.KeyState[1]);
    EXPECT_FALSE(game.keys.KeyState[2]);
}

TEST_F(JoyPadTest, TheRightShoulderFastForwardsWhileHeldAndLetsGoWhenThePadIsPulled) {
    stick.button[kFastForwardButton] = true;
    PollJoystick(game);
    EXPECT_EQ(game.time.speed(), kFastForwardSpeed);
    EXPECT_TRUE(t.platform.fastForwardShown);
    EXPECT_FALSE(game.keys.KeyDecide);
    EXPECT_FALSE(game.keys.KeyAct);
    PollJoystick(game);  // still held
    EXPECT_EQ(game.time.speed(), kFastForwardSpeed);
    stick.button[kFastForwardButton] = false;
    PollJoystick(game);
    EXPECT_EQ(game.time.speed(), 1);
    EXPECT_FALSE(t.platform.fastForwardShown);

    stick.button[kFastForwardButton] = true;
    PollJoystick(game);
    stick.axisFails = true;
    PollJoystick(game);
    EXPECT_FALSE(game.joy.JoyPresent);
    EXPECT_EQ(game.time.speed(), 1);
    EXPECT_FALSE(t.platform.fastForwardShown);
}

TEST_F(JoyPadTest, TheKeyKeepsFastForwardingWhenThePadLetsGo) {
    OnKeyDown(game, vk::FastForward);
    stick.button[kFastForwardButton] = true;
    PollJoystick(game);
    stick.button[kFastForwardButton] = false;
    PollJoystick(game);
    EXPECT_EQ(game.time.speed(), kFastForwardSpeed);
    OnKeyUp(game, vk::FastForward);
    EXPECT_EQ(game.time.speed(), 1);
}
