// The game controller's buttons that press the device's buttons: SDL's names
// of a controller's buttons, and the seven bindings Pad1..Pad7 of the settings.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "config/settings_store.h"
#include "input/keys_assign.h"

namespace zx {

// SDL's names of a game controller's buttons; a button's number is its place
// here, as in SDL's own list (the front end checks that they agree).
inline constexpr std::array<std::string_view, 21> kPadButtonNames = {"a",
                                                                     "b",
                                                                     "x",
                                                                     "y",
                                                                     "back",
                                                                     "guide",
                                                                     "start",
                                                                     "leftstick",
                                                                     "rightstick",
                                                                     "leftshoulder",
                                                                     "rightshoulder",
                                                                     "dpup",
                                                                     "dpdown",
                                                                     "dpleft",
                                                                     "dpright",
                                                                     "misc1",
                                                                     "paddle1",
                                                                     "paddle2",
                                                                     "paddle3",
                                                                     "paddle4",
                                                                     "touchpad"};
inline constexpr int kPadButtonCount = int(kPadButtonNames.size());

namespace pad {
inline constexpr int a = 0, b = 1, y = 3, back = 4, start = 6, dpleft = 13, dpright = 14;
}  // namespace pad

// The button number of a name (ASCII case does not matter, as in SDL); none
// for a name SDL does not know.
std::optional<int> padButtonOfName(std::string_view name);

// The controller button of each device button, in binding order: Start is
// game A, the north face button game B, Back is TIME, the D-pad moves, and
// the south and east face buttons shoot.
using PadBindingTable = std::array<int, kBindingCount>;
inline constexpr PadBindingTable kDefaultPadBindings = {
    pad::start, pad::y, pad::back, pad::dpleft, pad::dpright, pad::a, pad::b};

// Reads Pad1..Pad7; a missing value or an unknown name keeps that button's
// default. Nothing is written, so the settings stay as they were.
PadBindingTable loadPadBindings(const SettingsStore& store);

// The device button a controller button presses: the first binding in order
// 1..7 that names it.
std::optional<DeviceButton> padBoundButton(const PadBindingTable& bindings, int padButton);

}  // namespace zx
