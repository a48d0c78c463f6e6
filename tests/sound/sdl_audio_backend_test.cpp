// SDL's own audio output on its silent "dummy" driver: the sample check made
// before the output starts, the held start, the quiet close and the fallback.
#include "sound/sdl/sdl_audio_backend.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "sound/sound.h"
#include "sound/wav_header.h"
#include "tests/rig/hostile_files.h"

namespace zx {
namespace {

namespace fs = std::filesystem;

struct WavShape {
    std::uint16_t format = 1, channels = 1, bits = 16;
    std::uint32_t rate = 22050;
    std::uint32_t declaredExtra = 0;  // data bytes declared beyond those written
};

// A tone of the given length; the data chunk may declare more than it holds.
void writeWav(const fs::path& file, int milliseconds, WavShape s = {}) {
    const std::uint32_t frames = s.rate * std::uint32_t(milliseconds) / 1000;
    const std::uint32_t block = s.channels * s.bits / 8, bytes = frames * block;
    std::ofstream out(file, std::ios::binary);
    auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + bytes);
    out.write("WAVEfmt ", 8);
    u32(16), u16(s.format), u16(s.channels), u32(s.rate), u32(s.rate * block),
        u16(std::uint16_t(block)), u16(s.bits);
    out.write("data", 4);
    u32(bytes + s.declaredExtra);
    for (std::uint32_t i = 0; i < bytes; ++i) out.put(char(40 * std::sin(i * 0.1)));
}

// Each test in a fresh folder holding Sound/*.wav, on SDL's dummy driver.
class SdlAudio : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        char pattern[] = "/tmp/zx_audio_XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir_ = pattern;
        fs::create_directory(dir_ / "Sound");
        for (int i = 0; i < kSoundSampleCount; ++i)
            writeWav(dir_ / soundSampleFile(SoundSample(i)), 1000);
    }
    void TearDown() override {
        fs::remove_all(dir_);
        unsetenv("SDL_AUDIODRIVER");
    }
    fs::path enemy() const { return dir_ / "Sound/Enemy.wav"; }

    fs::path dir_;
    bool deviceSoundOn_ = true;
};

TEST_F(SdlAudio, TheEnemySampleDecidesTheLaunchBeforeTheOutputStarts) {
    struct Case {
        const char* what;
        std::function<void(const fs::path&)> put;  // replaces Sound/Enemy.wav
        bool launches;
    };
    const Case cases[] = {
        {"a plain sample", [](const fs::path&) {}, true},
        {"an 8-bit stereo sample at another rate",
         [](const fs::path& f) {
             writeWav(f, 200, {1, 2, 8, 11025});
         },
         true},
        {"missing", [](const fs::path& f) { fs::remove(f); }, false},
        {"a folder", [](const fs::path& f) { fs::remove(f), fs::create_directory(f); }, false},
        {"a FIFO, which must not block",
         [](const fs::path& f) { fs::remove(f), mkfifo(f.c_str(), 0644); }, false},
        {"a link to /dev/zero",
         [](const fs::path& f) { fs::remove(f), fs::create_symlink("/dev/zero", f); }, false},
        {"not a WAV", [](const fs::path& f) { std::ofstream(f) << "RIFF this is not a sound"; },
         false},
        {"data declared past the end of the file",
         [](const fs::path& f) {
             writeWav(f, 100, {1, 1, 16, 22050, 1u << 30});
         },
         false},
        {"mono, but too long once converted (200 s at 8 kHz)",
         [](const fs::path& f) {
             writeWav(f, 200000, {1, 1, 8, 8000});
         },
         false},
        {"over 16 MB", [](const fs::path& f) { fs::resize_file(f, (16u << 20) + 1); }, false},
        {"an empty file", [](const fs::path& f) { std::ofstream{f}; }, false},
    };
    for (const Case& c : cases) {
        TearDown();  // a fresh folder for each case
        SetUp();
        c.put(enemy());
        SdlAudioBackend backend(dir_.string());
        backend.holdOutput();
        Sound snd(backend, deviceSoundOn_);
        EXPECT_EQ(snd.Snd_Init(kSoundModeDirectSound), c.launches) << c.what;
        EXPECT_FALSE(backend.isStarted()) << c.what << ": the check needs no output";
        EXPECT_NE(snd.handle(SoundSample::Start), nullptr) << c.what;
        // Once started, a launched sample plays.
        backend.releaseOutput();
        EXPECT_TRUE(backend.isStarted()) << c.what;
        EXPECT_EQ(backend.play(snd.handle(SoundSample::Enemy)), c.launches) << c.what;
        snd.Snd_Close();
    }
}

