// Virtual joysticks attached to SDL and polled through the program's code.
#include "tests/rig/virtual_pads.h"

#include <SDL.h>

namespace zx::testing {

namespace {

// The device index of an attached joystick now: indices shift as others go.
int deviceIndexOf(SDL_Joystick* joystick) {
    const SDL_JoystickID id = SDL_JoystickInstanceID(joystick);
    for (int i = 0; i < SDL_NumJoysticks(); ++i)
        if (SDL_JoystickGetDeviceInstanceID(i) == id) return i;
    return -1;
}

}  // namespace

VirtualPads::VirtualPads(PadInput& input) : gamepads_(std::make_unique<SdlGamepads>(input)) {
    gamepads_->start();
    poll();
}

bool VirtualPads::ok() const { return SDL_WasInit(SDL_INIT_GAMECONTROLLER) != 0; }

void VirtualPads::poll() {
    if (gamepads_) gamepads_->poll();
}

VirtualPads::~VirtualPads() {
    while (!pads_.empty()) unplug(pads_.begin()->first);
}

bool VirtualPads::plug(int n) {
    if (!ok() || pads_.contains(n)) return false;
    SDL_VirtualJoystickDesc desc;
    SDL_zero(desc);
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    // Every button and axis, so that joystick and controller numbers agree.
    desc.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
    desc.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
    desc.name = "test controller";
    const int index = SDL_JoystickAttachVirtualEx(&desc);
    if (index < 0) return false;
    SDL_Joystick* joystick = SDL_JoystickOpen(index);
    if (!joystick) return false;
    pads_[n] = joystick;
    poll();
    return true;
}

void VirtualPads::unplug(int n) {
    const auto it = pads_.find(n);
    if (it == pads_.end()) return;
    const int index = deviceIndexOf(it->second);
    SDL_JoystickClose(it->second);
    pads_.erase(it);
    if (index >= 0) SDL_JoystickDetachVirtual(index);
    poll();
}

void VirtualPads::button(int n, int padButton, bool down) {
    if (!pads_.contains(n)) return;
    SDL_JoystickSetVirtualButton(pads_.at(n), padButton, down ? 1 : 0);
    poll();
}

void VirtualPads::stick(int n, int position) {
    if (!pads_.contains(n)) return;
    SDL_JoystickSetVirtualAxis(pads_.at(n), SDL_CONTROLLER_AXIS_LEFTX, Sint16(position));
    poll();
}

}  // namespace zx::testing
