// The real sound back end: SDL2_mixer on SDL's audio output.
#pragma once

#include <set>
#include <string>

#include "sound/sound_backend.h"

namespace zx {

// SDL's audio driver for an output type: "directsound" and "winmm" on
// Windows; on Linux the system default (null) and plain "alsa"; elsewhere
// the default for both.
const char* sdlAudioDriverFor(int outputType);

// The mixer's output device is one per process: keep one of these at a time.
// When the chosen output cannot be opened (no sound device), the back end
// opens SDL's "dummy" driver instead, so the samples still load and play,
// silently, and the device runs.
class SdlMixerBackend final : public SoundBackend {
  public:
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

    bool isOpen() const { return open_; }
    // True when the chosen output failed and the silent one stands in.
    bool isSilentFallback() const { return fallback_; }
    // SDL's name of the driver in use, or "" when closed.
    std::string currentDriver() const;

  private:
    bool openWith(const char* driver, bool overrideEnvironment, int mixRate, int maxChannels);
    std::string resolve(const std::string& path) const;

    std::string sampleDir_;
    int outputType_ = fsound::kOutputDirectSound;
    int channels_ = 0;
    bool audioInit_ = false;
    bool open_ = false;
    bool fallback_ = false;
    // The chunks handed out and not yet freed: a stray or repeated free is ignored.
    std::set<SampleHandle> chunks_;
};

}  // namespace zx