TEST_F(SdlAudio, AHeldOutputStartsWhenReleasedOrAtTheFirstSound) {
    for (const bool releasedFirst : {true, false}) {
        SdlAudioBackend backend(dir_.string());
        backend.holdOutput();
        Sound snd(backend, deviceSoundOn_);
        ASSERT_TRUE(snd.Snd_Init(kSoundModeDirectSound));
        EXPECT_EQ(backend.currentDriver(), "");
        if (releasedFirst) {
            backend.releaseOutput();
            EXPECT_TRUE(backend.isStarted());
            EXPECT_EQ(backend.playingVoices(), 0);
        }
        snd.Snd_Play(SoundSample::Enemy);
        snd.Snd_Play(SoundSample::Shot);  // one-second samples: both still sound
        EXPECT_TRUE(backend.isStarted());
        EXPECT_EQ(backend.currentDriver(), "dummy");
        EXPECT_EQ(backend.playingVoices(), 2) << releasedFirst;
        backend.releaseOutput();  // a late release changes nothing
        EXPECT_EQ(backend.playingVoices(), 2);
        snd.Snd_Silence();
        EXPECT_EQ(backend.playingVoices(), 0);
        snd.Snd_Close();
        EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
    }
}

TEST_F(SdlAudio, AnUnheldOutputStartsAtInitAndRefusesWhatSdlCannotDecode) {
    // 64-bit float passes the header check, but SDL decodes only 32-bit float.
    writeWav(dir_ / "Sound/Miss.wav", 100, {3, 1, 64, 22050});
    SdlAudioBackend backend(dir_.string());
    Sound snd(backend, deviceSoundOn_);
    ASSERT_TRUE(snd.Snd_Init(kSoundModeWinMM));
    EXPECT_TRUE(backend.isStarted());
    EXPECT_EQ(snd.handle(SoundSample::Miss), nullptr);
    EXPECT_NE(snd.handle(SoundSample::Gameover), nullptr);
    deviceSoundOn_ = false;
    snd.Snd_Play(SoundSample::Start);
    EXPECT_EQ(backend.playingVoices(), 0);
    snd.Snd_Close();

    // Held, the header check lets it load; the start finds it undecodable,
    // and it stays silent instead of playing what is not there.
    SdlAudioBackend held(dir_.string());
    held.holdOutput();
    ASSERT_TRUE(held.open(OutputKind::SystemDefault));
    SampleHandle miss = held.load("Sound/Miss.wav");
    ASSERT_NE(miss, nullptr);
    held.releaseOutput();
    EXPECT_FALSE(held.play(miss));
    EXPECT_EQ(held.playingVoices(), 0);
    held.close();
}

