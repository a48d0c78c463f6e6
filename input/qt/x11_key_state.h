// Whether a key is down on the keyboard right now, asked of the X server.
#pragma once

#include <cstdint>

namespace zx {

// The X server sends an auto-repeat as a release and a press with the same
// time stamp, and Qt marks it as a repeat only when both are already queued.
// The server handles the pair before any request, so asking it whether the
// key is down after a release tells a repeat from a real release. False
// where there is no X server (the key is then taken as released).
bool keyIsDown(std::uint32_t nativeScanCode);

}  // namespace zx
