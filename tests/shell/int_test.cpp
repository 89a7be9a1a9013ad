// Int, the floor every rule of the game takes of its real numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "game/core/Game.h"

using namespace zanbora;

TEST(Int, IsTheFloorAlsoBelowZero) {
    EXPECT_EQ(Int(2.99), 2);
    EXPECT_EQ(Int(-0.5), -1);
    EXPECT_EQ(Int(-3.0), -3);
    EXPECT_EQ(Int(0.0), 0);
}

TEST(Int, HoldsTheBillionsOfAScaledDragonRock) {
    // 550000000 HP times 8 in the men's mode.
    EXPECT_EQ(Int(4400000000.0), int64_t{4400000000});
    EXPECT_EQ(std::to_string(Int(4400000000.0)), "4400000000");
    EXPECT_EQ(Int(-4400000000.5), int64_t{-4400000001});
}

TEST(Int, StaysAtItsEndsBeyondTheRangeAndTakesNothingForNaN) {
    EXPECT_EQ(Int(1e300), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(Int(-1e300), std::numeric_limits<int64_t>::min());
    EXPECT_EQ(Int(std::numeric_limits<double>::infinity()), std::numeric_limits<int64_t>::max());
    EXPECT_EQ(Int(std::nan("")), 0);
}
