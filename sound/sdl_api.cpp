// Loading SDL_mixer (and SDL with it) at the first use of sound.
#include "sound/sdl_api.h"

#include <QLibrary>
#include <memory>

namespace zx {

namespace {

bool gLoaded = false;

// The mixer library by its file name; SDL itself comes in as its dependency
// and its functions are found through the mixer's handle.
QLibrary& mixerLibrary() {
#if defined(Q_OS_WIN)
    static QLibrary lib(QStringLiteral("SDL2_mixer"));
#else
    static QLibrary lib(QStringLiteral("SDL2_mixer-2.0"), 0);
#endif
    return lib;
}

template <class F>
bool resolve(QLibrary& lib, F& slot, const char* name) {
    slot = reinterpret_cast<F>(lib.resolve(name));
    return slot != nullptr;
}

std::unique_ptr<SdlApi> load() {
    QLibrary& lib = mixerLibrary();
    if (!lib.load()) return nullptr;
    auto api = std::make_unique<SdlApi>();
    const bool all = resolve(lib, api->InitSubSystem, "SDL_InitSubSystem") &&
                     resolve(lib, api->QuitSubSystem, "SDL_QuitSubSystem") &&
                     resolve(lib, api->SetHint, "SDL_SetHint") &&
                     resolve(lib, api->SetHintWithPriority, "SDL_SetHintWithPriority") &&
                     resolve(lib, api->ResetHint, "SDL_ResetHint") &&
                     resolve(lib, api->GetCurrentAudioDriver, "SDL_GetCurrentAudioDriver") &&
                     resolve(lib, api->RWFromConstMem, "SDL_RWFromConstMem") &&
                     resolve(lib, api->OpenAudio, "Mix_OpenAudio") &&
                     resolve(lib, api->AllocateChannels, "Mix_AllocateChannels") &&
                     resolve(lib, api->LoadWAV_RW, "Mix_LoadWAV_RW") &&
                     resolve(lib, api->PlayChannelTimed, "Mix_PlayChannelTimed") &&
                     resolve(lib, api->HaltChannel, "Mix_HaltChannel") &&
                     resolve(lib, api->Playing, "Mix_Playing") &&
                     resolve(lib, api->FreeChunk, "Mix_FreeChunk") &&
                     resolve(lib, api->QuerySpec, "Mix_QuerySpec") &&
                     resolve(lib, api->CloseAudio, "Mix_CloseAudio");
    if (!all) return nullptr;
    gLoaded = true;
    return api;
}

}  // namespace

const SdlApi* sdlApi() {
    static const std::unique_ptr<SdlApi> api = load();
    return api.get();
}

bool sdlApiLoaded() { return gLoaded; }

}  // namespace zx
