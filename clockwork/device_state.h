// The device's mode, its button latches and the game sound switch: the
// module state shared by the mode cycle, the play buttons and the game.
#pragma once

namespace zx {

// The device modes: what the LCD shows and what the mode buttons do.
namespace mode {
inline constexpr int Startup = 0;
inline constexpr int Time1 = 1;
inline constexpr int Time2 = 2;
inline constexpr int Alarm = 3;
inline constexpr int Date = 4;
inline constexpr int Chrono = 5;
inline constexpr int GameAReady = 6;
inline constexpr int GameBReady = 7;
inline constexpr int GameA = 8;
inline constexpr int GameB = 9;
inline constexpr int GameOver = 10;
}  // namespace mode

struct DeviceState {
    int DeviceMode = 0;
    bool KeyHeld = false;  // shared by TIME, left, right and the shoot buttons
    bool GameAHeld = false;
    bool GameBHeld = false;
    bool DeviceSoundOn = false;
};

}  // namespace zx
