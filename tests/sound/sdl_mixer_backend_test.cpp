// The SDL2_mixer back end on SDL's silent "dummy" driver, with WAV files
// written by the test itself.
#include "sound/sdl_mixer_backend.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "sound/sound.h"
#include "sound/wav_header.h"
#include "tests/rig/special_files.h"

namespace zx {
namespace {

namespace fs = std::filesystem;

// A mono 16-bit PCM tone of the given length at 22050 Hz.
void writeWav(const fs::path& file, int milliseconds) {
    const uint32_t rate = 22050, frames = rate * milliseconds / 1000, bytes = frames * 2;
    std::ofstream out(file, std::ios::binary);
    auto u32 = [&](uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + bytes);
    out.write("WAVEfmt ", 8);
    u32(16), u16(1), u16(1), u32(rate), u32(rate * 2), u16(2), u16(16);
    out.write("data", 4);
    u32(bytes);
    for (uint32_t i = 0; i < frames; ++i) u16(uint16_t(int16_t(8000 * std::sin(i * 0.1))));
}

// Runs each test in a fresh folder holding Sound/*.wav, on a given SDL driver.
class SdlSound : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        char pattern[] = "/tmp/zx_sound_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        fs::create_directory(dir_ / "Sound");
        for (int i = 0; i < kSoundSampleCount; ++i)
            writeWav(dir_ / soundSampleFile(SoundSample(i)), 1000);
        oldCwd_ = fs::current_path();
        fs::current_path(dir_);
    }
    void TearDown() override {
        fs::current_path(oldCwd_);
        fs::remove_all(dir_);
        unsetenv("SDL_AUDIODRIVER");
    }

    fs::path dir_, oldCwd_;
    bool deviceSoundOn_ = true;
};

TEST_F(SdlSound, LoadsTheSamplesAndPlaysThemOverlappingOnTheDummyOutput) {
    SdlMixerBackend backend;
    Sound snd(backend, deviceSoundOn_);
    ASSERT_TRUE(snd.Snd_Init(kSoundModeDirectSound));
    EXPECT_EQ(backend.currentDriver(), "dummy");
    EXPECT_FALSE(backend.isSilentFallback());
    for (int i = 0; i < kSoundSampleCount; ++i) EXPECT_NE(snd.handle(SoundSample(i)), nullptr) << i;

    int rate = 0, outChannels = 0;
    Uint16 format = 0;
    ASSERT_EQ(Mix_QuerySpec(&rate, &format, &outChannels), 1);
    EXPECT_EQ(rate, 22050);
    EXPECT_EQ(Mix_AllocateChannels(-1), 64);

    // One-second samples: both are still sounding when counted.
    snd.Snd_Play(SoundSample::Enemy);
    snd.Snd_Play(SoundSample::Shot);
    EXPECT_EQ(Mix_Playing(-1), 2);
    snd.Snd_Silence();
    EXPECT_EQ(Mix_Playing(-1), 0);

    deviceSoundOn_ = false;
    snd.Snd_Play(SoundSample::Start);
    EXPECT_EQ(Mix_Playing(-1), 0);

    snd.Snd_Close();
    EXPECT_FALSE(backend.isOpen());
}

TEST_F(SdlSound, AQuietOutputClosesAndTheNextSoundReopensItWithTheSamples) {
    SdlMixerBackend backend;
    Sound snd(backend, deviceSoundOn_);
    ASSERT_TRUE(snd.Snd_Init(kSoundModeDirectSound));
    snd.Snd_Play(SoundSample::Shot);
    EXPECT_FALSE(backend.suspendIfQuiet());  // still sounding: stays open
    snd.Snd_Silence();
    EXPECT_TRUE(backend.suspendIfQuiet());
    EXPECT_TRUE(backend.isSuspended());
    EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0) << "the output device is closed";
    EXPECT_TRUE(backend.FSOUND_StopSound(fsound::kAllChannels));

    snd.Snd_Play(SoundSample::Enemy);  // the same handle plays after the reopen
    EXPECT_FALSE(backend.isSuspended());
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(Mix_AllocateChannels(-1), 64);
    EXPECT_EQ(backend.currentDriver(), "dummy");
    snd.Snd_Close();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

TEST_F(SdlSound, AnOutputThatCannotOpenFallsBackToSilenceAndStillLoads) {
    setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
    SdlMixerBackend backend;
    Sound snd(backend, deviceSoundOn_);
    EXPECT_TRUE(snd.Snd_Init(kSoundModeWinMM));
    EXPECT_TRUE(backend.isSilentFallback());
    EXPECT_EQ(backend.currentDriver(), "dummy");
    EXPECT_NE(snd.handle(SoundSample::Start), nullptr);
    snd.Snd_Close();
}

