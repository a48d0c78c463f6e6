// The check of a WAV file's header before its bytes reach the audio library.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace zx {

// A sample file larger than this is refused before it is read; the bundled
// samples are under 200 KB.
inline constexpr std::uint64_t kMaxSampleFileBytes = std::uint64_t(16) << 20;

// The most samples (frames times channels) a sample may come to once it is
// converted for the output: 2^23 is over three minutes of stereo at 22050 Hz,
// and its conversion buffer stays within 64 MiB.
inline constexpr std::uint64_t kMaxConvertedSamples = std::uint64_t(1) << 23;

// The output a sample is converted for.
struct WavOutput {
    int rate = 22050;
    int channels = 2;
};

struct WavHeader {
    bool ok = false;
    std::string error;  // why the file was refused, for tests and diagnostics
    int formatTag = 0;  // 1 PCM, 3 float, 6 A-law, 7 mu-law (extensible resolved)
    int channels = 0;
    int rate = 0;
    int bits = 0;
    std::size_t dataOffset = 0;  // first byte of the samples
    std::size_t dataBytes = 0;
    // The bytes to hand on: the file up to the end of its first data chunk.
    std::size_t usedBytes = 0;
};

// Walks the RIFF/WAVE chunks up to the first data chunk. Refuses a file
// whose chunks run past its end (the data chunk above all), that has no
// "fmt " chunk before its data, whose format is not plain PCM, float, A-law
// or mu-law of 1 to 8 channels at 1000 to 384000 Hz with a consistent block
// size, or that would exceed kMaxConvertedSamples for the output.
WavHeader checkWavHeader(const std::uint8_t* data, std::size_t size, WavOutput output = {});

}  // namespace zx
