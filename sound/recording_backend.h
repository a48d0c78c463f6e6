// A sound back end that plays nothing and writes down every call, for tests
// of the sound layer and of the game's sound requests.
#pragma once

#include <deque>
#include <set>
#include <string>
#include <vector>

#include "sound/sound_backend.h"

namespace zx {

class RecordingSoundBackend final : public SoundBackend {
  public:
    // Each call as text, e.g. "FSOUND_Sample_Load(-1, Sound/Enemy.wav, 0x2000, 0, 0)".
    // Samples appear by their file ("Sound/Shot.wav"), "null", or a file
    // followed by " (released)" when the handle was already freed.
    std::vector<std::string> calls;

    // Loads of these paths return null.
    std::set<std::string> failingLoads;
    bool setOutputResult = true;
    bool initResult = true;

    bool FSOUND_SetOutput(int outputType) override;
    bool FSOUND_Init(int mixRate, int maxChannels, unsigned flags) override;
    SampleHandle FSOUND_Sample_Load(int index, const std::string& path, unsigned mode, int offset,
                                    int length) override;
    int FSOUND_PlaySound(int channel, SampleHandle sample) override;
    bool FSOUND_StopSound(int channel) override;
    void FSOUND_Sample_Free(SampleHandle sample) override;
    void FSOUND_Close() override;

    // Samples loaded and not yet freed.
    int liveSamples() const;
    // The file of a handle this back end returned, or "null".
    std::string nameOf(SampleHandle sample) const;

  private:
    struct Loaded {
        std::string path;
        bool live = true;
    };
    int indexOf(SampleHandle sample) const;  // -1 if not ours

    std::deque<Loaded> loaded_;  // a deque keeps handles stable as it grows
    int nextChannel_ = 0;
};

}  // namespace zx