TEST_F(SdlSound, AMissingOrDamagedEnemySampleFailsTheStart) {
    fs::remove(dir_ / "Sound/Enemy.wav");
    {
        SdlMixerBackend backend;
        Sound snd(backend, deviceSoundOn_);
        EXPECT_FALSE(snd.Snd_Init(kSoundModeDirectSound));
        EXPECT_NE(snd.handle(SoundSample::Gameover), nullptr);
        snd.Snd_Close();
    }
    std::ofstream(dir_ / "Sound/Enemy.wav") << "RIFF this is not a sound";
    {
        SdlMixerBackend backend;
        Sound snd(backend, deviceSoundOn_);
        EXPECT_FALSE(snd.Snd_Init(kSoundModeDirectSound));
        snd.Snd_Close();
    }
}

TEST_F(SdlSound, StrayCallsAreHarmless) {
    SdlMixerBackend backend;
    // Before the output is open: nothing loads, plays or stops.
    EXPECT_EQ(backend.FSOUND_Sample_Load(-1, "Sound/Shot.wav", 0x2000, 0, 0), nullptr);
    EXPECT_FALSE(backend.FSOUND_StopSound(-3));
    backend.FSOUND_Close();

    ASSERT_TRUE(backend.FSOUND_Init(22050, 64, 0));
    SampleHandle shot = backend.FSOUND_Sample_Load(-1, "Sound/Shot.wav", 0x2000, 0, 0);
    ASSERT_NE(shot, nullptr);
    EXPECT_EQ(backend.FSOUND_PlaySound(-1, nullptr), -1);
    EXPECT_EQ(backend.FSOUND_PlaySound(64, shot), -1);
    EXPECT_EQ(backend.FSOUND_PlaySound(-7, shot), -1);
    backend.FSOUND_Sample_Free(nullptr);
    backend.FSOUND_Sample_Free(shot);
    backend.FSOUND_Sample_Free(shot);  // already freed: ignored
    EXPECT_EQ(backend.FSOUND_PlaySound(-1, shot), -1);
    backend.FSOUND_Close();
    backend.FSOUND_Close();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

// Every sample as a FIFO, a link to /dev/zero, a folder and a file over the
// size limit: a missing sample each time, so the Enemy's fails the start and
// any other is silence, and the start answers at once.
TEST_F(SdlSound, SpecialFilesInPlaceOfASampleAreMissingSamples) {
    for (int i = 0; i < kSoundSampleCount; ++i) {
        const SoundSample slot = SoundSample(i);
        const std::string file = soundSampleFile(slot);
        for (const test::SpecialKind kind : test::kSpecialKinds) {
            const std::string name = file + " as " + test::specialKindName(kind);
            SCOPED_TRACE(name);
            std::ifstream valid(dir_ / file, std::ios::binary);
            std::string head(44, '\0');
            valid.read(head.data(), 44);  // a valid header first, for the oversized file
            valid.close();
            test::makeSpecial((dir_ / file).string(), kind, kMaxSampleFileBytes + 1, head);
            {
                const test::HangGuard guard(name);
                SdlMixerBackend backend;
                Sound snd(backend, deviceSoundOn_);
                EXPECT_EQ(snd.Snd_Init(kSoundModeDirectSound), slot != SoundSample::Enemy);
                for (int j = 0; j < kSoundSampleCount; ++j)
                    EXPECT_EQ(snd.handle(SoundSample(j)) == nullptr, j == i) << j;
                snd.Snd_Play(slot);
                EXPECT_EQ(Mix_Playing(-1), 0);
                snd.Snd_Close();
            }
            fs::remove_all(dir_ / file);
            writeWav(dir_ / file, 100);
        }
    }
}

// Hostile headers never reach SDL_mixer: the declared data length must lie in
// the file; what follows the data chunk is not handed on.
TEST_F(SdlSound, ASampleWhoseDataLengthIsNotInTheFileIsRefused) {
    SdlMixerBackend backend;
    ASSERT_TRUE(backend.FSOUND_Init(22050, 64, 0));
    std::string wav;
    {
        std::ifstream in(dir_ / "Sound/Shot.wav", std::ios::binary);
        wav.assign(std::istreambuf_iterator<char>(in), {});
    }
    auto load = [&](const std::string& bytes) {
        std::ofstream(dir_ / "Sound/Test.wav", std::ios::binary) << bytes;
        SampleHandle h = backend.FSOUND_Sample_Load(-1, "Sound/Test.wav", 0x2000, 0, 0);
        const bool loaded = h != nullptr;
        backend.FSOUND_Sample_Free(h);
        return loaded;
    };
    EXPECT_TRUE(load(wav));
    EXPECT_TRUE(load(wav + "JUNK\xff\xff\xff\x7f")) << "a damaged tail after the data";
    std::string lying = wav.substr(0, 4096);
    lying[40] = 0, lying[41] = 0, lying[42] = 0, lying[43] = char(0x80);  // 2 GB of data
    EXPECT_FALSE(load(lying));
    EXPECT_FALSE(load(wav.substr(0, wav.size() - 1))) << "a cut data chunk";
    EXPECT_FALSE(load("RIFF this is not a sound"));
    backend.FSOUND_Close();
}

}  // namespace
}  // namespace zx
