#pragma once
// The rules of the display-mode library, apart from where the modes come
// from: which modes count, how the listing runs, which mode a switch picks.
#include <cstdint>
#include <optional>

namespace resmode {

struct VideoMode {
    int32_t width = 0;
    int32_t height = 0;
    int32_t bits = 0;
    int32_t frequency = 0;
    bool operator==(const VideoMode&) const = default;
};

// A display's numbered list of modes, its mode in force, and the switch.
class ModeSource {
public:
    virtual ~ModeSource() = default;
    // Mode number `number` (0, 1, 2, ...); nothing past the end of the list.
    virtual std::optional<VideoMode> listedMode(int32_t number) = 0;
    virtual std::optional<VideoMode> currentMode() = 0;
    // Puts the display into mode number `number`; false if it refuses.
    virtual bool switchTo(int32_t number) = 0;
};

// The caller's four values, in the order the library's calls take them.
struct ModeValues {
    int32_t* width;
    int32_t* height;
    int32_t* bits;
    int32_t* frequency;
};

// A mode refreshing below this many hertz is the display's "default" rate
// and cannot be asked for again.
constexpr int32_t kLowestUsableFrequency = 10;

// `counter` is the number of the next mode to list.
int32_t enumDisplay(ModeSource& source, int32_t& counter, ModeValues values);
int32_t getDisplay(ModeSource& source, ModeValues values);
int32_t setDisplay(ModeSource& source, ModeValues values);

}  // namespace resmode
