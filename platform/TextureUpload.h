#pragma once
// Puts the game's picture into a window's streaming texture, sending the
// renderer only the rows that changed.
#include <SDL.h>

#include "platform/Pixels.h"

namespace zanbora {

// The texture's format: 0x00RRGGBB like Pixels, its top byte ignored.
constexpr Uint32 kFrameTextureFormat = SDL_PIXELFORMAT_RGB888;

// Rows [first, end): where two pictures differ. Pictures of different sizes
// differ everywhere; equal pictures give an empty band.
struct RowBand {
    int first = 0;
    int end = 0;
    bool empty() const { return first >= end; }
};
RowBand ChangedRows(const Pixels& before, const Pixels& after);

// Rows [first, end) of a width x height texture from the same rows of
// `frame`; what lies outside the frame is black.
void UploadRows(SDL_Texture* texture, int width, int height, const Pixels& frame, int first, int end);

}  // namespace zanbora
