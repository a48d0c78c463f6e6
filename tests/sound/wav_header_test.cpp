// checkWavHeader on hand-built headers: what a real sample looks like passes,
// every length that runs past the file and every odd format is refused.
#include "sound/wav_header.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zx {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& b, std::uint32_t v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}
void putId(Bytes& b, const char* id) {
    for (int i = 0; i < 4; ++i) b.push_back(std::uint8_t(id[i]));
}

struct Fmt {
    int tag = 1, channels = 1;
    std::uint32_t rate = 22050;
    int bits = 16;
    int blockAlign = -1;  // channels * bits / 8 unless set
    int subTag = 0;       // extensible: the sub-format's tag
};

Bytes fmtChunk(const Fmt& f) {
    Bytes b;
    putId(b, "fmt ");
    const bool ext = f.tag == 0xFFFE;
    put32(b, ext ? 40 : 16);
    const int align = f.blockAlign >= 0 ? f.blockAlign : f.channels * f.bits / 8;
    put16(b, std::uint32_t(f.tag));
    put16(b, std::uint32_t(f.channels));
    put32(b, f.rate);
    put32(b, f.rate * std::uint32_t(align));
    put16(b, std::uint32_t(align));
    put16(b, std::uint32_t(f.bits));
    if (ext) {
        put16(b, 22);
        put16(b, std::uint32_t(f.bits));
        put32(b, 3);
        put16(b, std::uint32_t(f.subTag));
        b.insert(b.end(), 14, 0);
    }
    return b;
}

Bytes chunk(const char* id, std::uint32_t declared, std::size_t present) {
    Bytes b;
    putId(b, id);
    put32(b, declared);
    b.insert(b.end(), present, 0x40);
    return b;
}

// RIFF, WAVE, then the chunks as given.
Bytes wav(std::initializer_list<Bytes> chunks) {
    Bytes body;
    for (const Bytes& c : chunks) body.insert(body.end(), c.begin(), c.end());
    Bytes b;
    putId(b, "RIFF");
    put32(b, std::uint32_t(body.size() + 4));
    putId(b, "WAVE");
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

Bytes pcm(const Fmt& f, std::size_t dataBytes) {
    return wav({fmtChunk(f), chunk("data", std::uint32_t(dataBytes), dataBytes)});
}

struct Case {
    const char* what;
    Bytes file;
    const char* error;  // nullptr: accepted
};

std::vector<Case> cases() {
    Bytes riffx = pcm({}, 4);
    riffx[3] = 'X';
    Bytes truncated = pcm({}, 100);
    truncated.resize(truncated.size() - 1);
    Bytes lyingData = wav({fmtChunk({}), chunk("data", 0x80000000u, 4096)});
    return {
        {"16-bit mono PCM", pcm({}, 4410), nullptr},
        {"8-bit 8 kHz stereo", pcm({1, 2, 8000, 8}, 1000), nullptr},
        {"24-bit", pcm({1, 2, 44100, 24}, 600), nullptr},
        {"32-bit float", pcm({3, 2, 48000, 32}, 800), nullptr},
        {"mu-law", pcm({7, 1, 8000, 8}, 80), nullptr},
        {"extensible PCM", pcm({0xFFFE, 2, 44100, 16, -1, 1}, 400), nullptr},
        {"no samples at all", pcm({}, 0), nullptr},
        {"a LIST chunk before fmt", wav({chunk("LIST", 5, 6), fmtChunk({}), chunk("data", 10, 10)}),
         nullptr},
        {"a damaged chunk after the data",
         wav({fmtChunk({}), chunk("data", 10, 10), chunk("junk", 0xFFFFFFF0u, 2)}), nullptr},
        {"an odd data chunk without its pad at the end", pcm({1, 1, 8000, 8}, 7), nullptr},

        {"empty", {}, "not a WAV file"},
        {"RIFX", riffx, "not a WAV file"},
        {"text", Bytes{'R', 'I', 'F', 'F', 1, 2, 3, 4, 't', 'e', 'x', 't'}, "not a WAV file"},
        {"data one byte short", truncated, "chunk runs past the end of the file"},
        {"4 KB declaring 2 GB of data", lyingData, "chunk runs past the end of the file"},
        {"a LIST chunk longer than the file",
         wav({fmtChunk({}), chunk("LIST", 1000, 10), chunk("data", 2, 2)}),
         "chunk runs past the end of the file"},
        {"no data chunk", wav({fmtChunk({})}), "no data chunk"},
        {"data before fmt", wav({chunk("data", 2, 2), fmtChunk({})}), "data before fmt"},
        {"two fmt chunks", wav({fmtChunk({}), fmtChunk({}), chunk("data", 2, 2)}),
         "second fmt chunk"},
        {"short fmt", wav({chunk("fmt ", 14, 14), chunk("data", 2, 2)}), "fmt chunk too short"},
        {"MS ADPCM", pcm({2, 1, 22050, 4}, 100), "unsupported format or sample size"},
        {"12-bit PCM", pcm({1, 1, 22050, 12}, 100), "unsupported format or sample size"},
        {"no channels", pcm({1, 0, 22050, 16}, 100), "unsupported channel count"},
        {"nine channels", pcm({1, 9, 22050, 16}, 180), "unsupported channel count"},
        {"1 Hz", pcm({1, 1, 1, 16}, 100), "unsupported sample rate"},
        {"a rate of 4 GHz", pcm({1, 1, 0xFFFFFFFFu, 16}, 100), "unsupported sample rate"},
        {"a block size of 0", pcm({1, 2, 22050, 16, 0}, 100),
         "block size does not match the format"},
        {"a huge block size", pcm({1, 1, 22050, 16, 65535}, 100),
         "block size does not match the format"},
        {"extensible ADPCM", pcm({0xFFFE, 1, 22050, 16, -1, 2}, 100),
         "unsupported format or sample size"},
    };
}

TEST(WavHeader, AcceptsRealSamplesAndRefusesLengthsPastTheEnd) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.what);
        const WavHeader h = checkWavHeader(c.file.data(), c.file.size());
        EXPECT_EQ(h.ok, c.error == nullptr);
        EXPECT_EQ(h.error, c.error ? c.error : "");
        if (!h.ok) continue;
        EXPECT_LE(h.usedBytes, c.file.size());
        EXPECT_EQ(h.usedBytes, h.dataOffset + h.dataBytes);
    }
}

