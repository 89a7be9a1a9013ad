#include "platform/RenderedMusic.h"

#include <algorithm>

namespace zanbora {

void MixRendered(RenderedPlayback& playback, int16_t* out, size_t samples) {
    const std::vector<int16_t>* piece = playback.piece.get();
    if (!piece || piece->empty()) return std::fill(out, out + samples, int16_t(0));
    const int volume = std::clamp(playback.volume.load(), 0, 128);
    for (size_t i = 0; i < samples; ++i) {
        if (playback.position >= piece->size()) playback.position = 0;
        out[i] = int16_t((*piece)[playback.position++] * volume / 128);
    }
}

}  // namespace zanbora
