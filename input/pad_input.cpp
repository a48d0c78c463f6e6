// Controller sources held and let go, with the stick's dead zone.
#include "input/pad_input.h"

#include <algorithm>

namespace zx {

PadInput::PadInput(const PadBindingTable& bindings, Sink sink)
    : bindings_(bindings), sink_(std::move(sink)) {}

bool PadInput::buttonHeld(DeviceButton button) const {
    return std::ranges::any_of(held_, [&](const Held& h) { return h.button == button; });
}

void PadInput::hold(int pad, int source, DeviceButton button) {
    if (!enabled_) return;
    for (const Held& h : held_)
        if (h.pad == pad && h.source == source) return;
    const bool first = !buttonHeld(button);
    held_.push_back({pad, source, button});
    if (first) sink_(button, true);
}

void PadInput::letGo(int pad, int source) {
    const auto it = std::ranges::find_if(
        held_, [&](const Held& h) { return h.pad == pad && h.source == source; });
    if (it == held_.end()) return;
    const DeviceButton button = it->button;
    held_.erase(it);
    if (!buttonHeld(button)) sink_(button, false);
}

void PadInput::button(int pad, int padButton, bool down) {
    const auto bound = padBoundButton(bindings_, padButton);
    if (!bound) return;
    if (down)
        hold(pad, padButton, *bound);
    else
        letGo(pad, padButton);
}

void PadInput::stickX(int pad, int position) {
    int& side = stick_[pad];
    int now = side;
    if (side < 0 && position > -kStickRelease) now = 0;
    if (side > 0 && position < kStickRelease) now = 0;
    if (position <= -kStickPress) now = -1;
    if (position >= kStickPress) now = 1;
    if (now == side) return;
    if (side < 0) letGo(pad, kStickLeft);
    if (side > 0) letGo(pad, kStickRight);
    side = now;
    if (now < 0) hold(pad, kStickLeft, DeviceButton::Left);
    if (now > 0) hold(pad, kStickRight, DeviceButton::Right);
}

void PadInput::removed(int pad) {
    stick_.erase(pad);
    std::vector<int> sources;
    for (const Held& h : held_)
        if (h.pad == pad) sources.push_back(h.source);
    for (int source : sources) letGo(pad, source);
}

void PadInput::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    if (on) return;
    while (!held_.empty()) letGo(held_.back().pad, held_.back().source);
}

}  // namespace zx
