// The display-mode library's rules against a made-up display.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "resmode/ModeListing.h"

namespace {

using resmode::VideoMode;

class FakeDisplay : public resmode::ModeSource {
public:
    std::vector<VideoMode> modes;
    std::optional<VideoMode> current;
    std::set<int32_t> refusing;          // mode numbers whose switch fails
    std::vector<int32_t> switchAttempts;

    std::optional<VideoMode> listedMode(int32_t number) override
    {
        if (number < 0 || number >= static_cast<int32_t>(modes.size()))
            return std::nullopt;
        return modes[number];
    }
    std::optional<VideoMode> currentMode() override { return current; }
    bool switchTo(int32_t number) override
    {
        switchAttempts.push_back(number);
        if (refusing.count(number))
            return false;
        current = modes.at(number);
        return true;
    }
};

// The caller's four values.
struct Values {
    int32_t width, height, bits, frequency;
    resmode::ModeValues refs() { return {&width, &height, &bits, &frequency}; }
    VideoMode mode() const { return {width, height, bits, frequency}; }
};

const VideoMode k1024{1024, 768, 32, 60};
const VideoMode k800{800, 600, 32, 75};
const VideoMode k640x16{640, 480, 16, 60};

TEST(ModeListing, ListsEveryModeInOrderThenStopsWithValuesUntouched)
{
    FakeDisplay display;
    display.modes = {k1024, k800, k640x16};
    int32_t counter = 0;
    Values v{0, 0, 0, 0};
    std::vector<VideoMode> listed;
    while (resmode::enumDisplay(display, counter, v.refs()) == 1)
        listed.push_back(v.mode());
    EXPECT_EQ(listed, (std::vector<VideoMode>{k1024, k800, k640x16}));
    EXPECT_EQ(v.mode(), k640x16);
    EXPECT_EQ(counter, 3);
}

TEST(ModeListing, FourZerosStartTheListingAgainOtherValuesGoOn)
{
    FakeDisplay display;
    display.modes = {k1024, k800, k640x16};
    int32_t counter = 0;
    Values v{0, 0, 0, 0};
    while (resmode::enumDisplay(display, counter, v.refs()) == 1) {
    }
    v = {0, 0, 0, 0};
    ASSERT_EQ(resmode::enumDisplay(display, counter, v.refs()), 1);
    EXPECT_EQ(v.mode(), k1024);

    // Only all four zero restart; a zero frequency alone goes on.
    v = {1024, 768, 32, 0};
    ASSERT_EQ(resmode::enumDisplay(display, counter, v.refs()), 1);
    EXPECT_EQ(v.mode(), k800);
}

TEST(ModeListing, ModeBelowTenHertzEndsTheListingForGood)
{
    FakeDisplay display;
    display.modes = {k1024, {800, 600, 32, 1}, k640x16};
    int32_t counter = 0;
    Values v{0, 0, 0, 0};
    ASSERT_EQ(resmode::enumDisplay(display, counter, v.refs()), 1);
    EXPECT_EQ(resmode::enumDisplay(display, counter, v.refs()), 0);
    EXPECT_EQ(v.mode(), k1024);
    EXPECT_EQ(resmode::enumDisplay(display, counter, v.refs()), 0) << "the counter must not step past the unusable mode";

    display.modes = {{1280, 1024, 24, 0}};
    v = {0, 0, 0, 0};
    EXPECT_EQ(resmode::enumDisplay(display, counter, v.refs()), 0);
    EXPECT_EQ(v.mode(), VideoMode{});
}

TEST(ModeListing, CurrentModeIsReportedUnlessItRefreshesBelowTenHertz)
{
    FakeDisplay display;
    display.current = k1024;
    Values v{1, 2, 3, 4};
    EXPECT_EQ(resmode::getDisplay(display, v.refs()), 1);
    EXPECT_EQ(v.mode(), k1024);

    for (int32_t hz : {0, 1, 9}) {
        display.current = VideoMode{1280, 1024, 24, hz};
        v = {1, 2, 3, 4};
        EXPECT_EQ(resmode::getDisplay(display, v.refs()), 0) << hz << " Hz";
        EXPECT_EQ(v.mode(), (VideoMode{1, 2, 3, 4}));
    }
    display.current = VideoMode{640, 480, 16, 10};
    EXPECT_EQ(resmode::getDisplay(display, v.refs()), 1);

    display.current.reset();
    v = {1, 2, 3, 4};
    EXPECT_EQ(resmode::getDisplay(display, v.refs()), 0);
    EXPECT_EQ(v.mode(), (VideoMode{1, 2, 3, 4}));
}

TEST(ModeListing, SwitchWithoutMatchingModeFailsAndTouchesNothing)
{
    FakeDisplay display;
    display.modes = {k1024, k800};
    display.current = k1024;
    for (Values v : {Values{640, 480, 16, 60}, Values{800, 600, 32, 60}, Values{800, 600, 16, 75}}) {
        const VideoMode asked = v.mode();
        EXPECT_EQ(resmode::setDisplay(display, v.refs()), 0);
        EXPECT_EQ(v.mode(), asked);
    }
    EXPECT_TRUE(display.switchAttempts.empty());
    EXPECT_EQ(display.current, k1024);
}

TEST(ModeListing, RefusedFirstMatchIsFollowedByALaterDuplicate)
{
    FakeDisplay display;
    display.modes = {k1024, k800, k640x16, k1024, k800};
    display.refusing = {1};
    Values v{800, 600, 32, 75};
    EXPECT_EQ(resmode::setDisplay(display, v.refs()), 1);
    EXPECT_EQ(display.switchAttempts, (std::vector<int32_t>{1, 4}));
    EXPECT_EQ(display.current, k800);

    display.refusing = {0, 3};
    display.switchAttempts.clear();
    Values back{1024, 768, 32, 60};
    EXPECT_EQ(resmode::setDisplay(display, back.refs()), 0);
    EXPECT_EQ(display.switchAttempts, (std::vector<int32_t>{0, 3}));
    EXPECT_EQ(display.current, k800);
}

TEST(ModeListing, UnusableFrequencyIsNeverSwitchedTo)
{
    FakeDisplay display;
    display.modes = {{1280, 1024, 24, 0}};
    Values v{1280, 1024, 24, 0};
    EXPECT_EQ(resmode::setDisplay(display, v.refs()), 0);
    EXPECT_TRUE(display.switchAttempts.empty());
}

TEST(ModeListing, MissingPlaceForAValueIsAFailure)
{
    FakeDisplay display;
    display.modes = {k1024};
    display.current = k1024;
    int32_t counter = 0;
    int32_t w = 0, h = 0, b = 0;
    EXPECT_EQ(resmode::enumDisplay(display, counter, {&w, &h, &b, nullptr}), 0);
    EXPECT_EQ(resmode::getDisplay(display, {&w, nullptr, &b, &h}), 0);
    EXPECT_EQ(resmode::setDisplay(display, {nullptr, &h, &b, &w}), 0);
    EXPECT_EQ(w, 0);
    EXPECT_EQ(counter, 0);
}

}  // namespace
