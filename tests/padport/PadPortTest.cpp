// The joystick library against joysticks SDL makes up: what the game's
// input layer gets back for presence, axes and buttons.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "PadPortLibrary.h"
#include "VirtualJoystick.h"

namespace {

class PadPortTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        // Only the made-up joysticks: leave real pads and hidraw alone.
        SDL_SetHint(SDL_HINT_JOYSTICK_HIDAPI, "0");
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0) << SDL_GetError();
    }

    void SetUp() override
    {
        ASSERT_TRUE(pad.complete()) << "libPadPort.so or one of its calls is missing: " << dlerror();
        if (SDL_NumJoysticks() > 0)
            GTEST_SKIP() << "a real joystick is attached; these tests need the machine without one";
    }

    PadPortLibrary pad;
};

TEST_F(PadPortTest, WithoutJoystickEveryCallFailsAndWritesNothing)
{
    for (int32_t selector : {0, 1, 7}) {
        EXPECT_EQ(pad.checkJoy(0, selector), -1);
        int32_t x = 11, y = 22, z = 33;
        EXPECT_EQ(pad.getJoyAxis(selector, &x, &y, &z), -1);
        EXPECT_EQ(x, 11);
        EXPECT_EQ(y, 22);
        EXPECT_EQ(z, 33);
        std::array<uint8_t, 8> buttons;
        buttons.fill(0xAB);
        EXPECT_EQ(pad.getJoyButton(selector, buttons.data(), 8), -1);
        for (uint8_t b : buttons)
            EXPECT_EQ(b, 0xAB);
    }
}

TEST_F(PadPortTest, AxesAreRawPositionsFromZeroTo65535)
{
    VirtualJoystick stick(3, 2);
    ASSERT_TRUE(stick.plugged()) << SDL_GetError();
    EXPECT_EQ(pad.checkJoy(0, 0), 0);

    stick.axis(0, SDL_JOYSTICK_AXIS_MIN);
    stick.axis(1, SDL_JOYSTICK_AXIS_MAX);
    stick.axis(2, 0);
    int32_t x = -1, y = -1, z = -1;
    ASSERT_EQ(pad.getJoyAxis(0, &x, &y, &z), 0);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 65535);
    EXPECT_EQ(z, 32768);

    // A fresh reading every call, not the first one kept.
    stick.axis(0, SDL_JOYSTICK_AXIS_MAX);
    ASSERT_EQ(pad.getJoyAxis(0, &x, &y, &z), 0);
    EXPECT_EQ(x, 65535);
}

TEST_F(PadPortTest, PadWithoutThirdAxisReadsItCentred)
{
    VirtualJoystick stick(2, 2);
    ASSERT_TRUE(stick.plugged()) << SDL_GetError();
    int32_t x = -1, y = -1, z = -1;
    ASSERT_EQ(pad.getJoyAxis(0, &x, &y, &z), 0);
    EXPECT_EQ(x, 32768);
    EXPECT_EQ(z, 32768);
}

TEST_F(PadPortTest, ButtonBytesAreZeroOrOneAndOnlyCountAreWritten)
{
    VirtualJoystick stick(2, 8);
    ASSERT_TRUE(stick.plugged()) << SDL_GetError();
    stick.button(1, true);
    stick.button(3, true);
    stick.button(5, true);

    std::array<uint8_t, 8> buttons;
    buttons.fill(0xAB);
    ASSERT_EQ(pad.getJoyButton(0, buttons.data(), 4), 0);
    EXPECT_EQ(buttons, (std::array<uint8_t, 8>{0, 1, 0, 1, 0xAB, 0xAB, 0xAB, 0xAB}));

    buttons.fill(0xAB);
    EXPECT_EQ(pad.getJoyButton(0, buttons.data(), 0), 0);
    EXPECT_EQ(pad.getJoyButton(0, buttons.data(), -3), 0);
    EXPECT_EQ(buttons[0], 0xAB);

    stick.button(1, false);
    ASSERT_EQ(pad.getJoyButton(0, buttons.data(), 2), 0);
    EXPECT_EQ(buttons[1], 0);
}

