// The five samples: loadable by SDL, short enough for their moments, free of clicks.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "config/player_file.h"
#include "sound/wav_header.h"

namespace {

const std::string kDir = ZX_ASSET_DIR;

struct Limit {
    const char* name;
    int maxMs;  // the moment it must fit: the next sound of the same kind, or the step after it
};
// Enemy and Shot repeat every 80 ms in game B; Miss every 480 ms during the miss
// animation; the game starts 3 s after Start; Gameover must end before the face's 2.5 s wait.
const Limit kLimits[] = {
    {"Enemy", 80}, {"Shot", 80}, {"Miss", 480}, {"Start", 3000}, {"Gameover", 2500}};

class BundledSound : public ::testing::Test {};

TEST_F(BundledSound, SamplesLoadAndFitTheirMoments) {
    for (const Limit& l : kLimits) {
        SDL_AudioSpec wav{};
        Uint8* data = nullptr;
        Uint32 bytes = 0;
        ASSERT_NE(SDL_LoadWAV((kDir + "/Sound/" + l.name + ".wav").c_str(), &wav, &data, &bytes),
                  nullptr)
            << l.name << ": " << SDL_GetError();
        const int bytesPerFrame = wav.channels * int(SDL_AUDIO_BITSIZE(wav.format)) / 8;
        const double ms = 1000.0 * bytes / bytesPerFrame / wav.freq;
        EXPECT_GT(ms, 20) << l.name;
        EXPECT_LE(ms, l.maxMs) << l.name;
        SDL_FreeWAV(data);
    }
}

// The program reads a sample only through these checks: the bundled ones pass.
TEST_F(BundledSound, SamplesPassTheProgramsFileAndHeaderChecks) {
    for (const Limit& l : kLimits) {
        SCOPED_TRACE(l.name);
        const zx::FileBytes f =
            zx::readPlayerFile(kDir + "/Sound/" + l.name + ".wav", zx::kMaxSampleFileBytes);
        ASSERT_TRUE(f.ok()) << zx::fileStatusText(f.status);
        const zx::WavHeader h = zx::checkWavHeader(
            reinterpret_cast<const std::uint8_t*>(f.bytes.data()), f.bytes.size());
        EXPECT_TRUE(h.ok) << h.error;
        EXPECT_EQ(h.usedBytes, f.bytes.size());
    }
}

std::vector<std::int16_t> pcm(const std::string& path, std::string& header) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> b{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (b.size() < 44) return {};
    header.assign(b.begin(), b.begin() + 44);
    std::vector<std::int16_t> s((b.size() - 44) / 2);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = std::int16_t(std::uint8_t(b[44 + 2 * i]) | (std::uint8_t(b[45 + 2 * i]) << 8));
    return s;
}

TEST_F(BundledSound, SamplesAreMono16Bit22kHzWithoutClicks) {
    for (const Limit& l : kLimits) {
        std::string h;
        const auto s = pcm(kDir + "/Sound/" + l.name + ".wav", h);
        ASSERT_GT(s.size(), 100u) << l.name;
        SCOPED_TRACE(l.name);
        EXPECT_EQ(h.substr(0, 4), "RIFF");
        EXPECT_EQ(h.substr(8, 8), "WAVEfmt ");
        EXPECT_EQ(h[22], 1);  // mono
        EXPECT_EQ(std::uint8_t(h[24]) | (std::uint8_t(h[25]) << 8), 22050);
        EXPECT_EQ(h[34], 16);
        // A sample that starts or stops away from zero clicks.
        EXPECT_LT(std::abs(s.front()), 200);
        EXPECT_LT(std::abs(s.back()), 200);
        // Loud enough to hear, clear of clipping.
        int peak = 0;
        for (std::int16_t v : s) peak = std::max(peak, std::abs(int(v)));
        EXPECT_GT(peak, 4000);
        EXPECT_LT(peak, 32000);
    }
}

}  // namespace
