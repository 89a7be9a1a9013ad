#include "game/core/PixelRows.h"

#include <algorithm>
#include <cstring>

namespace zanbora {

namespace {

constexpr size_t kBlock = 8;

template <Rop rop>
inline void Combine(uint32_t& out, uint32_t s) {
    if constexpr (rop == Rop::Copy) out = s;
    if constexpr (rop == Rop::And) out &= s;
    if constexpr (rop == Rop::Or) out |= s;
    if constexpr (rop == Rop::Xor) out ^= s;
}

template <Rop rop>
void CombineApart(uint32_t* __restrict out, const uint32_t* __restrict src, size_t n) {
    size_t i = 0;
    for (; i + kBlock <= n; i += kBlock)
        for (size_t k = 0; k < kBlock; ++k) Combine<rop>(out[i + k], src[i + k]);
    for (; i < n; ++i) Combine<rop>(out[i], src[i]);
}

template <Rop rop>
void CombineOneByOne(uint32_t* out, const uint32_t* src, size_t n) {
    for (size_t i = 0; i < n; ++i) Combine<rop>(out[i], src[i]);
}

template <Rop rop>
void CombineAs(uint32_t* out, const uint32_t* src, size_t n) {
    const bool overlap = out < src + n && src < out + n;
    if (!overlap) {
        if constexpr (rop == Rop::Copy) std::memcpy(out, src, n * sizeof(uint32_t));
        else CombineApart<rop>(out, src, n);
    } else {
        CombineOneByOne<rop>(out, src, n);
    }
}

void MaskPaintApart(uint32_t* __restrict out, const uint32_t* __restrict mask, const uint32_t* __restrict paint,
                    size_t n) {
    size_t i = 0;
    for (; i + kBlock <= n; i += kBlock)
        for (size_t k = 0; k < kBlock; ++k) out[i + k] = (out[i + k] & mask[i + k]) | paint[i + k];
    for (; i < n; ++i) out[i] = (out[i] & mask[i]) | paint[i];
}

}  // namespace

void FillPixels(uint32_t* out, size_t n, uint32_t colour) {
    if (n == 0) return;
    const uint32_t low = colour & 0xFF;
    if (colour == low * 0x01010101u) {
        std::memset(out, int(low), n * sizeof(uint32_t));
        return;
    }
    // A short run by hand, then ever longer copies of what is already filled.
    size_t done = std::min<size_t>(n, 64);
    std::fill(out, out + done, colour);
    while (done < n) {
        const size_t more = std::min(done, n - done);
        std::memcpy(out + done, out, more * sizeof(uint32_t));
        done += more;
    }
}

void CombinePixels(uint32_t* out, const uint32_t* src, size_t n, Rop rop) {
    switch (rop) {
        case Rop::Copy: CombineAs<Rop::Copy>(out, src, n); break;
        case Rop::And: CombineAs<Rop::And>(out, src, n); break;
        case Rop::Or: CombineAs<Rop::Or>(out, src, n); break;
        case Rop::Xor: CombineAs<Rop::Xor>(out, src, n); break;
    }
}

void MaskPaintPixels(uint32_t* out, const uint32_t* mask, const uint32_t* paint, size_t n) {
    const bool overlap = (out < mask + n && mask < out + n) || (out < paint + n && paint < out + n);
    if (overlap) {
        for (size_t i = 0; i < n; ++i) out[i] = (out[i] & mask[i]) | paint[i];
        return;
    }
    MaskPaintApart(out, mask, paint, n);
}

}  // namespace zanbora
