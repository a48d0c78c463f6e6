// The device's sound layer: starts the audio back end, loads the five game
// samples and plays them under the two sound switches.
#pragma once

#include <array>
#include <string>

#include "sound/sound_backend.h"

namespace zx {

// The sample slots, in the order they are loaded and released.
enum class SoundSample { Enemy, Gameover, Miss, Shot, Start };
inline constexpr int kSoundSampleCount = 5;

// The file of a slot, relative to the current directory, e.g. "Sound/Enemy.wav".
const char* soundSampleFile(SoundSample slot);

// The sound modes offered at launch, by their position in the driver list.
inline constexpr int kSoundModeDirectSound = 0;
inline constexpr int kSoundModeWinMM = 1;
inline constexpr int kSoundModeNone = 2;
inline constexpr int kSoundModeUnset = -1;
extern const std::array<const char*, 3> kSoundModeNames;

// The output a mode opens: the first driver is the system's default, the
// second the plain one, any other mode none.
OutputKind outputKindForMode(int soundMode);

// The mode of a driver list text, matched exactly; -1 for any other text.
int soundModeFromText(const std::string& text);

class Sound {
  public:
    // deviceSoundOn is the device's own sound switch, read at every request.
    Sound(SoundBackend& backend, const bool& deviceSoundOn)
        : backend_(backend), deviceSoundOn_(deviceSoundOn) {}
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // Starts the back end for modes 0 and 1 and loads every sample. False
    // exactly when a driver was chosen and the Enemy sample did not load.
    bool Snd_Init(int soundMode);
    void Snd_Play(SoundSample slot);
    void Snd_Silence();
    // Releases every slot and closes the back end, whatever the mode was.
    void Snd_Close();

    bool SoundEnabled() const { return soundEnabled_; }
    SampleHandle handle(SoundSample slot) const { return slots_[index(slot)]; }

  private:
    static int index(SoundSample slot) { return static_cast<int>(slot); }
    bool audible() const { return soundEnabled_ && deviceSoundOn_ && !closed_; }

    SoundBackend& backend_;
    const bool& deviceSoundOn_;
    bool soundEnabled_ = false;
    bool initialised_ = false;
    bool initResult_ = true;
    bool closed_ = false;
    std::array<SampleHandle, kSoundSampleCount> slots_{};
};

}  // namespace zx
