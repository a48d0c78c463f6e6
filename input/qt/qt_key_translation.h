// Qt key events turned into the virtual-key codes the key map compares.
#pragma once

#include <cstdint>
#include <optional>

class QKeyEvent;

namespace zx {

// The Windows virtual-key code of the key, or 0 for a key the device has no
// code for. Digit-row keys give 48..57 whatever Shift does to their symbol;
// keypad digits give 96..105, so they never match a digit binding.
std::uint16_t virtualKeyOf(const QKeyEvent& event);

// Auto-repeat releases are dropped: a held key repeats its press, and only
// the real release ends it (X11 sends release+press pairs while a key is held).
bool isDroppedAutoRepeat(const QKeyEvent& event);

// The code to hand to the key handlers, or nothing for a dropped or
// untranslatable event.
std::optional<std::uint16_t> deviceKeyOf(const QKeyEvent& event);

}  // namespace zx
