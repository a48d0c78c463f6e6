// The game controllers SDL knows, their events handed to the pad input.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "input/pad_input.h"

struct _SDL_GameController;

namespace zx {

class SdlGamepads {
  public:
    explicit SdlGamepads(PadInput& input) : input_(input) {}
    ~SdlGamepads();
    SdlGamepads(const SdlGamepads&) = delete;
    SdlGamepads& operator=(const SdlGamepads&) = delete;

    // Loads SDL and starts its game controllers, once; false when SDL or its
    // controllers cannot start. Controllers connected already are reported
    // by the next poll.
    bool start();
    bool started() const { return started_; }
    // Hands SDL's pending controller events to the input: controllers come
    // and go, their buttons and the left stick's horizontal axis move.
    void poll();
    int connected() const { return int(open_.size()); }
    // The device file of each connected controller ("" where SDL names none).
    std::vector<std::string> devicePaths() const;

  private:
    PadInput& input_;
    bool started_ = false;
    std::map<int, _SDL_GameController*> open_;  // by SDL's instance id
};

}  // namespace zx
