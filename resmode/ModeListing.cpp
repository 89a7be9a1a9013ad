#include "resmode/ModeListing.h"

namespace resmode {

namespace {

bool complete(const ModeValues& v)
{
    return v.width && v.height && v.bits && v.frequency;
}

bool usable(const VideoMode& mode)
{
    return mode.frequency >= kLowestUsableFrequency;
}

VideoMode read(const ModeValues& v)
{
    return {*v.width, *v.height, *v.bits, *v.frequency};
}

void write(const ModeValues& v, const VideoMode& mode)
{
    *v.width = mode.width;
    *v.height = mode.height;
    *v.bits = mode.bits;
    *v.frequency = mode.frequency;
}

}  // namespace

int32_t enumDisplay(ModeSource& source, int32_t& counter, ModeValues values)
{
    if (!complete(values))
        return 0;
    if (read(values) == VideoMode{})
        counter = 0;
    const std::optional<VideoMode> mode = source.listedMode(counter);
    if (!mode || !usable(*mode))
        return 0;
    write(values, *mode);
    ++counter;
    return 1;
}

int32_t getDisplay(ModeSource& source, ModeValues values)
{
    if (!complete(values))
        return 0;
    const std::optional<VideoMode> mode = source.currentMode();
    if (!mode || !usable(*mode))
        return 0;
    write(values, *mode);
    return 1;
}

int32_t setDisplay(ModeSource& source, ModeValues values)
{
    if (!complete(values))
        return 0;
    const VideoMode wanted = read(values);
    // An unusable mode is never listed, so it cannot be asked for either.
    if (!usable(wanted))
        return 0;
    for (int32_t number = 0;; ++number) {
        const std::optional<VideoMode> mode = source.listedMode(number);
        if (!mode)
            return 0;
        // Displays often list one mode twice; a refused entry is not the end.
        if (*mode == wanted && source.switchTo(number))
            return 1;
    }
}

}  // namespace resmode
