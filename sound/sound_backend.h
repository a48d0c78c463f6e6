// What the device needs from an audio output: open it, load the samples,
// play them on free voices, stop them all, and let everything go again. The
// sound layer runs on any back end, and a test can check each call it makes.
#pragma once

#include <string>

namespace zx {

// A loaded sample, opaque to the sound layer; null stands for "not loaded".
struct SoundBackendSample;
using SampleHandle = SoundBackendSample*;

// The kinds of output a player can choose at launch.
enum class OutputKind {
    SystemDefault,  // the platform's preferred output
    Plain,          // its plain, lowest-common output
    None,           // silence: nothing is opened
};

// The kind's name, as a back end's record or a message shows it.
const char* outputKindName(OutputKind kind);

class SoundBackend {
  public:
    virtual ~SoundBackend() = default;

    // Opens the output of this kind; false if it could not be opened (None
    // never opens). Opening an open output changes nothing.
    virtual bool open(OutputKind kind) = 0;
    // Loads a whole WAV file; null on any failure.
    virtual SampleHandle load(const std::string& path) = 0;
    // Starts a sample on a free voice, fire and forget; false when nothing
    // started (a null or released sample, no free voice, no output).
    virtual bool play(SampleHandle sample) = 0;
    // Stops every voice; false when the output is not open.
    virtual bool stopAll() = 0;
    // Releases a sample; a null or unknown sample is accepted and ignored.
    virtual void free(SampleHandle sample) = 0;
    // Shuts the output down; harmless when it was never opened.
    virtual void close() = 0;
};

}  // namespace zx
