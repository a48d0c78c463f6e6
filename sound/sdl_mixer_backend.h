// The real sound back end: SDL2_mixer on SDL's audio output.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "sound/sound_backend.h"

class QTimer;
struct Mix_Chunk;

namespace zx {

// SDL's audio driver for an output type: "directsound" and "winmm" on
// Windows; on Linux the system default (null) and plain "alsa"; elsewhere
// the default for both.
const char* sdlAudioDriverFor(int outputType);

// The mixer's output device is one per process: keep one of these at a time.
// When the chosen output cannot be opened (no sound device), the back end
// opens SDL's "dummy" driver instead, so the samples still load and play,
// silently, and the device runs.
//
// An open output wakes its audio thread for every buffer even in silence, so
// after a quiet spell the output device is closed, keeping the loaded samples,
// and reopened by the next sound. The SDL libraries load at the first
// FSOUND_Init, never in a run without sound.
class SdlMixerBackend final : public SoundBackend {
  public:
    // How long nothing must play before the output device is closed.
    static constexpr int kQuietSpellMs = 3000;

    // A non-empty sampleDir resolves relative sample paths against it instead
    // of the current directory.
    explicit SdlMixerBackend(std::string sampleDir = {});
    ~SdlMixerBackend() override;
    SdlMixerBackend(const SdlMixerBackend&) = delete;
    SdlMixerBackend& operator=(const SdlMixerBackend&) = delete;

    bool FSOUND_SetOutput(int outputType) override;
    bool FSOUND_Init(int mixRate, int maxChannels, unsigned flags) override;
    SampleHandle FSOUND_Sample_Load(int index, const std::string& path, unsigned mode, int offset,
                                    int length) override;
    int FSOUND_PlaySound(int channel, SampleHandle sample) override;
    bool FSOUND_StopSound(int channel) override;
    void FSOUND_Sample_Free(SampleHandle sample) override;
    void FSOUND_Close() override;

    // Open for sound: initialised and not closed, whether or not the output
    // device is open at the moment.
    bool isOpen() const { return open_; }
    // True while the output device is closed for quiet.
    bool isSuspended() const { return open_ && !deviceOpen_; }
    // Closes the output device when nothing plays; true when it is closed.
    // The quiet-spell timer calls this; tests may call it at any time.
    bool suspendIfQuiet();
    // True when the chosen output failed and the silent one stands in.
    bool isSilentFallback() const { return fallback_; }
    // SDL's name of the driver in use, or "" when closed.
    std::string currentDriver() const;

  private:
    bool openWith(const char* driver, bool overrideEnvironment, int mixRate, int maxChannels);
    bool openDevice();
    bool resume();
    void armQuietTimer();
    std::string resolve(const std::string& path) const;
    // A chunk from a regular file of at most kMaxSampleFileBytes whose WAV
    // header passed checkWavHeader; null otherwise.
    Mix_Chunk* loadChecked(const std::string& path) const;

    std::string sampleDir_;
    int outputType_ = fsound::kOutputDirectSound;
    int mixRate_ = 0;
    int channels_ = 0;
    bool audioInit_ = false;
    bool open_ = false;
    bool deviceOpen_ = false;
    bool fallback_ = false;
    // The output format of the first open; samples are converted for it.
    int specRate_ = 0, specChannels_ = 0;
    unsigned specFormat_ = 0;
    // The chunks handed out and not yet freed, with their files: a stray or
    // repeated free is ignored, and a changed output format reloads them.
    std::map<SampleHandle, std::string> chunks_;
    std::unique_ptr<QTimer> quietTimer_;
};

}  // namespace zx
