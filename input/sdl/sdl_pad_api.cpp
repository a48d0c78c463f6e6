// Loading SDL's library when the first game controller may be there.
#include "input/sdl/sdl_pad_api.h"

#include <memory>

#include "sound/sdl/sdl_library.h"

namespace zx {

namespace {

std::unique_ptr<SdlPadApi> load() {
    if (!sdlLibrary().load()) return nullptr;
    auto api = std::make_unique<SdlPadApi>();
    SdlPadApi& a = *api;
    const bool all = resolveSdl(a.InitSubSystem, "SDL_InitSubSystem") &&
                     resolveSdl(a.QuitSubSystem, "SDL_QuitSubSystem") &&
                     resolveSdl(a.SetHint, "SDL_SetHint") &&
                     resolveSdl(a.PollEvent, "SDL_PollEvent") &&
                     resolveSdl(a.GameControllerOpen, "SDL_GameControllerOpen") &&
                     resolveSdl(a.GameControllerClose, "SDL_GameControllerClose") &&
                     resolveSdl(a.GameControllerGetJoystick, "SDL_GameControllerGetJoystick") &&
                     resolveSdl(a.JoystickInstanceID, "SDL_JoystickInstanceID");
    if (!all) return nullptr;
    resolveSdl(a.GameControllerPath, "SDL_GameControllerPath");
    return api;
}

}  // namespace

const SdlPadApi* sdlPadApi() {
    static const std::unique_ptr<SdlPadApi> api = load();
    return api.get();
}

}  // namespace zx
