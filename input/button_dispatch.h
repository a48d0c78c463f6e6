// Keys and mouse presses of the device window turned into device buttons.
#pragma once

#include <cstdint>
#include <optional>

#include "device/device.h"
#include "input/keys_assign.h"

namespace zx {

enum class MouseButton { Left, Right, Middle, Other };

// The press and release of one device button.
void pressButton(Device& device, DeviceButton button);
void releaseButton(Device& device, DeviceButton button);

// The button a key code presses: the first binding in order 1..7 with that
// code. Code 0 (a key without a code) is never bound.
std::optional<DeviceButton> boundButton(const KeyBindingTable& bindings, std::uint16_t vk);

// The window's key handlers; modifier state plays no part. They return
// whether a binding took the key.
bool FormKeyDown(Device& device, const KeyBindingTable& bindings, std::uint16_t vk);
bool FormKeyUp(Device& device, const KeyBindingTable& bindings, std::uint16_t vk);
// A held key's repeated press only shows the bound button pressed again.
bool FormKeyRepeat(Device& device, const KeyBindingTable& bindings, std::uint16_t vk);

// The device button of a button image (btn_..._top), if it is one.
std::optional<DeviceButton> buttonOfImage(Ctl image);

// Mouse handlers of the seven button images: only the left button presses.
// The window delivers the release to the image that took the press. They
// return whether the event pressed or released a device button.
bool buttonImageMouseDown(Device& device, Ctl image, MouseButton mouse);
bool buttonImageMouseUp(Device& device, Ctl image, MouseButton mouse);

}  // namespace zx
