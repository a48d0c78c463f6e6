// Loading SDL's library at the first start of the sound output.
#include "sound/sdl/sdl_audio_api.h"

#include <memory>

#include "sound/sdl/sdl_library.h"

namespace zx {

namespace {

bool gLoaded = false;

std::unique_ptr<SdlAudioApi> load() {
    if (!sdlLibrary().load()) return nullptr;
    auto api = std::make_unique<SdlAudioApi>();
    SdlAudioApi& a = *api;
    const bool all =
        resolveSdl(a.InitSubSystem, "SDL_InitSubSystem") &&
        resolveSdl(a.QuitSubSystem, "SDL_QuitSubSystem") && resolveSdl(a.SetHint, "SDL_SetHint") &&
        resolveSdl(a.SetHintWithPriority, "SDL_SetHintWithPriority") &&
        resolveSdl(a.ResetHint, "SDL_ResetHint") &&
        resolveSdl(a.GetCurrentAudioDriver, "SDL_GetCurrentAudioDriver") &&
        resolveSdl(a.RWFromConstMem, "SDL_RWFromConstMem") &&
        resolveSdl(a.LoadWAV_RW, "SDL_LoadWAV_RW") && resolveSdl(a.FreeWAV, "SDL_FreeWAV") &&
        resolveSdl(a.BuildAudioCVT, "SDL_BuildAudioCVT") &&
        resolveSdl(a.ConvertAudio, "SDL_ConvertAudio") &&
        resolveSdl(a.OpenAudioDevice, "SDL_OpenAudioDevice") &&
        resolveSdl(a.PauseAudioDevice, "SDL_PauseAudioDevice") &&
        resolveSdl(a.LockAudioDevice, "SDL_LockAudioDevice") &&
        resolveSdl(a.UnlockAudioDevice, "SDL_UnlockAudioDevice") &&
        resolveSdl(a.CloseAudioDevice, "SDL_CloseAudioDevice") &&
        resolveSdl(a.MixAudioFormat, "SDL_MixAudioFormat");
    if (!all) return nullptr;
    gLoaded = true;
    return api;
}

}  // namespace

const SdlAudioApi* sdlAudioApi() {
    static const std::unique_ptr<SdlAudioApi> api = load();
    return api.get();
}

bool sdlAudioApiLoaded() { return gLoaded; }

}  // namespace zx
