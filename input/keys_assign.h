// The seven key bindings and AssignWord, the one place where a key number
// becomes a virtual-key code.
#pragma once

#include <array>
#include <cstdint>

#include "device/device_button.h"

namespace zx {

// One binding for each device button, in the buttons' order.
inline constexpr int kBindingCount = kDeviceButtonCount;
inline constexpr int kKeyCount = 44;

struct KeyBinding {
    std::int32_t KeyIndex = 0;     // 1..44 in the list of bindable keys
    std::uint16_t VirtualKey = 0;  // 0 matches no key
};

using KeyBindingTable = std::array<KeyBinding, kBindingCount>;

// The virtual-key code of a key number 1..44, or 0 outside that range.
std::uint16_t virtualKeyOfIndex(int keyIndex);

// Sets VirtualKey of binding n (1..7) from record's KeyIndex. A KeyIndex
// outside 1..44 leaves that VirtualKey as it was.
void AssignWord(KeyBindingTable& bindings, int n, const KeyBinding& record);

}  // namespace zx
