// Fuzz target: the WAV header check that stands before SDL_mixer. Whatever
// the bytes, it answers; what it accepts lies within the input and has a
// format the mixer can convert within the size it allows.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "sound/wav_header.h"

namespace {

void check(const std::uint8_t* data, std::size_t size, zx::WavOutput out) {
    const zx::WavHeader h = zx::checkWavHeader(data, size, out);
    if (h.ok == !h.error.empty()) std::abort();
    if (!h.ok) return;
    if (h.usedBytes > size || h.dataOffset + h.dataBytes != h.usedBytes || h.dataOffset < 20)
        std::abort();
    if (h.channels < 1 || h.channels > 8 || h.rate < 1000 || h.rate > 384000) std::abort();
    const std::uint64_t frames = h.dataBytes / std::size_t(h.channels * h.bits / 8);
    if (frames * std::uint64_t(h.channels) > zx::kMaxConvertedSamples) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    check(data, size, {});
    // A device that came up at another rate or channel count.
    check(data, size, {48000, 6});
    check(data, size, {8000, 1});
    return 0;
}
