// The game's joystick layer reading a made-up pad through the real
// libPadPort.so, loaded from the game folder as the game loads it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>

#include "VirtualJoystick.h"
#include "game/core/Game.h"
#include "game/core/JoyPad.h"
#include "game/flow/CellTriggers.h"
#include "platform/LoadedLibraryDl.h"
#include "support/BuildPaths.h"
#include "support/TestGame.h"

namespace zanbora {
namespace {

class PollJoystickTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    }

    void SetUp() override
    {
        if (SDL_NumJoysticks() > 0) GTEST_SKIP() << "a real joystick is attached; these tests need the machine without one";
        test.platform.libraries["libPadPort.so"] = [] { return OpenLibraryDl(zanbora::testing::BuiltGameDir() + "/libPadPort.so"); };
        plugIn();
        InitJoystick(game());
        ASSERT_TRUE(game().joy.JoyPresent) << "libPadPort.so did not find the pad";
    }

    // A pad of SDL's standard layout: button 0 is A (south), 1 is B (east).
    void plugIn()
    {
        stick = std::make_unique<VirtualJoystick>(VirtualJoystick::standardPad());
        ASSERT_TRUE(stick->plugged()) << SDL_GetError();
    }

    // An open grass field for the hero to walk on.
    void lieOnGrass()
    {
        FieldState& field = game().field;
        for (int k = 1; k <= 80; ++k) {
            field.SinTab[k] = std::sin(k * 4.5 * M_PI / 180.0);
            field.CosTab[k] = std::cos(k * 4.5 * M_PI / 180.0);
        }
        std::fill(game().map.terrain.begin(), game().map.terrain.end(), uint8_t(10));
        field.EncounterSteps = 1e9;
        game().player.HeroX = field.LastCellX = 70;
        game().player.HeroY = 250 - 0.4;
        field.LastCellY = 250;
    }

    // One field frame as the main loop runs it: the pad is read, the hero moves.
    void fieldFrame()
    {
        PollJoystick(game());
        MOVEN(game());
        test.platform.advance(48);
    }

    Game& game() { return *test.game; }

    testing::TestGame test{false};
    std::unique_ptr<VirtualJoystick> stick;
};

TEST_F(PollJoystickTest, HeldButtonDecidesOnce)
{
    stick->button(SDL_CONTROLLER_BUTTON_A, true);
    PollJoystick(game());
    EXPECT_TRUE(game().keys.KeyDecide);
    EXPECT_FALSE(game().keys.KeyAct);

    game().keys.KeyDecide = false;  // a menu took the decision
    for (int frame = 0; frame < 5; ++frame) PollJoystick(game());
    EXPECT_FALSE(game().keys.KeyDecide) << "holding the button must not decide again";

    stick->button(SDL_CONTROLLER_BUTTON_A, false);
    PollJoystick(game());
    stick->button(SDL_CONTROLLER_BUTTON_A, true);
    PollJoystick(game());
    EXPECT_TRUE(game().keys.KeyDecide) << "a new press decides again";

    stick->button(SDL_CONTROLLER_BUTTON_B, true);
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

TEST_F(PollJoystickTest, PulledOutMidWalkTheHeroStopsAndPluggedInAgainHeWalksOn)
{
    lieOnGrass();
    fieldFrame();  // the first reading is the centre
    stick->axis(SDL_CONTROLLER_AXIS_LEFTX, SDL_JOYSTICK_AXIS_MAX);
    const double startX = game().player.HeroX;
    for (int i = 0; i < 5; ++i) fieldFrame();
    EXPECT_GT(game().player.HeroX, startX + 0.5) << "the stick walks the hero right";

    stick->unplug();
    fieldFrame();
    EXPECT_FALSE(game().joy.JoyPresent);
    const double stoppedX = game().player.HeroX;
    for (int i = 0; i < 5; ++i) fieldFrame();
    EXPECT_EQ(game().player.HeroX, stoppedX) << "the hero stops when the pad goes";

    plugIn();
    for (int i = 0; i < kPadSearchMs / 48 + 2; ++i) fieldFrame();
    ASSERT_TRUE(game().joy.JoyPresent) << "the pad is found again without a restart";
    stick->button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT, true);
    for (int i = 0; i < 5; ++i) fieldFrame();
    EXPECT_GT(game().player.HeroX, stoppedX + 0.5) << "the d-pad walks the hero on";
}

TEST_F(PollJoystickTest, APadPluggedInAfterStartUpWorks)
{
    stick.reset();
    testing::TestGame late{false};
    late.platform.libraries["libPadPort.so"] = [] { return OpenLibraryDl(zanbora::testing::BuiltGameDir() + "/libPadPort.so"); };
    InitJoystick(*late.game);
    EXPECT_FALSE(late.game->joy.JoyPresent);

    plugIn();
    late.platform.advance(kPadSearchMs);
    PollJoystick(*late.game);
    ASSERT_TRUE(late.game->joy.JoyPresent);
    stick->button(SDL_CONTROLLER_BUTTON_A, true);
    PollJoystick(*late.game);
    EXPECT_TRUE(late.game->keys.KeyDecide);
}

}  // namespace
}  // namespace zanbora
