// Dispatch of keys and button-image clicks to the device's buttons.
#include "input/button_dispatch.h"

namespace zx {

namespace {

// The button image that takes mouse presses, for each button in binding order.
constexpr Ctl kImages[kBindingCount] = {
    Ctl::btn_game_a_top, Ctl::btn_game_b_top,     Ctl::btn_time_top,       Ctl::btn_left_top,
    Ctl::btn_right_top,  Ctl::btn_shoot_left_top, Ctl::btn_shoot_right_top};

}  // namespace

void pressButton(Device& device, DeviceButton button) { device.press(button); }
void releaseButton(Device& device, DeviceButton button) { device.release(button); }

std::optional<DeviceButton> boundButton(const KeyBindingTable& bindings, std::uint16_t vk) {
    if (vk == 0) return std::nullopt;
    for (int i = 0; i < kBindingCount; ++i)
        if (bindings[std::size_t(i)].VirtualKey == vk) return DeviceButton(i);
    return std::nullopt;
}

bool FormKeyDown(Device& device, const KeyBindingTable& bindings, std::uint16_t vk) {
    const auto button = boundButton(bindings, vk);
    if (button) pressButton(device, *button);
    return button.has_value();
}

bool FormKeyUp(Device& device, const KeyBindingTable& bindings, std::uint16_t vk) {
    const auto button = boundButton(bindings, vk);
    if (button) releaseButton(device, *button);
    return button.has_value();
}

bool FormKeyRepeat(Device& device, const KeyBindingTable& bindings, std::uint16_t vk) {
    const auto button = boundButton(bindings, vk);
    if (button) device.showPressed(*button);
    return button.has_value();
}

std::optional<DeviceButton> buttonOfImage(Ctl image) {
    for (int i = 0; i < kBindingCount; ++i)
        if (kImages[i] == image) return DeviceButton(i);
    return std::nullopt;
}

bool buttonImageMouseDown(Device& device, Ctl image, MouseButton mouse) {
    const auto button = buttonOfImage(image);
    if (!button || mouse != MouseButton::Left) return false;
    pressButton(device, *button);
    return true;
}

bool buttonImageMouseUp(Device& device, Ctl image, MouseButton mouse) {
    const auto button = buttonOfImage(image);
    if (!button || mouse != MouseButton::Left) return false;
    releaseButton(device, *button);
    return true;
}

}  // namespace zx
