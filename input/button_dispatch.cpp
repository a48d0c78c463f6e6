// Dispatch of keys and button-image clicks to the device's press operations.
#include "input/button_dispatch.h"

namespace zx {

namespace {

// What each device button does, in binding order. The shoot buttons have no
// release operation (up is null): their pressed picture and their release are
// handled here, while the other operations show and hide their own picture.
struct ButtonActions {
    Ctl image;    // the button image that takes mouse presses
    Ctl pressed;  // its pressed picture
    void (Device::*down)();
    void (Device::*up)();
};

constexpr ButtonActions kActions[kBindingCount] = {
    {Ctl::btn_game_a_top, Ctl::btn_game_a_down, &Device::Inp_game_a_down, &Device::Inp_game_a_up},
    {Ctl::btn_game_b_top, Ctl::btn_game_b_down, &Device::Inp_game_b_down, &Device::Inp_game_b_up},
    {Ctl::btn_time_top, Ctl::btn_time_down, &Device::Inp_time_down, &Device::Inp_time_up},
    {Ctl::btn_left_top, Ctl::btn_left_down, &Device::Inp_left_down, &Device::Inp_left_up},
    {Ctl::btn_right_top, Ctl::btn_right_down, &Device::Inp_right_down, &Device::Inp_right_up},
    {Ctl::btn_shoot_left_top, Ctl::btn_shoot_left_down, &Device::Inp_shoot_down, nullptr},
    {Ctl::btn_shoot_right_top, Ctl::btn_shoot_right_down, &Device::Inp_shoot_down, nullptr},
};

const ButtonActions& actionsOf(DeviceButton b) { return kActions[int(b)]; }

}  // namespace

void pressButton(Device& device, DeviceButton button) {
    const ButtonActions& a = actionsOf(button);
    if (!a.up) device.face.setVisible(a.pressed, true);
    (device.*a.down)();
}

void releaseButton(Device& device, DeviceButton button) {
    const ButtonActions& a = actionsOf(button);
    if (a.up) {
        (device.*a.up)();
        return;
    }
    // A shoot release frees the shared latch whatever set it.
    device.face.setVisible(a.pressed, false);
    device.state.KeyHeld = false;
}

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
    if (button) device.face.setVisible(actionsOf(*button).pressed, true);
    return button.has_value();
}

std::optional<DeviceButton> buttonOfImage(Ctl image) {
    for (int i = 0; i < kBindingCount; ++i)
        if (kActions[i].image == image) return DeviceButton(i);
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
