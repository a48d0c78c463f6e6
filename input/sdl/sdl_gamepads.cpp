// Game controllers through SDL's game controller database.
#include "input/sdl/sdl_gamepads.h"

#include "input/sdl/sdl_pad_api.h"

namespace zx {

// The names' order of the core is SDL's own button numbering.
static_assert(SDL_CONTROLLER_BUTTON_A == 0 && SDL_CONTROLLER_BUTTON_START == pad::start &&
              SDL_CONTROLLER_BUTTON_Y == pad::y && SDL_CONTROLLER_BUTTON_BACK == pad::back &&
              SDL_CONTROLLER_BUTTON_DPAD_LEFT == pad::dpleft &&
              SDL_CONTROLLER_BUTTON_DPAD_RIGHT == pad::dpright &&
              SDL_CONTROLLER_BUTTON_MAX == kPadButtonCount);

SdlGamepads::~SdlGamepads() {
    if (!started_) return;
    const SdlPadApi& sdl = *sdlPadApi();
    for (auto& [id, controller] : open_) sdl.GameControllerClose(controller);
    sdl.QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool SdlGamepads::start() {
    if (started_) return true;
    const SdlPadApi* sdl = sdlPadApi();
    if (!sdl) return false;
    // The program ends on its own signal handling; SDL's would swallow them.
    sdl->SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Buttons by their place on the pad, not their lettering: a Nintendo
    // pad's south button is "a" too, so the defaults sit alike on every make.
    sdl->SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    started_ = sdl->InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
    return started_;
}

std::vector<std::string> SdlGamepads::devicePaths() const {
    std::vector<std::string> paths;
    const SdlPadApi* sdl = sdlPadApi();
    for (const auto& [id, controller] : open_) {
        const char* path =
            sdl && sdl->GameControllerPath ? sdl->GameControllerPath(controller) : nullptr;
        paths.emplace_back(path ? path : "");
    }
    return paths;
}

void SdlGamepads::poll() {
    if (!started_) return;
    const SdlPadApi& sdl = *sdlPadApi();
    SDL_Event e;
    while (sdl.PollEvent(&e)) {
        switch (e.type) {
            case SDL_CONTROLLERDEVICEADDED:
                if (SDL_GameController* c = sdl.GameControllerOpen(e.cdevice.which)) {
                    const int id = sdl.JoystickInstanceID(sdl.GameControllerGetJoystick(c));
                    if (!open_.emplace(id, c).second) sdl.GameControllerClose(c);
                }
                break;
            case SDL_CONTROLLERDEVICEREMOVED:
                if (const auto it = open_.find(e.cdevice.which); it != open_.end()) {
                    input_.removed(it->first);
                    sdl.GameControllerClose(it->second);
                    open_.erase(it);
                }
                break;
            case SDL_CONTROLLERBUTTONDOWN:
            case SDL_CONTROLLERBUTTONUP:
                if (open_.contains(e.cbutton.which))
                    input_.button(e.cbutton.which, e.cbutton.button,
                                  e.cbutton.state == SDL_PRESSED);
                break;
            case SDL_CONTROLLERAXISMOTION:
                if (e.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX && open_.contains(e.caxis.which))
                    input_.stickX(e.caxis.which, e.caxis.value);
                break;
            default:
                break;  // the joystick-level twins of these, and SDL's others
        }
    }
}

}  // namespace zx
