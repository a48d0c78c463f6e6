// Looks for game controllers at no cost while there are none: the folder of
// input devices is watched (the system tells of a change, nothing polls), and
// SDL is loaded only once the system lists a device that may be a controller.
// A connected controller's device file wakes the program when it has news;
// SDL is read then. A controller without a device file to follow (SDL's
// virtual ones, other systems) is polled 60 times a second. After the
// folder changes, SDL is read for a few seconds (the system needs a moment to
// make a new device usable).
#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <functional>

#include "input/sdl/device_activity.h"
#include "input/sdl/sdl_gamepads.h"

namespace zx {

// Whether this system may have a game controller now: on Linux, the kernel's
// list of input devices holds one; elsewhere, always.
bool systemMayHaveController();

struct GamepadTiming {
    // A controller without a file to follow is polled at 60 Hz, a screen
    // frame; a followed one that reports without pause is read as often at
    // most (one at rest is never read; its first press is read at once).
    // Each wake-up costs tens of microseconds on a small machine: at this
    // rate the polling stays under 1 % of a core.
    int pollMs = 16;
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
    int followedDevices() const { return activity_.followed(); }
    // Where the connected controllers' device files are; SDL's by default.
    void setDevicePaths(std::function<std::vector<std::string>()> paths) {
        devicePaths_ = std::move(paths);
    }

  private:
    void tick();
    // Reads SDL and follows the controllers' files; whether a controller
    // must be polled.
    bool read();
    bool sdlStarted();

    SdlGamepads pads_;
    std::function<bool()> mayHaveController_;
    GamepadTiming timing_;
    QFileSystemWatcher folders_;
    QTimer timer_;
    std::function<std::vector<std::string>()> devicePaths_;
    DeviceActivity activity_;
    int settleLeft_ = 0;
    bool sdlFailed_ = false;
};

}  // namespace zx
