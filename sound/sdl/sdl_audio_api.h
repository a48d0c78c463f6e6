// The SDL functions the audio back end calls, loaded from SDL's library at
// the first use, so a run without sound never loads it.
#pragma once

#include <SDL.h>

namespace zx {

struct SdlAudioApi {
    int (*InitSubSystem)(Uint32);
    void (*QuitSubSystem)(Uint32);
    SDL_bool (*SetHint)(const char*, const char*);
    SDL_bool (*SetHintWithPriority)(const char*, const char*, SDL_HintPriority);
    SDL_bool (*ResetHint)(const char*);
    const char* (*GetCurrentAudioDriver)();
    SDL_RWops* (*RWFromConstMem)(const void*, int);
    SDL_AudioSpec* (*LoadWAV_RW)(SDL_RWops*, int, SDL_AudioSpec*, Uint8**, Uint32*);
    void (*FreeWAV)(Uint8*);
    int (*BuildAudioCVT)(SDL_AudioCVT*, SDL_AudioFormat, Uint8, int, SDL_AudioFormat, Uint8, int);
    int (*ConvertAudio)(SDL_AudioCVT*);
    SDL_AudioDeviceID (*OpenAudioDevice)(const char*, int, const SDL_AudioSpec*, SDL_AudioSpec*,
                                         int);
    void (*PauseAudioDevice)(SDL_AudioDeviceID, int);
    void (*LockAudioDevice)(SDL_AudioDeviceID);
    void (*UnlockAudioDevice)(SDL_AudioDeviceID);
    void (*CloseAudioDevice)(SDL_AudioDeviceID);
    void (*MixAudioFormat)(Uint8*, const Uint8*, SDL_AudioFormat, Uint32, int);
};

// The functions, loaded once; null when the library or a function is missing.
const SdlAudioApi* sdlAudioApi();

// True once sdlAudioApi() has loaded the library in this process.
bool sdlAudioApiLoaded();

}  // namespace zx
