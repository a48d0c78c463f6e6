// The real sound back end: SDL's own audio output, one callback mixing the
// voices, the samples checked and held in memory.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "sound/sound_backend.h"
#include "sound/voice_mixer.h"

class QTimer;

namespace zx {

// SDL's audio driver for an output kind: "directsound" and "winmm" on
// Windows; on Linux the system default (null) and plain "alsa"; elsewhere
// the default for both.
const char* sdlAudioDriverFor(OutputKind kind);

// The output device is one per process: keep one of these at a time.
//
// A sample loads when its file is a regular file of at most 16 MB whose WAV
// header and lengths check out; that needs no output. The output itself,
// SDL's library, its driver and the samples' conversion to the output's
// format, starts at open(), or, while held (holdOutput), when released
// or at the first sound, whichever comes first. A start keeps a program's
// first frame free of the library's loading.
//
// When the chosen driver cannot open (no sound device), SDL's "dummy" driver
// stands in, so the samples still play, silently, and the device runs. An
// open output wakes its audio thread for every buffer even in silence, so
// after a quiet spell the output device is closed, keeping the samples, and
// reopened by the next sound.
class SdlAudioBackend final : public SoundBackend {
  public:
    // How long nothing must play before the output device is closed.
    static constexpr int kQuietSpellMs = 3000;
    // The output's rate and how many samples may sound at once.
    static constexpr int kMixRate = 22050;
    static constexpr int kVoices = 64;

    // A non-empty sampleDir resolves relative sample paths against it instead
    // of the current directory.
    explicit SdlAudioBackend(std::string sampleDir = {});
    ~SdlAudioBackend() override;
    SdlAudioBackend(const SdlAudioBackend&) = delete;
    SdlAudioBackend& operator=(const SdlAudioBackend&) = delete;

    bool open(OutputKind kind) override;
    SampleHandle load(const std::string& path) override;
    bool play(SampleHandle sample) override;
    bool stopAll() override;
    void free(SampleHandle sample) override;
    void close() override;

    // Until releaseOutput(), open() only takes note and the samples are
    // only checked; the first sound starts the output at once.
    void holdOutput() { held_ = true; }
    // Starts the output if open() asked for it; later opens start at once.
    void releaseOutput();

    // Open for sound: initialised and not closed, started or not.
    bool isOpen() const { return open_; }
    // The output runs (SDL loaded, a driver up, the samples converted).
    bool isStarted() const { return started_; }
    // True while the output device is closed for quiet.
    bool isSuspended() const { return started_ && !device_; }
    // Closes the output device when nothing plays; true when it is closed.
    // The quiet-spell timer calls this; tests may call it at any time.
    bool suspendIfQuiet();
    // True when the chosen output failed and the silent one stands in.
    bool isSilentFallback() const { return fallback_; }
    // SDL's name of the driver in use, or "" when not started.
    std::string currentDriver() const;
    // Voices sounding now.
    int playingVoices() const;

  private:
    struct Sample;

    bool start();
    bool initDriver(const char* driver, bool overrideEnvironment);
    bool openDevice();
    bool convert(Sample& sample) const;
    void armQuietTimer();
    std::string resolve(const std::string& path) const;
    Sample* find(SampleHandle handle) const;
    static void mixCallback(void* self, std::uint8_t* stream, int bytes);

    std::string sampleDir_;
    OutputKind kind_ = OutputKind::SystemDefault;
    bool held_ = false;
    bool open_ = false;
    bool startTried_ = false;
    bool started_ = false;
    bool fallback_ = false;
    unsigned device_ = 0;  // SDL's device id; 0 while closed
    VoiceMixer voices_;
    std::map<SampleHandle, std::unique_ptr<Sample>> samples_;
    std::unique_ptr<QTimer> quietTimer_;
};

}  // namespace zx
