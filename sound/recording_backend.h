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
    // Each call as text, e.g. "open(SystemDefault)", "load(Sound/Enemy.wav)".
    // Samples appear by their file ("Sound/Shot.wav"), "null", or a file
    // followed by " (released)" when the handle was already freed.
    std::vector<std::string> calls;

    // Loads of these paths return null.
    std::set<std::string> failingLoads;
    bool openResult = true;

    bool open(OutputKind kind) override;
    SampleHandle load(const std::string& path) override;
    bool play(SampleHandle sample) override;
    bool stopAll() override;
    void free(SampleHandle sample) override;
    void close() override;

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
};

}  // namespace zx
