#pragma once
// The joystick helper library libPadPort.so, loaded by the game at run time.
// A selector of 0 means the first joystick, any other value the second.
// Axes are raw positions 0..65535 with the centre near 32767; buttons are
// one byte each, 1 pressed and 0 released. Every call returns 0 on success
// and -1 on failure, and writes nothing when it fails.
#include <stdint.h>

#define PADPORT_EXPORT __attribute__((visibility("default")))

#ifdef __cplusplus
extern "C" {
#endif

// 0 when the selected joystick is attached and can be read. The window is
// accepted for the game's sake; the joystick is read without it.
PADPORT_EXPORT int32_t CheckJoy(intptr_t window, int32_t selector);
// Writes the X, Y and Z positions.
PADPORT_EXPORT int32_t GetJoyAxis(int32_t selector, int32_t* x, int32_t* y, int32_t* z);
// Fills count bytes; byte i holds button i mod 32. A count of 0 or less
// writes nothing and still succeeds.
PADPORT_EXPORT int32_t GetJoyButton(int32_t selector, uint8_t* buttons, int32_t count);

#ifdef __cplusplus
}
#endif

// The same functions as the game looks them up with dlsym.
typedef int32_t (*CheckJoyFn)(intptr_t, int32_t);
typedef int32_t (*GetJoyAxisFn)(int32_t, int32_t*, int32_t*, int32_t*);
typedef int32_t (*GetJoyButtonFn)(int32_t, uint8_t*, int32_t);