TEST_F(SdlAudio, AQuietOutputClosesAndTheNextSoundReopensItWithTheSamples) {
    SdlAudioBackend backend(dir_.string());
    Sound snd(backend, deviceSoundOn_);
    ASSERT_TRUE(snd.Snd_Init(kSoundModeDirectSound));
    snd.Snd_Play(SoundSample::Shot);
    EXPECT_FALSE(backend.suspendIfQuiet());  // still sounding: stays open
    snd.Snd_Silence();
    EXPECT_TRUE(backend.suspendIfQuiet());
    EXPECT_TRUE(backend.isSuspended());
    EXPECT_TRUE(backend.stopAll());

    snd.Snd_Play(SoundSample::Enemy);  // the same handle plays after the reopen
    EXPECT_FALSE(backend.isSuspended());
    EXPECT_EQ(backend.playingVoices(), 1);
    // The reopened output runs: the one-second sample plays to its end.
    for (int ms = 0; ms < 5000 && backend.playingVoices() > 0; ms += 20) SDL_Delay(20);
    EXPECT_EQ(backend.playingVoices(), 0);
    snd.Snd_Play(SoundSample::Enemy);
    EXPECT_EQ(backend.playingVoices(), 1);
    // Freeing a sample stops its voice before its sound goes.
    backend.free(snd.handle(SoundSample::Enemy));
    EXPECT_EQ(backend.playingVoices(), 0);
    snd.Snd_Close();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

TEST_F(SdlAudio, AnOutputThatCannotOpenFallsBackToSilenceAndStillPlays) {
    setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
    SdlAudioBackend backend(dir_.string());
    Sound snd(backend, deviceSoundOn_);
    EXPECT_TRUE(snd.Snd_Init(kSoundModeWinMM));
    EXPECT_TRUE(backend.isSilentFallback());
    EXPECT_EQ(backend.currentDriver(), "dummy");
    snd.Snd_Play(SoundSample::Start);
    EXPECT_EQ(backend.playingVoices(), 1);
    snd.Snd_Close();
}

TEST_F(SdlAudio, StrayCallsAreHarmless) {
    SdlAudioBackend backend(dir_.string());
    // Before the init: nothing loads, plays or stops.
    EXPECT_EQ(backend.load("Sound/Shot.wav"), nullptr);
    EXPECT_FALSE(backend.stopAll());
    backend.close();

    EXPECT_FALSE(backend.open(OutputKind::None));  // silence opens nothing
    EXPECT_EQ(backend.load("Sound/Shot.wav"), nullptr);
    ASSERT_TRUE(backend.open(OutputKind::Plain));
    SampleHandle shot = backend.load("Sound/Shot.wav");
    ASSERT_NE(shot, nullptr);
    EXPECT_FALSE(backend.play(nullptr));
    // Every voice takes the one-second sample; one more finds none free.
    for (int i = 0; i < SdlAudioBackend::kVoices; ++i) EXPECT_TRUE(backend.play(shot)) << i;
    EXPECT_FALSE(backend.play(shot));
    EXPECT_EQ(backend.playingVoices(), SdlAudioBackend::kVoices);
    EXPECT_TRUE(backend.stopAll());
    EXPECT_EQ(backend.playingVoices(), 0);
    backend.free(nullptr);
    backend.free(shot);
    backend.free(shot);  // already freed: ignored
    EXPECT_FALSE(backend.play(shot));
    backend.close();
    backend.close();
    EXPECT_EQ(SDL_WasInit(SDL_INIT_AUDIO), 0u);
}

// The kinds select SDL's drivers by name; a null lets SDL pick its default.
TEST(SdlAudioDriver, EachOutputKindSelectsItsDriver) {
    const struct {
        OutputKind kind;
        const char* driver;
    } cases[] = {
#if defined(_WIN32)
        {OutputKind::SystemDefault, "directsound"},
        {OutputKind::Plain, "winmm"},
#elif defined(__linux__)
        {OutputKind::SystemDefault, nullptr},
        {OutputKind::Plain, "alsa"},
#else
        {OutputKind::SystemDefault, nullptr},
        {OutputKind::Plain, nullptr},
#endif
        {OutputKind::None, nullptr},
    };
    for (const auto& c : cases) {
        const char* got = sdlAudioDriverFor(c.kind);
        EXPECT_EQ(std::string(got ? got : "(default)"), c.driver ? c.driver : "(default)")
            << outputKindName(c.kind);
    }
}

// Every sample as a FIFO, a link to /dev/zero, a folder and a file over the
// size limit: a missing sample each time, so the Enemy's fails the start and
// any other is silence, and the start answers at once.
TEST_F(SdlAudio, SpecialFilesInPlaceOfASampleAreMissingSamples) {
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
                SdlAudioBackend backend(dir_.string());
                Sound snd(backend, deviceSoundOn_);
                EXPECT_EQ(snd.Snd_Init(kSoundModeDirectSound), slot != SoundSample::Enemy);
                for (int j = 0; j < kSoundSampleCount; ++j)
                    EXPECT_EQ(snd.handle(SoundSample(j)) == nullptr, j == i) << j;
                snd.Snd_Play(slot);
                EXPECT_EQ(backend.playingVoices(), 0);
                snd.Snd_Close();
            }
            fs::remove_all(dir_ / file);
            writeWav(dir_ / file, 100);
        }
    }
}

// A hostile header never reaches SDL: the declared data length must lie in
// the file; what follows the data chunk is not handed on.
TEST_F(SdlAudio, ASampleWhoseDataLengthIsNotInTheFileIsRefused) {
    SdlAudioBackend backend(dir_.string());
    ASSERT_TRUE(backend.open(OutputKind::SystemDefault));
    std::string wav;
    {
        std::ifstream in(dir_ / "Sound/Shot.wav", std::ios::binary);
        wav.assign(std::istreambuf_iterator<char>(in), {});
    }
    auto load = [&](const std::string& bytes) {
        std::ofstream(dir_ / "Sound/Test.wav", std::ios::binary) << bytes;
        SampleHandle h = backend.load("Sound/Test.wav");
        const bool loaded = h != nullptr;
        backend.free(h);
        return loaded;
    };
    EXPECT_TRUE(load(wav));
    EXPECT_TRUE(load(wav + "JUNK\xff\xff\xff\x7f")) << "a damaged tail after the data";
    std::string lying = wav.substr(0, 4096);
    lying[40] = 0, lying[41] = 0, lying[42] = 0, lying[43] = char(0x80);  // 2 GB of data
    EXPECT_FALSE(load(lying));
    EXPECT_FALSE(load(wav.substr(0, wav.size() - 1))) << "a cut data chunk";
    EXPECT_FALSE(load("RIFF this is not a sound"));
    backend.close();
}

}  // namespace
}  // namespace zx
