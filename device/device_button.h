// The device's seven buttons.
#pragma once

namespace zx {

// In binding order (key binding n is entry n - 1).
enum class DeviceButton : int { GameA, GameB, Time, Left, Right, ShootLeft, ShootRight };
inline constexpr int kDeviceButtonCount = 7;

}  // namespace zx
