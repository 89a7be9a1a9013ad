#include "platform/TextureUpload.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace zanbora {

RowBand ChangedRows(const Pixels& before, const Pixels& after) {
    if (before.width != after.width || before.height != after.height) return {0, after.height};
    if (after.data.empty()) return {};
    const size_t width = size_t(after.width);
    auto same = [&](int y) {
        return std::memcmp(&before.data[size_t(y) * width], &after.data[size_t(y) * width],
                           width * sizeof(uint32_t)) == 0;
    };
    RowBand band{0, after.height};
    while (band.first < band.end && same(band.first)) ++band.first;
    while (band.end > band.first && same(band.end - 1)) --band.end;
    return band;
}

void UploadRows(SDL_Texture* texture, int width, int height, const Pixels& frame, int first, int end) {
    first = std::max(first, 0);
    end = std::min(end, height);
    if (!texture || first >= end) return;
    // A locked band is all the renderer sends on unlocking; the texture keeps
    // the other rows.
    const SDL_Rect band{0, first, width, end - first};
    void* texels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture, &band, &texels, &pitch) != 0) return;
    const int copied = std::clamp(frame.width, 0, width);
    for (int y = first; y < end; ++y) {
        auto* row = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(texels) + size_t(y - first) * size_t(pitch));
        int filled = 0;
        if (y < frame.height && copied > 0) {
            std::memcpy(row, &frame.data[size_t(y) * size_t(frame.width)], size_t(copied) * sizeof(uint32_t));
            filled = copied;
        }
        std::fill(row + filled, row + width, 0u);
    }
    SDL_UnlockTexture(texture);
}

}  // namespace zanbora
