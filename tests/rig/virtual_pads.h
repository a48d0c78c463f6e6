// Game controllers for tests: SDL's virtual joysticks, each with every
// controller button and axis. Given a pad input, they are read through the
// program's own SDL code into it, every change polled at once, as the running
// program would poll it a few milliseconds later; without, something else
// that has started SDL's controllers polls them.
#pragma once

#include <map>
#include <memory>

#include "input/pad_input.h"
#include "input/sdl/sdl_gamepads.h"

struct _SDL_Joystick;

namespace zx::testing {

class VirtualPads {
  public:
    explicit VirtualPads(PadInput& input);  // starts SDL's controllers
    VirtualPads() = default;
    ~VirtualPads();
    VirtualPads(const VirtualPads&) = delete;
    VirtualPads& operator=(const VirtualPads&) = delete;

    // Whether SDL's controllers started; nothing else works without.
    bool ok() const;
    // Controller n (any number the test likes) connected and gone.
    bool plug(int n);
    void unplug(int n);
    void button(int n, int padButton, bool down);
    void stick(int n, int position);
    SdlGamepads& gamepads() { return *gamepads_; }

  private:
    void poll();

    std::unique_ptr<SdlGamepads> gamepads_;  // the own reader, if any
    std::map<int, _SDL_Joystick*> pads_;
};

}  // namespace zx::testing
