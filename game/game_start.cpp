// The start of a game from a game-ready face.
#include "device/device.h"

namespace zx {

// The game engine arms Timer_Game_Start here; until it exists a released game
// button leaves the ready face standing in the running-game mode.
void Device::Gam_Game_Start() {}

}  // namespace zx
