// Looks for game controllers at no cost while there are none: the folder of
// input devices is watched (the system tells of a change, nothing polls), and
// SDL is loaded only once the system lists a device that may be a controller.
// While a controller is connected SDL is polled every few milliseconds; after
// the folder changes, for a few seconds (the system needs a moment to make a
// new device usable).
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <functional>

#include "input/sdl/sdl_gamepads.h"

namespace zx {

// Whether this system may have a game controller now: on Linux, the kernel's
// list of input devices holds one; elsewhere, always.
bool systemMayHaveController();

struct GamepadTiming {
    int pollMs = 4;        // while a controller is connected
    int settleMs = 100;    // after the folder changed,
    int settleTicks = 40;  // for that many polls
};

class GamepadWatch : public QObject {
  public:
    explicit GamepadWatch(PadInput& input,
                          std::function<bool()> mayHaveController = systemMayHaveController,
                          GamepadTiming timing = {});

    // Starts watching, and looks at once.
    void start();
    // What a change in the folder of input devices sets off: a look now,
    // and polls for a few seconds.
    void devicesChanged();
    SdlGamepads& gamepads() { return pads_; }
    bool polling() const { return timer_.isActive(); }

  private:
    void tick();
    bool sdlStarted();

    SdlGamepads pads_;
    std::function<bool()> mayHaveController_;
    GamepadTiming timing_;
    QFileSystemWatcher folders_;
    QTimer timer_;
    int settleLeft_ = 0;
    bool sdlFailed_ = false;
};

}  // namespace zx
