// The voices of the sound output: which voice a sound takes, how voices end
// and what a mixing pass writes, with 16-bit samples added exactly.
#include "sound/voice_mixer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace zx {
namespace {

using Pcm = std::vector<std::int16_t>;

// Adds 16-bit samples without clipping, so a test sees every addition.
void addExact(std::uint8_t* dst, const std::uint8_t* src, std::uint16_t, std::uint32_t len, int) {
    for (std::uint32_t i = 0; i + 1 < len; i += 2) {
        std::int16_t a, b;
        std::memcpy(&a, dst + i, 2);
        std::memcpy(&b, src + i, 2);
        a = std::int16_t(a + b);
        std::memcpy(dst + i, &a, 2);
    }
}

const std::uint8_t* bytes(const Pcm& p) { return reinterpret_cast<const std::uint8_t*>(p.data()); }

// Mixes `frames` mono 16-bit frames, starting from a dirty buffer.
Pcm mixFrames(VoiceMixer& m, int frames) {
    Pcm out(std::size_t(frames), 999);
    m.mix(reinterpret_cast<std::uint8_t*>(out.data()), out.size() * 2, addExact, 0, 2);
    return out;
}

const Pcm kShort = {1, 2, 3};
const Pcm kLong = {10, 20, 30, 40, 50, 60};

struct Step {
    const char* what;
    int voice;        // -1: any free voice
    const Pcm* data;  // null: stop `voice` (-3: all, -4: kShort's owner)
    int expected;     // start's result, or playing() after a stop
};

TEST(VoiceMixer, VoicesAreTakenFreedAndStoppedAsAsked) {
    const std::vector<std::vector<Step>> scripts = {
        {{"first free voice", -1, &kShort, 0},
         {"next free voice", -1, &kLong, 1},
         {"the third", -1, &kLong, 2},
         {"all taken", -1, &kShort, -1}},
        {{"a chosen voice", 2, &kShort, 2},
         {"any: the lowest free", -1, &kLong, 0},
         {"a busy voice starts over", 2, &kLong, 2},
         {"past the last voice", 3, &kShort, -1},
         {"negative voice", -2, &kShort, -1}},
        {{"empty data plays nothing", -1, nullptr, 0}},
        {{"", -1, &kShort, 0},
         {"", -1, &kLong, 1},
         {"", -1, &kShort, 2},
         {"stop one voice", 1, nullptr, 2},
         {"the stopped voice is free again", -1, &kLong, 1},
         {"stop the short sample's voices", -4, nullptr, 1},
         {"stop all", -3, nullptr, 0}},
    };
    for (const auto& script : scripts) {
        VoiceMixer m(3);
        for (const Step& s : script) {
            if (s.data) {
                EXPECT_EQ(m.start(s.voice, s.data, bytes(*s.data), s.data->size() * 2), s.expected)
                    << s.what;
            } else if (s.voice == -1) {
                EXPECT_EQ(m.start(-1, &kShort, bytes(kShort), 0), -1) << s.what;
            } else {
                if (s.voice == -3)
                    m.stopAll();
                else if (s.voice == -4)
                    m.stopOwner(&kShort);
                else
                    m.stop(s.voice);
                EXPECT_EQ(m.playing(), s.expected) << s.what;
            }
        }
    }
}

TEST(VoiceMixer, AMixingPassAddsTheVoicesOverSilenceAndEndsThemOnTheirLastFrame) {
    struct Case {
        const char* what;
        std::vector<const Pcm*> sounds;
        std::vector<int> passFrames;
        std::vector<Pcm> expected;  // one buffer per pass
        int playingAfter;
    };
    const std::vector<Case> cases = {
        {"nothing plays: silence", {}, {4}, {{0, 0, 0, 0}}, 0},
        {"one sound shorter than the pass", {&kShort}, {4}, {{1, 2, 3, 0}}, 0},
        {"two sounds add up", {&kShort, &kLong}, {4}, {{11, 22, 33, 40}}, 1},
        {"a sound over two passes goes on where it stopped",
         {&kLong},
         {4, 4},
         {{10, 20, 30, 40}, {50, 60, 0, 0}},
         0},
        {"a pass that ends exactly with the sound frees its voice", {&kShort}, {3}, {{1, 2, 3}}, 0},
    };
    for (const Case& c : cases) {
        VoiceMixer m(4);
        for (const Pcm* p : c.sounds) m.start(-1, p, bytes(*p), p->size() * 2);
        for (std::size_t i = 0; i < c.passFrames.size(); ++i)
            EXPECT_EQ(mixFrames(m, c.passFrames[i]), c.expected[i]) << c.what << ", pass " << i;
        EXPECT_EQ(m.playing(), c.playingAfter) << c.what;
    }
}

TEST(VoiceMixer, AnOddTailShorterThanAFrameIsDroppedNotReadPast) {
    // Five bytes of 16-bit sound: two frames and a stray byte.
    const std::uint8_t odd[5] = {1, 0, 2, 0, 7};
    VoiceMixer m(1);
    ASSERT_EQ(m.start(-1, odd, odd, sizeof odd), 0);
    EXPECT_EQ(mixFrames(m, 4), (Pcm{1, 2, 0, 0}));
    EXPECT_EQ(m.playing(), 0);
}

TEST(VoiceMixer, ANewVoiceCountDropsEveryVoice) {
    VoiceMixer m(2);
    m.start(-1, &kLong, bytes(kLong), 12);
    m.setVoiceCount(64);
    EXPECT_EQ(m.voiceCount(), 64);
    EXPECT_EQ(m.playing(), 0);
    EXPECT_EQ(m.start(63, &kLong, bytes(kLong), 12), 63);
}

}  // namespace
}  // namespace zx
