// libResMode.so: lists and switches the modes of the X display's primary
// output. Each call talks to the X server afresh; the only thing kept
// between calls is the number of the next mode to list.
#include "resmode/ResMode.h"

#include "resmode/ModeListing.h"
#include "resmode/XrandrModeSource.h"

namespace {

int32_t nextModeNumber = 0;

}  // namespace

extern "C" int32_t EnumDisplay(int32_t* width, int32_t* height, int32_t* bits, int32_t* frequency)
{
    const auto source = resmode::openPrimaryOutputModes();
    return source ? resmode::enumDisplay(*source, nextModeNumber, {width, height, bits, frequency}) : 0;
}

extern "C" int32_t GetDisplay(int32_t* width, int32_t* height, int32_t* bits, int32_t* frequency)
{
    const auto source = resmode::openPrimaryOutputModes();
    return source ? resmode::getDisplay(*source, {width, height, bits, frequency}) : 0;
}

extern "C" int32_t SetDisplay(int32_t* width, int32_t* height, int32_t* bits, int32_t* frequency)
{
    const auto source = resmode::openPrimaryOutputModes();
    return source ? resmode::setDisplay(*source, {width, height, bits, frequency}) : 0;
}
