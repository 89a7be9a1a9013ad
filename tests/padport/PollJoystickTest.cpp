// The game's joystick layer reading a made-up pad through the real
// libPadPort.so, loaded from the game folder as the game loads it.
#include <gtest/gtest.h>

#include <memory>

#include "VirtualJoystick.h"
#include "game/shell/Game.h"
#include "game/shell/JoyPad.h"
#include "platform/LoadedLibraryDl.h"
#include "support/TestGame.h"
#include "support/BuildPaths.h"

namespace zanbora {
namespace {

class PollJoystickTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0) << SDL_GetError();
    }

    void SetUp() override
    {
        if (SDL_NumJoysticks() > 0) GTEST_SKIP() << "a real joystick is attached; these tests need the machine without one";
        test.platform.libraries["libPadPort.so"] = [] { return OpenLibraryDl(zanbora::testing::BuiltGameDir() + "/libPadPort.so"); };
        stick = std::make_unique<VirtualJoystick>(2, 8);
        ASSERT_TRUE(stick->plugged()) << SDL_GetError();
        stick->axis(0, 0);
        stick->axis(1, 0);
        InitJoystick(game());
        ASSERT_TRUE(game().joy.JoyPresent) << "libPadPort.so did not find the pad";
    }

    Game& game() { return *test.game; }

    testing::TestGame test{false};
    std::unique_ptr<VirtualJoystick> stick;
};

TEST_F(PollJoystickTest, HeldButtonDecidesOnce)
{
    stick->button(1, true);
    PollJoystick(game());
    EXPECT_TRUE(game().keys.KeyDecide);
    EXPECT_FALSE(game().keys.KeyAct);

    game().keys.KeyDecide = false;  // a menu took the decision
    for (int frame = 0; frame < 5; ++frame) PollJoystick(game());
    EXPECT_FALSE(game().keys.KeyDecide) << "holding the button must not decide again";

    stick->button(1, false);
    PollJoystick(game());
    stick->button(1, true);
    PollJoystick(game());
    EXPECT_TRUE(game().keys.KeyDecide) << "a new press decides again";

    stick->button(0, true);
    PollJoystick(game());
    EXPECT_TRUE(game().keys.KeyAct);
}

TEST_F(PollJoystickTest, StickPastTheDeadZoneHoldsADirection)
{
    PollJoystick(game());  // the first reading is the centre
    stick->axis(0, SDL_JOYSTICK_AXIS_MAX);
    PollJoystick(game());
    EXPECT_TRUE(game().keys.KeyState[2]);
    EXPECT_FALSE(game().keys.KeyState[0]);

    stick->axis(0, 5000);  // inside the dead zone of 10000 around the centre
    PollJoystick(game());
    EXPECT_FALSE(game().keys.KeyState[2]);

    stick->axis(1, SDL_JOYSTICK_AXIS_MIN);
    PollJoystick(game());
    EXPECT_TRUE(game().keys.KeyState[1]);
}

TEST_F(PollJoystickTest, UnpluggedPadStopsBeingPolled)
{
    stick->unplug();
    PollJoystick(game());
    EXPECT_FALSE(game().joy.JoyPresent);
}

}  // namespace
}  // namespace zanbora
