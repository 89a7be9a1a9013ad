#pragma once
// The display-mode helper library libResMode.so, loaded by the game at run
// time. Every call takes four values in the order width, height, bits per
// pixel, refresh frequency, returns 1 on success and 0 on failure, and
// leaves the four values untouched when it fails. Modes refreshing below
// 10 Hz are unusable: they are never reported and they end a listing.
#include <stdint.h>

#define RESMODE_EXPORT __attribute__((visibility("default")))

#ifdef __cplusplus
extern "C" {
#endif

// Lists the primary display's modes one per call. Four zeros on entry start
// the listing again from the first mode; 0 means there is no further mode.
RESMODE_EXPORT int32_t EnumDisplay(int32_t* width, int32_t* height, int32_t* bits, int32_t* frequency);
// Reports the mode now in force.
RESMODE_EXPORT int32_t GetDisplay(int32_t* width, int32_t* height, int32_t* bits, int32_t* frequency);
// Switches to the first listed mode equal to the four values that the
// display accepts, for this run only (nothing is stored in the desktop's
// settings).
RESMODE_EXPORT int32_t SetDisplay(int32_t* width, int32_t* height, int32_t* bits, int32_t* frequency);

#ifdef __cplusplus
}
#endif

// The same functions as the game looks them up with dlsym.
typedef int32_t (*DisplayModeFn)(int32_t*, int32_t*, int32_t*, int32_t*);
