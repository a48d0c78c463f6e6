// The SDL2_mixer sound back end.
#define SDL_MAIN_HANDLED
#include "sound/sdl_mixer_backend.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <filesystem>

namespace zx {

namespace {
// Stereo at the requested rate; 1024 frames at 22050 Hz is about 46 ms,
// short enough for a shot and long enough not to underrun on a busy machine.
constexpr int kOutputChannels = 2;
constexpr int kChunkFrames = 1024;

Mix_Chunk* chunkOf(SampleHandle h) { return reinterpret_cast<Mix_Chunk*>(h); }
SampleHandle handleOf(Mix_Chunk* c) { return reinterpret_cast<SampleHandle>(c); }
}  // namespace

const char* sdlAudioDriverFor(int outputType) {
#if defined(_WIN32)
    if (outputType == fsound::kOutputDirectSound) return "directsound";
    if (outputType == fsound::kOutputWinMM) return "winmm";
#elif defined(__linux__)
    if (outputType == fsound::kOutputWinMM) return "alsa";
#else
    (void)outputType;
#endif
    return nullptr;
}

SdlMixerBackend::SdlMixerBackend(std::string sampleDir) : sampleDir_(std::move(sampleDir)) {}

SdlMixerBackend::~SdlMixerBackend() { FSOUND_Close(); }

bool SdlMixerBackend::FSOUND_SetOutput(int outputType) {
    if (outputType != fsound::kOutputDirectSound && outputType != fsound::kOutputWinMM)
        return false;
    outputType_ = outputType;
    return true;
}

bool SdlMixerBackend::FSOUND_Init(int mixRate, int maxChannels, unsigned /*flags*/) {
    if (open_) return true;
    if (mixRate <= 0 || maxChannels <= 0) return false;
    if (openWith(sdlAudioDriverFor(outputType_), false, mixRate, maxChannels)) return true;
    // No usable sound device: run silently rather than lose the samples.
    fallback_ = openWith("dummy", true, mixRate, maxChannels);
    return fallback_;
}

bool SdlMixerBackend::openWith(const char* driver, bool overrideEnvironment, int mixRate,
                               int maxChannels) {
    // SDL picks its driver from this hint at init. A normal-priority hint
    // yields to SDL_AUDIODRIVER in the environment, which stays the user's
    // way to force a driver; the silent fallback overrides even that.
    if (driver) {
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, driver,
                                overrideEnvironment ? SDL_HINT_OVERRIDE : SDL_HINT_NORMAL);
    }
    const bool initialised = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    if (driver) SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    if (!initialised) return false;
    audioInit_ = true;

    if (Mix_OpenAudio(mixRate, MIX_DEFAULT_FORMAT, kOutputChannels, kChunkFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        audioInit_ = false;
        return false;
    }
    open_ = true;
    // The open resets the channel count, so it is set afterwards.
    channels_ = Mix_AllocateChannels(maxChannels);
    return true;
}

std::string SdlMixerBackend::resolve(const std::string& path) const {
    if (sampleDir_.empty() || std::filesystem::path(path).is_absolute()) return path;
    return (std::filesystem::path(sampleDir_) / path).string();
}

SampleHandle SdlMixerBackend::FSOUND_Sample_Load(int /*index*/, const std::string& path,
                                                 unsigned /*mode*/, int /*offset*/,
                                                 int /*length*/) {
    // Every load reads the whole file as a plain sample; the mixer cannot
    // load before its output is open.
    if (!open_) return nullptr;
    Mix_Chunk* chunk = Mix_LoadWAV(resolve(path).c_str());
    if (!chunk) return nullptr;
    chunks_.insert(handleOf(chunk));
    return handleOf(chunk);
}

int SdlMixerBackend::FSOUND_PlaySound(int channel, SampleHandle sample) {
    if (!open_ || !chunks_.count(sample)) return -1;
    if (channel != fsound::kFreeChannel && (channel < 0 || channel >= channels_)) return -1;
    return Mix_PlayChannel(channel, chunkOf(sample), 0);
}

bool SdlMixerBackend::FSOUND_StopSound(int channel) {
    if (!open_) return false;
    if (channel == fsound::kAllChannels) {
        Mix_HaltChannel(-1);
        return true;
    }
    if (channel < 0 || channel >= channels_) return false;
    Mix_HaltChannel(channel);
    return true;
}

void SdlMixerBackend::FSOUND_Sample_Free(SampleHandle sample) {
    // Only chunks this back end handed out and still holds are freed.
    if (chunks_.erase(sample) == 0) return;
    Mix_FreeChunk(chunkOf(sample));
}

void SdlMixerBackend::FSOUND_Close() {
    // Samples still held are freed while the mixer is open, which also
    // stops any channel playing them.
    for (SampleHandle h : chunks_) Mix_FreeChunk(chunkOf(h));
    chunks_.clear();
    if (open_) Mix_CloseAudio();
    if (audioInit_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open_ = false;
    audioInit_ = false;
    channels_ = 0;
}

std::string SdlMixerBackend::currentDriver() const {
    if (!open_) return {};
    const char* name = SDL_GetCurrentAudioDriver();
    return name ? name : "";
}

}  // namespace zx
