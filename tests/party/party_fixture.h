#pragma once
// A new hero in a game with the built pictures and sounds, and a key script
// played one step per presented frame.
#include <gtest/gtest.h>

#include <string>

#include "support/TestGame.h"

namespace zanbora::testing {

class PartyTest : public ::testing::Test {
protected:
    PartyTest();

    Game& game() { return *tg.game; }
    // Plays `steps`, one per presented frame: D U L R hold a direction for
    // exactly one frame of frameMs, X decides, Z cancels, H holds X down
    // (never let go), '.' waits a frame, 'w' waits until the game sits
    // waiting for a key and then plays the step after it.
    void script(const std::string& steps, int frameMs);
    // Times a wave was played (by a part of its file name, any case).
    int played(const std::string& wave) const;

    TestGame tg{true};
};

}  // namespace zanbora::testing