TEST(WavHeader, FormatAndDataOfAnAcceptedFile) {
    const Bytes f = wav({chunk("LIST", 3, 4), fmtChunk({1, 2, 44100, 16}), chunk("data", 8, 8),
                         chunk("LIST", 2, 2)});
    const WavHeader h = checkWavHeader(f.data(), f.size());
    ASSERT_TRUE(h.ok) << h.error;
    EXPECT_EQ(h.formatTag, 1);
    EXPECT_EQ(h.channels, 2);
    EXPECT_EQ(h.rate, 44100);
    EXPECT_EQ(h.bits, 16);
    EXPECT_EQ(h.dataOffset, 12u + 12u + 24u + 8u);
    EXPECT_EQ(h.dataBytes, 8u);
    EXPECT_EQ(h.usedBytes, f.size() - 10) << "what follows the data is not handed on";

    const Bytes ext = pcm({0xFFFE, 2, 48000, 32, -1, 3}, 16);
    EXPECT_EQ(checkWavHeader(ext.data(), ext.size()).formatTag, 3) << "extensible resolved";
}

// The converted length counts at the output's rate and channel count: an
// 8 kHz mono sample grows 2.76 times in rate and twice in channels at 22050 Hz stereo.
TEST(WavHeader, ASampleTooLongOnceConvertedIsRefused) {
    // The longest 8 kHz mono sample that fits, rounding the rate change up.
    const std::uint64_t limitFrames8k = kMaxConvertedSamples / 2 * 8000 / 22050 - 1;
    struct Row {
        Fmt fmt;
        std::uint64_t frames;
        WavOutput out;
        bool ok;
    };
    const Row rows[] = {
        {{1, 1, 8000, 8}, limitFrames8k, {22050, 2}, true},
        {{1, 1, 8000, 8}, limitFrames8k + 4, {22050, 2}, false},
        {{1, 1, 8000, 8}, limitFrames8k + 4, {8000, 2}, true},   // no growth in rate
        {{1, 1, 8000, 8}, limitFrames8k * 2, {22050, 1}, true},  // mono out: half the samples
        {{1, 2, 44100, 16}, kMaxConvertedSamples / 2, {22050, 2}, true},
        {{1, 2, 44100, 16}, kMaxConvertedSamples / 2 + 1, {22050, 2}, false},
        {{1, 8, 44100, 8}, kMaxConvertedSamples / 8 + 1, {22050, 2}, false},  // eight in
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.fmt.rate) + " Hz, " + std::to_string(r.frames) + " frames");
        const Bytes f = pcm(r.fmt, r.frames * std::uint64_t(r.fmt.channels * r.fmt.bits / 8));
        const WavHeader h = checkWavHeader(f.data(), f.size(), r.out);
        EXPECT_EQ(h.ok, r.ok) << h.error;
        if (!r.ok) {
            EXPECT_EQ(h.error, "sample too long");
        }
    }
}

}  // namespace
}  // namespace zx
