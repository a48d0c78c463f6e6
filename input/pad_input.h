// Game controllers to device buttons. Each controller's buttons and its left
// stick's horizontal axis are sources; a device button is held while any
// source of any controller holds it, so two controllers (or a D-pad and a
// stick) on the same button press it once and release it with the last.
#pragma once

#include <functional>
#include <map>
#include <vector>

#include "input/pad_map.h"

namespace zx {

// Stick positions run from -32768 to 32767. The stick presses beyond half its
// travel and lets go only back inside three eighths, so a stick resting near
// the edge of the dead zone does not chatter.
inline constexpr int kStickPress = 16384;
inline constexpr int kStickRelease = 12288;

class PadInput {
  public:
    // Presses (true) and releases (false) of device buttons.
    using Sink = std::function<void(DeviceButton, bool down)>;
    PadInput(const PadBindingTable& bindings, Sink sink);

    // A controller is named by any number that stays its own while connected.
    void button(int pad, int padButton, bool down);
    void stickX(int pad, int position);
    // A controller gone: what it held is released.
    void removed(int pad);

    // Off: everything held is released and presses are ignored until on
    // again (the device window is not the one the player uses).
    void setEnabled(bool on);

  private:
    static constexpr int kStickLeft = -1, kStickRight = -2;  // sources beside the buttons
    struct Held {
        int pad;
        int source;
        DeviceButton button;
    };
    void hold(int pad, int source, DeviceButton button);
    void letGo(int pad, int source);
    bool buttonHeld(DeviceButton button) const;

    PadBindingTable bindings_;
    Sink sink_;
    bool enabled_ = true;
    std::vector<Held> held_;
    std::map<int, int> stick_;  // per controller: -1 left, 0 centre, 1 right
};

}  // namespace zx
