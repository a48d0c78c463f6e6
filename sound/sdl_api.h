// The SDL and SDL_mixer functions the sound back end calls, loaded from the
// libraries at the first use, so a run without sound never loads them.
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

namespace zx {

struct SdlApi {
    int (*InitSubSystem)(Uint32);
    void (*QuitSubSystem)(Uint32);
    SDL_bool (*SetHint)(const char*, const char*);
    SDL_bool (*SetHintWithPriority)(const char*, const char*, SDL_HintPriority);
    SDL_bool (*ResetHint)(const char*);
    const char* (*GetCurrentAudioDriver)();
    SDL_RWops* (*RWFromConstMem)(const void*, int);
    int (*OpenAudio)(int, Uint16, int, int);
    int (*AllocateChannels)(int);
    Mix_Chunk* (*LoadWAV_RW)(SDL_RWops*, int);
    int (*PlayChannelTimed)(int, Mix_Chunk*, int, int);
    int (*HaltChannel)(int);
    int (*Playing)(int);
    void (*FreeChunk)(Mix_Chunk*);
    int (*QuerySpec)(int*, Uint16*, int*);
    void (*CloseAudio)();
};

// The functions, loaded once; null when the libraries or a function are missing.
const SdlApi* sdlApi();

// True once sdlApi() has loaded the libraries in this process.
bool sdlApiLoaded();

}  // namespace zx
