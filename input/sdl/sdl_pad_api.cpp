// Loading SDL's library when the first game controller may be there.
#include "input/sdl/sdl_pad_api.h"

#include <QLibrary>
#include <memory>

namespace zx {

namespace {

template <class F>
bool resolve(QLibrary& lib, F& slot, const char* name) {
    slot = reinterpret_cast<F>(lib.resolve(name));
    return slot != nullptr;
}

std::unique_ptr<SdlPadApi> load() {
#if defined(Q_OS_WIN)
    static QLibrary lib(QStringLiteral("SDL2"));
#else
    static QLibrary lib(QStringLiteral("SDL2-2.0"), 0);
#endif
    if (!lib.load()) return nullptr;
    auto api = std::make_unique<SdlPadApi>();
    SdlPadApi& a = *api;
    const bool all = resolve(lib, a.InitSubSystem, "SDL_InitSubSystem") &&
                     resolve(lib, a.QuitSubSystem, "SDL_QuitSubSystem") &&
                     resolve(lib, a.SetHint, "SDL_SetHint") &&
                     resolve(lib, a.PollEvent, "SDL_PollEvent") &&
                     resolve(lib, a.GameControllerOpen, "SDL_GameControllerOpen") &&
                     resolve(lib, a.GameControllerClose, "SDL_GameControllerClose") &&
                     resolve(lib, a.GameControllerGetJoystick, "SDL_GameControllerGetJoystick") &&
                     resolve(lib, a.JoystickInstanceID, "SDL_JoystickInstanceID");
    if (!all) return nullptr;
    resolve(lib, a.GameControllerPath, "SDL_GameControllerPath");
    return api;
}

}  // namespace

const SdlPadApi* sdlPadApi() {
    static const std::unique_ptr<SdlPadApi> api = load();
    return api.get();
}

}  // namespace zx
