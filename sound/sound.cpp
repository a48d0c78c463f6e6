// The device's sound layer over a SoundBackend.
#include "sound/sound.h"

namespace zx {

namespace {
constexpr std::array<const char*, kSoundSampleCount> kSampleFiles = {
    "Sound/Enemy.wav", "Sound/Gameover.wav", "Sound/Miss.wav", "Sound/Shot.wav", "Sound/Start.wav",
};
}  // namespace

// The drivers by the names the platform knows them by. On Linux the first
// lets SDL choose (PipeWire, PulseAudio or ALSA), the second asks for ALSA.
const std::array<const char*, 3> kSoundModeNames = {
#if defined(_WIN32)
    "Microsoft DirectSound",
    "Windows MultiMedia",
#else
    "Default sound output",
    "ALSA",
#endif
    "(no sound)",
};

const char* soundSampleFile(SoundSample slot) { return kSampleFiles[static_cast<int>(slot)]; }

const char* outputKindName(OutputKind kind) {
    switch (kind) {
        case OutputKind::SystemDefault:
            return "SystemDefault";
        case OutputKind::Plain:
            return "Plain";
        case OutputKind::None:
            break;
    }
    return "None";
}

OutputKind outputKindForMode(int soundMode) {
    if (soundMode == kSoundModeDirectSound) return OutputKind::SystemDefault;
    if (soundMode == kSoundModeWinMM) return OutputKind::Plain;
    return OutputKind::None;
}

int soundModeFromText(const std::string& text) {
    // "(no sound)" first: the launch falls back to silence before any driver.
    for (int mode : {kSoundModeNone, kSoundModeWinMM, kSoundModeDirectSound}) {
        if (text == kSoundModeNames[mode]) return mode;
    }
    return kSoundModeUnset;
}

bool Sound::Snd_Init(int soundMode) {
    // The output is started once per run; a repeated start would leak the
    // first set of samples, so it only repeats the first answer.
    if (initialised_) return initResult_;
    initialised_ = true;

    // Only the two drivers start the back end; any other mode is silence.
    const OutputKind kind = outputKindForMode(soundMode);
    if (kind == OutputKind::None) {
        soundEnabled_ = false;
        initResult_ = true;
        return initResult_;
    }
    soundEnabled_ = true;

    // The open's result decides nothing: a back end that cannot open its
    // output fails the loads, and the Enemy sample below is the verdict.
    backend_.open(kind);
    for (int i = 0; i < kSoundSampleCount; ++i) slots_[i] = backend_.load(kSampleFiles[i]);
    initResult_ = handle(SoundSample::Enemy) != nullptr;
    return initResult_;
}

void Sound::Snd_Play(SoundSample slot) {
    if (!audible()) return;
    // Fire and forget: a free voice each time, so sounds overlap.
    backend_.play(handle(slot));
}

void Sound::Snd_Silence() {
    if (!audible()) return;
    backend_.stopAll();
}

void Sound::Snd_Close() {
    // Every slot is handed back, null or not, and forgotten so that a second
    // close cannot release a sample twice.
    for (SampleHandle& h : slots_) {
        backend_.free(h);
        h = nullptr;
    }
    backend_.close();
    closed_ = true;
}

}  // namespace zx
