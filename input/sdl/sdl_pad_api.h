// The SDL functions the game controllers need, loaded from SDL's library at
// their first use, so a run that never looks for a controller never loads it.
#pragma once

#include <SDL.h>

namespace zx {

struct SdlPadApi {
    int (*InitSubSystem)(Uint32);
    void (*QuitSubSystem)(Uint32);
    SDL_bool (*SetHint)(const char*, const char*);
    int (*PollEvent)(SDL_Event*);
    SDL_GameController* (*GameControllerOpen)(int);
    void (*GameControllerClose)(SDL_GameController*);
    SDL_Joystick* (*GameControllerGetJoystick)(SDL_GameController*);
    SDL_JoystickID (*JoystickInstanceID)(SDL_Joystick*);
    // Since SDL 2.24; null in an older library.
    const char* (*GameControllerPath)(SDL_GameController*);
};

// The functions, loaded once; null when the library or a function is missing.
const SdlPadApi* sdlPadApi();

}  // namespace zx
