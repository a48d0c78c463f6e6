// The sound layer's calls into its back end, checked call by call.
#include "sound/sound.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sound/recording_backend.h"

namespace zx {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Calls = std::vector<std::string>;

const Calls kLoads = {
    "load(Sound/Enemy.wav)", "load(Sound/Gameover.wav)", "load(Sound/Miss.wav)",
    "load(Sound/Shot.wav)",  "load(Sound/Start.wav)",
};

Calls join(std::initializer_list<Calls> parts) {
    Calls out;
    for (const Calls& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// The releases of the five slots, in slot order, then the close.
Calls frees(std::initializer_list<const char*> samples) {
    Calls out;
    for (const char* name : samples) out.push_back(std::string("free(") + name + ")");
    out.push_back("close()");
    return out;
}
const Calls kFreeLoaded = frees({"Sound/Enemy.wav", "Sound/Gameover.wav", "Sound/Miss.wav",
                                 "Sound/Shot.wav", "Sound/Start.wav"});
const Calls kFreeNull = frees({"null", "null", "null", "null", "null"});

struct SoundRig {
    RecordingSoundBackend backend;
    bool deviceSoundOn = true;
    Sound snd{backend, deviceSoundOn};

    Calls take() {
        Calls out;
        out.swap(backend.calls);
        return out;
    }
};

TEST(SoundInit, DriverModesStartTheOutputAndLoadEverySampleInSlotOrder) {
    for (auto [mode, output] : {std::pair{0, "SystemDefault"}, std::pair{1, "Plain"}}) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        SoundRig rig;
        EXPECT_TRUE(rig.snd.Snd_Init(mode));
        EXPECT_TRUE(rig.snd.SoundEnabled());
        EXPECT_EQ(rig.take(), join({{std::string("open(") + output + ")"}, kLoads}));

        rig.snd.Snd_Play(SoundSample::Shot);
        rig.snd.Snd_Play(SoundSample::Start);
        rig.snd.Snd_Silence();
        EXPECT_THAT(rig.take(),
                    ElementsAre("play(Sound/Shot.wav)", "play(Sound/Start.wav)", "stopAll()"));

        rig.snd.Snd_Close();
        EXPECT_EQ(rig.take(), kFreeLoaded);
        EXPECT_EQ(rig.backend.liveSamples(), 0);
    }
}

TEST(SoundInit, NoSoundAndUnknownModesTouchNothingUntilCloseThenReleaseNullSamples) {
    for (int mode : {kSoundModeNone, kSoundModeUnset, 3}) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        SoundRig rig;
        EXPECT_TRUE(rig.snd.Snd_Init(mode));
        EXPECT_FALSE(rig.snd.SoundEnabled());
        for (int i = 0; i < kSoundSampleCount; ++i)
            EXPECT_EQ(rig.snd.handle(SoundSample(i)), nullptr);

        rig.snd.Snd_Play(SoundSample::Enemy);
        rig.snd.Snd_Silence();
        EXPECT_THAT(rig.take(), IsEmpty());

        rig.snd.Snd_Close();
        EXPECT_EQ(rig.take(), kFreeNull);
    }
}

TEST(SoundInit, OnlyTheEnemySampleDecidesFailure) {
    {
        SCOPED_TRACE("Enemy missing");
        SoundRig rig;
        rig.backend.failingLoads = {"Sound/Enemy.wav"};
        EXPECT_FALSE(rig.snd.Snd_Init(kSoundModeDirectSound));
        // All five loads happen before the verdict.
        EXPECT_EQ(rig.take(), join({{"open(SystemDefault)"}, kLoads}));
        EXPECT_EQ(rig.backend.liveSamples(), 4);

        // A repeated start neither reloads nor changes the answer.
        EXPECT_FALSE(rig.snd.Snd_Init(kSoundModeNone));
        EXPECT_TRUE(rig.snd.SoundEnabled());
        EXPECT_THAT(rig.take(), IsEmpty());
    }
    {
        SCOPED_TRACE("Gameover missing");
        SoundRig rig;
        rig.backend.failingLoads = {"Sound/Gameover.wav"};
        EXPECT_TRUE(rig.snd.Snd_Init(kSoundModeWinMM));
        EXPECT_EQ(rig.take(), join({{"open(Plain)"}, kLoads}));
        EXPECT_EQ(rig.snd.handle(SoundSample::Gameover), nullptr);

        // Its requests reach the back end with nothing to play; the rest sound.
        rig.snd.Snd_Play(SoundSample::Gameover);
        rig.snd.Snd_Play(SoundSample::Miss);
        EXPECT_THAT(rig.take(), ElementsAre("play(null)", "play(Sound/Miss.wav)"));
        rig.snd.Snd_Close();
        EXPECT_EQ(rig.take(), frees({"Sound/Enemy.wav", "null", "Sound/Miss.wav", "Sound/Shot.wav",
                                     "Sound/Start.wav"}));
    }
    {
        SCOPED_TRACE("output refused");
        SoundRig rig;
        rig.backend.openResult = false;
        EXPECT_TRUE(rig.snd.Snd_Init(kSoundModeDirectSound));
    }
}

TEST(SoundClose, CloseNeedsNoStartNeverReleasesASampleTwiceAndEndsPlaying) {
    SoundRig never;
    never.snd.Snd_Close();
    EXPECT_EQ(never.take(), kFreeNull);

    SoundRig rig;
    ASSERT_TRUE(rig.snd.Snd_Init(kSoundModeDirectSound));
    rig.snd.Snd_Close();
    rig.take();
    rig.snd.Snd_Close();
    EXPECT_EQ(rig.take(), kFreeNull);
    rig.snd.Snd_Play(SoundSample::Shot);
    rig.snd.Snd_Silence();
    EXPECT_THAT(rig.take(), IsEmpty());
}

TEST(SoundPlay, TheDeviceSwitchGatesPlayAndSilenceAndIsReadAtEachRequest) {
    SoundRig rig;
    rig.deviceSoundOn = false;
    ASSERT_TRUE(rig.snd.Snd_Init(kSoundModeDirectSound));
    rig.take();

    for (int i = 0; i < kSoundSampleCount; ++i) rig.snd.Snd_Play(SoundSample(i));
    rig.snd.Snd_Silence();
    EXPECT_THAT(rig.take(), IsEmpty());

    rig.deviceSoundOn = true;
    rig.snd.Snd_Play(SoundSample::Enemy);
    rig.snd.Snd_Play(SoundSample::Shot);  // overlaps: a second free voice, no stop
    EXPECT_THAT(rig.take(), ElementsAre("play(Sound/Enemy.wav)", "play(Sound/Shot.wav)"));
}

TEST(SoundModes, DriverTextsMapExactlyToTheirPositions) {
#if defined(_WIN32)
    const char* const names[] = {"Microsoft DirectSound", "Windows MultiMedia", "(no sound)"};
    const char* const others[] = {"", "windows multimedia", "(No Sound)", " Microsoft DirectSound",
                                  "ALSA"};
#else
    // The stored numbers stay those of the Windows names: 0 is the system's
    // default output, 1 is ALSA.
    const char* const names[] = {"Default sound output", "ALSA", "(no sound)"};
    const char* const others[] = {
        "", "alsa", "(No Sound)", " ALSA", "Microsoft DirectSound", "Windows MultiMedia"};
#endif
    const int modes[] = {kSoundModeDirectSound, kSoundModeWinMM, kSoundModeNone};
    for (int i = 0; i < 3; ++i) {
        EXPECT_STREQ(kSoundModeNames[i], names[i]) << i;
        EXPECT_EQ(soundModeFromText(names[i]), modes[i]) << names[i];
    }
    for (const char* other : others) EXPECT_EQ(soundModeFromText(other), kSoundModeUnset) << other;
}

// Each launch mode opens one output kind, and the back end's record names it.
TEST(SoundModes, EachModeOpensItsOutputKind) {
    const struct {
        int mode;
        OutputKind kind;
        const char* name;
    } cases[] = {
        {kSoundModeDirectSound, OutputKind::SystemDefault, "SystemDefault"},
        {kSoundModeWinMM, OutputKind::Plain, "Plain"},
        {kSoundModeNone, OutputKind::None, "None"},
        {kSoundModeUnset, OutputKind::None, "None"},
        {3, OutputKind::None, "None"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(outputKindForMode(c.mode), c.kind) << c.mode;
        EXPECT_STREQ(outputKindName(c.kind), c.name) << c.mode;
    }
}

}  // namespace
}  // namespace zx
