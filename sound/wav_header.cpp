// RIFF/WAVE header walk: every length is checked against the bytes at hand.
#include "sound/wav_header.h"

#include <algorithm>
#include <cstring>

namespace zx {

namespace {

constexpr int kPcm = 1, kFloat = 3, kALaw = 6, kMuLaw = 7, kExtensible = 0xFFFE;
constexpr int kMinRate = 1000, kMaxRate = 384000, kMaxChannels = 8;

std::uint16_t u16(const std::uint8_t* p) { return std::uint16_t(p[0] | p[1] << 8); }
std::uint32_t u32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}
bool isId(const std::uint8_t* p, const char* id) { return std::memcmp(p, id, 4) == 0; }

WavHeader refuse(std::string why) {
    WavHeader h;
    h.error = std::move(why);
    return h;
}

bool validBits(int tag, int bits) {
    switch (tag) {
        case kPcm:
            return bits == 8 || bits == 16 || bits == 24 || bits == 32;
        case kFloat:
            return bits == 32 || bits == 64;
        case kALaw:
        case kMuLaw:
            return bits == 8;
        default:
            return false;
    }
}

// Reads the fmt chunk's body into h; an error text, or empty when it is usable.
std::string readFormat(const std::uint8_t* body, std::uint32_t length, WavHeader& h) {
    if (length < 16) return "fmt chunk too short";
    int tag = u16(body);
    h.channels = u16(body + 2);
    const std::uint32_t rate = u32(body + 4);
    const int blockAlign = u16(body + 12);
    h.bits = u16(body + 14);
    if (tag == kExtensible) {
        // The sub-format's GUID starts with the plain format tag.
        if (length < 40) return "extensible fmt chunk too short";
        tag = u16(body + 24);
    }
    h.formatTag = tag;
    if (!validBits(tag, h.bits)) return "unsupported format or sample size";
    if (h.channels < 1 || h.channels > kMaxChannels) return "unsupported channel count";
    if (rate < std::uint32_t(kMinRate) || rate > std::uint32_t(kMaxRate))
        return "unsupported sample rate";
    h.rate = int(rate);
    if (blockAlign != h.channels * h.bits / 8) return "block size does not match the format";
    return {};
}

}  // namespace

WavHeader checkWavHeader(const std::uint8_t* data, std::size_t size, WavOutput output) {
    if (size < 12 || !isId(data, "RIFF") || !isId(data + 8, "WAVE"))
        return refuse("not a WAV file");
    WavHeader h;
    bool haveFormat = false;
    std::size_t at = 12;
    while (size - at >= 8) {
        const std::uint8_t* chunk = data + at;
        const std::uint32_t length = u32(chunk + 4);
        const std::size_t bodyAt = at + 8;
        if (length > size - bodyAt) return refuse("chunk runs past the end of the file");
        if (isId(chunk, "fmt ")) {
            if (haveFormat) return refuse("second fmt chunk");
            if (std::string e = readFormat(data + bodyAt, length, h); !e.empty())
                return refuse(std::move(e));
            haveFormat = true;
        } else if (isId(chunk, "data")) {
            if (!haveFormat) return refuse("data before fmt");
            h.dataOffset = bodyAt;
            h.dataBytes = length;
            h.usedBytes = bodyAt + length;
            break;
        }
        // Chunks are padded to an even length; the pad may be missing at the end.
        at = bodyAt + length + (length & 1);
        if (at > size) break;
    }
    if (h.usedBytes == 0) return refuse("no data chunk");

    // The converted size: frames at the output's rate, at its channel count
    // or the sample's, whichever is larger (the conversion passes through both).
    const std::uint64_t frames = h.dataBytes / std::size_t(h.channels * h.bits / 8);
    const std::uint64_t outRate = std::uint64_t(std::max(output.rate, 1));
    const std::uint64_t outFrames =
        h.rate >= int(outRate) ? frames : (frames * outRate + std::uint64_t(h.rate) - 1) / h.rate;
    const std::uint64_t samples = outFrames * std::uint64_t(std::max(output.channels, h.channels));
    if (samples > kMaxConvertedSamples) return refuse("sample too long");
    h.ok = true;
    return h;
}

}  // namespace zx
