// Controller button names and the Pad1..Pad7 bindings.
#include "input/pad_map.h"

#include <algorithm>
#include <string>

namespace zx {

static char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

std::optional<int> padButtonOfName(std::string_view name) {
    for (int i = 0; i < kPadButtonCount; ++i) {
        const std::string_view known = kPadButtonNames[std::size_t(i)];
        if (std::ranges::equal(name, known, {}, lowerAscii)) return i;
    }
    return std::nullopt;
}

PadBindingTable loadPadBindings(const SettingsStore& store) {
    PadBindingTable bindings = kDefaultPadBindings;
    for (int n = 1; n <= kBindingCount; ++n) {
        const auto text = store.readText("Pad" + std::to_string(n));
        if (!text) continue;
        if (const auto button = padButtonOfName(*text)) bindings[std::size_t(n - 1)] = *button;
    }
    return bindings;
}

std::optional<DeviceButton> padBoundButton(const PadBindingTable& bindings, int padButton) {
    for (int i = 0; i < kBindingCount; ++i)
        if (bindings[std::size_t(i)] == padButton) return DeviceButton(i);
    return std::nullopt;
}

}  // namespace zx
