// Reading the kernel's list of input devices.
#include "input/joystick_scan.h"

#include <cstdint>
#include <vector>

namespace zx {

namespace {

// The joystick buttons (BTN_TRIGGER 0x120 to BTN_DEAD 0x12f) and the gamepad
// buttons (BTN_SOUTH 0x130 to BTN_THUMBR 0x13e) of the key bitmap.
constexpr int kFirstStickButton = 0x120, kLastStickButton = 0x13e;

std::string_view valueOf(std::string_view line, std::string_view prefix) {
    return line.starts_with(prefix) ? line.substr(prefix.size()) : std::string_view{};
}

// The "B: KEY=" bitmap: hexadecimal words of 64 bits, the highest first.
bool hasStickButton(std::string_view bitmap) {
    std::vector<std::uint64_t> words;
    std::uint64_t word = 0;
    bool inWord = false;
    for (char c : bitmap) {
        int digit = -1;
        if (c >= '0' && c <= '9') digit = c - '0';
        if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
        if (digit >= 0) {
            word = word << 4 | std::uint64_t(digit);
            inWord = true;
        } else if (inWord) {
            words.push_back(word);
            word = 0;
            inWord = false;
        }
    }
    if (inWord) words.push_back(word);
    for (int bit = kFirstStickButton; bit <= kLastStickButton; ++bit) {
        const std::size_t fromEnd = std::size_t(bit / 64);
        if (fromEnd < words.size() && (words[words.size() - 1 - fromEnd] >> (bit % 64) & 1))
            return true;
    }
    return false;
}

bool hasJoystickHandler(std::string_view handlers) {
    for (std::size_t at = 0; (at = handlers.find("js", at)) != std::string_view::npos; at += 2) {
        const bool wordStart = at == 0 || handlers[at - 1] == ' ' || handlers[at - 1] == '=';
        const bool digit =
            at + 2 < handlers.size() && handlers[at + 2] >= '0' && handlers[at + 2] <= '9';
        if (wordStart && digit) return true;
    }
    return false;
}

}  // namespace

bool listsJoystick(std::string_view devices) {
    while (!devices.empty()) {
        const std::size_t end = devices.find('\n');
        const std::string_view line = devices.substr(0, end);
        devices = end == std::string_view::npos ? std::string_view{} : devices.substr(end + 1);
        if (hasJoystickHandler(valueOf(line, "H: Handlers="))) return true;
        if (hasStickButton(valueOf(line, "B: KEY="))) return true;
    }
    return false;
}

}  // namespace zx
