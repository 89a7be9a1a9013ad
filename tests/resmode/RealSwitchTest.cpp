// The display-mode library on a real X server: the dummy video driver with
// 1024 x 768 and 640 x 480 at 60 Hz, started by the test.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "DummyXServer.h"
#include "ResModeLibrary.h"
#include "ScopedVariable.h"

namespace {

TEST(ResModeWithoutX, EveryCallFailsAndWritesNothing)
{
    ScopedVariable noDisplay("DISPLAY", nullptr);
    ResModeLibrary modes;
    ASSERT_TRUE(modes.complete()) << dlerror();
    for (DisplayModeFn call : {modes.enumDisplay, modes.getDisplay, modes.setDisplay}) {
        for (Mode m : {Mode{}, Mode{640, 480, 32, 60}}) {
            const Mode before = m;
            EXPECT_EQ(call(&m.width, &m.height, &m.bits, &m.frequency), 0);
            EXPECT_EQ(m, before);
        }
    }
}

class ResModeOnDummyX : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (const std::string missing = DummyXServer::missingPieces(); !missing.empty())
            GTEST_SKIP() << "No dummy X server to switch modes on: " << missing;
        server = std::make_unique<DummyXServer>();
        ASSERT_TRUE(server->started()) << server->failure();
        display = std::make_unique<ScopedVariable>("DISPLAY", server->display().c_str());
        ASSERT_TRUE(modes.complete()) << dlerror();
    }

    std::optional<Mode> current() { return modes.current(); }

    std::vector<Mode> listing()
    {
        std::vector<Mode> all;
        Mode m;
        while (modes.enumDisplay(&m.width, &m.height, &m.bits, &m.frequency) == 1 && all.size() < 1000)
            all.push_back(m);
        return all;
    }

    int32_t set(Mode m) { return modes.set(m); }

    std::pair<int, int> screenSize() { return server->screenSize(); }

    std::unique_ptr<DummyXServer> server;
    std::unique_ptr<ScopedVariable> display;
    ResModeLibrary modes;
};

TEST_F(ResModeOnDummyX, ReportsTheModeInForceAndListsTheConfiguredOnes)
{
    const std::optional<Mode> now = current();
    ASSERT_TRUE(now);
    EXPECT_EQ(now->width, 1024);
    EXPECT_EQ(now->height, 768);
    EXPECT_EQ(now->frequency, 60);
    EXPECT_GE(now->bits, 16);

    const std::vector<Mode> all = listing();
    ASSERT_FALSE(all.empty());
    EXPECT_NE(std::find(all.begin(), all.end(), *now), all.end());
    EXPECT_NE(std::find(all.begin(), all.end(), Mode{640, 480, now->bits, 60}), all.end());
    for (const Mode& m : all)
        EXPECT_GE(m.frequency, 10) << m;

    // Four zeros start the listing again from the top.
    EXPECT_EQ(listing(), all);
}

TEST_F(ResModeOnDummyX, SwitchesTo640x480ForTheRunAndBack)
{
    const std::optional<Mode> saved = current();
    ASSERT_TRUE(saved);
    const Mode game{640, 480, saved->bits, 60};

    Mode asked = game;
    ASSERT_EQ(modes.setDisplay(&asked.width, &asked.height, &asked.bits, &asked.frequency), 1);
    EXPECT_EQ(asked, game);
    EXPECT_EQ(current(), game);
    EXPECT_EQ(screenSize(), std::make_pair(640, 480)) << "the desktop itself must shrink, not just the picture";

    ASSERT_EQ(set(*saved), 1);
    EXPECT_EQ(current(), saved);
    EXPECT_EQ(screenSize(), std::make_pair(1024, 768));
}

TEST_F(ResModeOnDummyX, UnlistedModeIsRefusedAndTheDisplayStays)
{
    const std::optional<Mode> saved = current();
    ASSERT_TRUE(saved);
    for (Mode m : {Mode{641, 480, saved->bits, 60}, Mode{640, 480, saved->bits, 75}, Mode{640, 480, 8, 60}}) {
        const Mode before = m;
        EXPECT_EQ(set(m), 0) << m;
        EXPECT_EQ(m, before);
    }
    EXPECT_EQ(current(), saved);
    EXPECT_EQ(screenSize(), std::make_pair(1024, 768));
}

}  // namespace
