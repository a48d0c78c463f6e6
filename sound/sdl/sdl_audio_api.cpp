// Loading SDL's library at the first start of the sound output.
#include "sound/sdl/sdl_audio_api.h"

#include <QLibrary>
#include <memory>

namespace zx {

namespace {

bool gLoaded = false;

// SDL alone: its audio is all the program needs, without the codecs and
// synthesisers a mixer library would bring in.
QLibrary& sdlLibrary() {
#if defined(Q_OS_WIN)
    static QLibrary lib(QStringLiteral("SDL2"));
#else
    static QLibrary lib(QStringLiteral("SDL2-2.0"), 0);
#endif
    return lib;
}

template <class F>
bool resolve(QLibrary& lib, F& slot, const char* name) {
    slot = reinterpret_cast<F>(lib.resolve(name));
    return slot != nullptr;
}

std::unique_ptr<SdlAudioApi> load() {
    QLibrary& lib = sdlLibrary();
    if (!lib.load()) return nullptr;
    auto api = std::make_unique<SdlAudioApi>();
    SdlAudioApi& a = *api;
    const bool all = resolve(lib, a.InitSubSystem, "SDL_InitSubSystem") &&
                     resolve(lib, a.QuitSubSystem, "SDL_QuitSubSystem") &&
                     resolve(lib, a.SetHint, "SDL_SetHint") &&
                     resolve(lib, a.SetHintWithPriority, "SDL_SetHintWithPriority") &&
                     resolve(lib, a.ResetHint, "SDL_ResetHint") &&
                     resolve(lib, a.GetCurrentAudioDriver, "SDL_GetCurrentAudioDriver") &&
                     resolve(lib, a.RWFromConstMem, "SDL_RWFromConstMem") &&
                     resolve(lib, a.LoadWAV_RW, "SDL_LoadWAV_RW") &&
                     resolve(lib, a.FreeWAV, "SDL_FreeWAV") &&
                     resolve(lib, a.BuildAudioCVT, "SDL_BuildAudioCVT") &&
                     resolve(lib, a.ConvertAudio, "SDL_ConvertAudio") &&
                     resolve(lib, a.OpenAudioDevice, "SDL_OpenAudioDevice") &&
                     resolve(lib, a.PauseAudioDevice, "SDL_PauseAudioDevice") &&
                     resolve(lib, a.LockAudioDevice, "SDL_LockAudioDevice") &&
                     resolve(lib, a.UnlockAudioDevice, "SDL_UnlockAudioDevice") &&
                     resolve(lib, a.CloseAudioDevice, "SDL_CloseAudioDevice") &&
                     resolve(lib, a.MixAudioFormat, "SDL_MixAudioFormat");
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