TEST_F(PadPortTest, ButtonsBeyondThirtyTwoRepeatTheFirstThirtyTwo)
{
    VirtualJoystick stick(2, 40);
    ASSERT_TRUE(stick.plugged()) << SDL_GetError();
    stick.button(2, true);
    stick.button(31, true);
    stick.button(34, true);  // past the 32 the game can tell apart

    std::array<uint8_t, 70> buttons;
    buttons.fill(0xAB);
    ASSERT_EQ(pad.getJoyButton(0, buttons.data(), 70), 0);
    for (int i = 0; i < 70; ++i) {
        const int bit = i % 32;
        EXPECT_EQ(buttons[i], bit == 2 || bit == 31 ? 1 : 0) << "byte " << i;
    }
}

TEST_F(PadPortTest, SelectorZeroIsTheFirstPadAnyOtherTheSecond)
{
    VirtualJoystick first(2, 2);
    ASSERT_TRUE(first.plugged()) << SDL_GetError();
    EXPECT_EQ(pad.checkJoy(0, 1), -1);

    VirtualJoystick second(2, 2);
    ASSERT_TRUE(second.plugged()) << SDL_GetError();
    first.axis(0, SDL_JOYSTICK_AXIS_MIN);
    second.axis(0, SDL_JOYSTICK_AXIS_MAX);
    for (int32_t selector : {1, 2, -1}) {
        EXPECT_EQ(pad.checkJoy(0, selector), 0);
        int32_t x = -1, y = -1, z = -1;
        ASSERT_EQ(pad.getJoyAxis(selector, &x, &y, &z), 0);
        EXPECT_EQ(x, 65535) << "selector " << selector;
    }
    int32_t x = -1, y = -1, z = -1;
    ASSERT_EQ(pad.getJoyAxis(0, &x, &y, &z), 0);
    EXPECT_EQ(x, 0);
}

TEST_F(PadPortTest, PadPluggedInLaterIsFoundAndUnpluggingIsNoticed)
{
    EXPECT_EQ(pad.checkJoy(0, 0), -1);
    VirtualJoystick stick(2, 2);
    ASSERT_TRUE(stick.plugged()) << SDL_GetError();
    EXPECT_EQ(pad.checkJoy(0, 0), 0);

    stick.unplug();
    int32_t x = 5, y = 6, z = 7;
    EXPECT_EQ(pad.getJoyAxis(0, &x, &y, &z), -1);
    EXPECT_EQ(x, 5);
    EXPECT_EQ(pad.checkJoy(0, 0), -1);

    VirtualJoystick again(2, 2);
    ASSERT_TRUE(again.plugged()) << SDL_GetError();
    again.axis(1, SDL_JOYSTICK_AXIS_MAX);
    ASSERT_EQ(pad.getJoyAxis(0, &x, &y, &z), 0);
    EXPECT_EQ(y, 65535);
}

// Three pads as SDL's database describes them on Linux, each numbering its
// buttons its own way; the game gets the south button as its button 2
// (decide) and the east one as its button 1 (cancel) from every one.
struct KnownPad {
    const char* name;
    Uint16 vendor, product;
    const char* layout;
    int south, east;
};
const KnownPad kKnownPads[] = {
    {"Xbox 360", 0x045e, 0x028e,
     "a:b0,b:b1,x:b2,y:b3,leftshoulder:b4,rightshoulder:b5,back:b6,start:b7,guide:b8,leftstick:b9,"
     "rightstick:b10,dpup:h0.1,dpright:h0.2,dpdown:h0.4,dpleft:h0.8,leftx:a0,lefty:a1,lefttrigger:a2,"
     "rightx:a3,righty:a4,righttrigger:a5",
     0, 1},
    {"DualShock 4", 0x054c, 0x05c4,
     "x:b0,a:b1,b:b2,y:b3,leftshoulder:b4,rightshoulder:b5,back:b8,start:b9,leftstick:b10,rightstick:b11,"
     "guide:b12,dpup:h0.1,dpright:h0.2,dpdown:h0.4,dpleft:h0.8,leftx:a0,lefty:a1,rightx:a2,righty:a5,"
     "lefttrigger:a3,righttrigger:a4",
     1, 2},
    {"Switch Pro", 0x057e, 0x2009,
     "b:b0,a:b1,y:b2,x:b3,leftshoulder:b4,rightshoulder:b5,back:b8,start:b9,leftstick:b10,rightstick:b11,"
     "guide:b12,dpup:h0.1,dpright:h0.2,dpdown:h0.4,dpleft:h0.8,leftx:a0,lefty:a1,rightx:a2,righty:a3",
     1, 0},
};

