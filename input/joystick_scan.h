// Whether the system's list of input devices (Linux's /proc/bus/input/devices)
// holds one that may be a game controller: a joystick handler, or the
// buttons that only joysticks and gamepads report. Looking costs a read of a
// small text, where starting SDL's controllers costs its library.
#pragma once

#include <string_view>

namespace zx {

bool listsJoystick(std::string_view devices);

}  // namespace zx
