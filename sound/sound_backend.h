// The audio library's calls, one method each, so the sound layer can run on
// any back end and a test can check the exact calls it makes.
#pragma once

#include <string>

namespace zx {

// A loaded sample, opaque to the sound layer; null stands for "not loaded".
struct SoundBackendSample;
using SampleHandle = SoundBackendSample*;

// Argument values the sound layer passes, named after their meaning.
namespace fsound {
inline constexpr int kOutputWinMM = 1;        // wave-output-like driver
inline constexpr int kOutputDirectSound = 2;  // the preferred driver
inline constexpr int kMixRate = 22050;
inline constexpr int kMaxChannels = 64;
inline constexpr unsigned kInitFlags = 0;
inline constexpr int kFreeIndex = -1;        // let the library pick a sample index
inline constexpr unsigned kLoad2D = 0x2000;  // plain sample, no 3D processing
inline constexpr int kFreeChannel = -1;      // play on any free channel
inline constexpr int kAllChannels = -3;      // stop every channel
}  // namespace fsound

class SoundBackend {
  public:
    virtual ~SoundBackend() = default;

    // Chooses the output driver for the following init; false if unknown.
    virtual bool FSOUND_SetOutput(int outputType) = 0;
    // Opens the output; false if it could not be opened.
    virtual bool FSOUND_Init(int mixRate, int maxChannels, unsigned flags) = 0;
    // Loads a whole WAV file (offset 0, length 0); null on any failure.
    virtual SampleHandle FSOUND_Sample_Load(int index, const std::string& path, unsigned mode,
                                            int offset, int length) = 0;
    // Starts a sample and returns its channel, or -1; a null sample plays nothing.
    virtual int FSOUND_PlaySound(int channel, SampleHandle sample) = 0;
    virtual bool FSOUND_StopSound(int channel) = 0;
    // Releases a sample; a null sample is accepted and ignored.
    virtual void FSOUND_Sample_Free(SampleHandle sample) = 0;
    // Shuts the output down; harmless when it was never opened.
    virtual void FSOUND_Close() = 0;
};

}  // namespace zx
