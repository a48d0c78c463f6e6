// The device core: the face, the twelve timers and the module state, built
// from its collaborators. It includes nothing of the GUI.
#pragma once

#include "device/clock.h"
#include "device/random.h"
#include "device/timers.h"
#include "display/display.h"
#include "display/face.h"
#include "game/game_state.h"

namespace zx {

// Mode, latches and the game sound flag.
struct DeviceState {
    int DeviceMode = 0;
    bool KeyHeld = false;
    bool GameAHeld = false;
    bool GameBHeld = false;
    bool DeviceSoundOn = false;
    GameState game;
};

class Device {
public:
    Device(Clock& clock, Random& random) : clock_(clock), random_(random) {}
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    Face face;
    Scheduler timers;
    DeviceState state;
    Display vid{face, state.game};

    Clock& clock() { return clock_; }
    Random& random() { return random_; }

private:
    Clock& clock_;
    Random& random_;
};

}  // namespace zx
