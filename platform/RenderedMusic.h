#pragma once
// A rendered piece playing round and round in the mixer's music slot.
#include <atomic>
#include <cstddef>
#include <cstdint>

#include "platform/MusicCache.h"

namespace zanbora {

struct RenderedPlayback {
    RenderedPiece piece;   // interleaved stereo; set only while not playing
    size_t position = 0;   // the next sample of it
    std::atomic<int> volume{128};  // 0..128, as the mixer's own music volume
};

// `samples` samples of the mixer's output, 16-bit stereo: the piece from its
// position on, from its beginning again after its end, at the playback's
// volume. Silence for an empty piece.
void MixRendered(RenderedPlayback& playback, int16_t* out, size_t samples);

}  // namespace zanbora
