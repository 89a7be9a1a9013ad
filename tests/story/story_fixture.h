#pragma once
// The field fixture with a player who reads each page and presses X to go
// on; every presented frame is kept so
// a test can ask whether a line of text was on the screen.
#include <deque>
#include <string>

#include "../field/field_fixture.h"
#include "platform/Pixels.h"

namespace zanbora::testing {

class StoryTest : public FieldTest {
protected:
    StoryTest();

    // True when some kept frame shows exactly `line` as the message window
    // types it at (30, y).
    bool Shown(const std::string& line, int y) const;
    // The hero walks north into the cell (x, y).
    void TalkTo(int x, int y);
    // Forget the frames kept so far.
    void ForgetFrames() { shots.clear(); }

    std::deque<Pixels> shots;
    bool keepShots = true;  // false: frames go by unkept (long scenes)
    bool pressX = true;   // answer every wait for a key with X
    int keyWaits = 0;     // X presses made

private:
    int64_t lastPresent_ = 0;
    int presentsSinceKey_ = 0;
};

}  // namespace zanbora::testing