TEST_F(PadPortTest, EveryKnownPadDecidesWithTheSouthButtonAndCancelsWithTheEast)
{
    for (const KnownPad& known : kKnownPads) {
        SCOPED_TRACE(known.name);
        VirtualJoystick stick = VirtualJoystick::withLayout(known.vendor, known.product, known.layout, 6, 13, 1);
        ASSERT_TRUE(stick.plugged()) << SDL_GetError();
        ASSERT_EQ(pad.checkJoy(0, 0), 0);
        std::array<uint8_t, 2> buttons{};

        stick.button(known.south, true);
        ASSERT_EQ(pad.getJoyButton(0, buttons.data(), 2), 0);
        EXPECT_EQ(buttons, (std::array<uint8_t, 2>{0, 1}));
        stick.button(known.south, false);
        stick.button(known.east, true);
        ASSERT_EQ(pad.getJoyButton(0, buttons.data(), 2), 0);
        EXPECT_EQ(buttons, (std::array<uint8_t, 2>{1, 0}));
        stick.button(known.east, false);
        for (int other = 0; other < 13; ++other) {
            if (other == known.south || other == known.east)
                continue;
            stick.button(other, true);
            ASSERT_EQ(pad.getJoyButton(0, buttons.data(), 2), 0);
            EXPECT_EQ(buttons, (std::array<uint8_t, 2>{0, 0})) << "button " << other;
            stick.button(other, false);
        }
    }
}

TEST_F(PadPortTest, TheDPadAndTheLeftStickBothSteer)
{
    const KnownPad& known = kKnownPads[1];
    VirtualJoystick stick = VirtualJoystick::withLayout(known.vendor, known.product, known.layout, 6, 13, 1);
    ASSERT_TRUE(stick.plugged()) << SDL_GetError();
    int32_t x = -1, y = -1, z = -1;
    ASSERT_EQ(pad.getJoyAxis(0, &x, &y, &z), 0);
    EXPECT_EQ(x, 32768);
    EXPECT_EQ(y, 32768);

    stick.axis(0, SDL_JOYSTICK_AXIS_MIN);  // left stick pushed left
    stick.axis(1, 20000);
    ASSERT_EQ(pad.getJoyAxis(0, &x, &y, &z), 0);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 52768);

    stick.axis(0, 0);
    stick.axis(1, 0);
    stick.hat(0, SDL_HAT_RIGHTUP);  // the d-pad, pressed up and right
    ASSERT_EQ(pad.getJoyAxis(0, &x, &y, &z), 0);
    EXPECT_EQ(x, 65535);
    EXPECT_EQ(y, 0);
    stick.hat(0, SDL_HAT_DOWN);
    ASSERT_EQ(pad.getJoyAxis(0, &x, &y, &z), 0);
    EXPECT_EQ(x, 32768);
    EXPECT_EQ(y, 65535);
}

TEST_F(PadPortTest, APlainJoystickSteersWithItsHatToo)
{
    VirtualJoystick stick(2, 4, 1);
    ASSERT_TRUE(stick.plugged()) << SDL_GetError();
    stick.hat(0, SDL_HAT_LEFT);
    int32_t x = -1, y = -1, z = -1;
    ASSERT_EQ(pad.getJoyAxis(0, &x, &y, &z), 0);
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 32768);
}

TEST_F(PadPortTest, MissingPlacesForTheReadingAreAFailure)
{
    VirtualJoystick stick(2, 2);
    ASSERT_TRUE(stick.plugged()) << SDL_GetError();
    int32_t x = 5, y = 6;
    EXPECT_EQ(pad.getJoyAxis(0, &x, &y, nullptr), -1);
    EXPECT_EQ(x, 5);
    EXPECT_EQ(pad.getJoyButton(0, nullptr, 4), -1);
}

}  // namespace
