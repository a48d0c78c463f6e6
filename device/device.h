// The device core: the face, the twelve timers and the module state, built
// from its collaborators. It includes nothing of the GUI.
#pragma once

#include "device/clock.h"
#include "device/random.h"
#include "device/timers.h"
#include "display/display.h"
#include "display/face.h"
#include "game/game_state.h"
#include "sound/sound.h"

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

// Mode, latches and the game sound flag.
struct DeviceState {
    int DeviceMode = 0;
    bool KeyHeld = false;  // shared by TIME, left, right and the shoot buttons
    bool GameAHeld = false;
    bool GameBHeld = false;
    bool DeviceSoundOn = false;
    GameState game;
};

class Device {
  public:
    // Registers the handlers of the timers the device owns.
    Device(Clock& clock, Random& random, SoundBackend& soundBackend);
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    Face face;
    Scheduler timers;
    DeviceState state;
    Display vid{face, state.game};
    Sound snd;  // plays only while state.DeviceSoundOn

    Clock& clock() { return clock_; }
    Random& random() { return random_; }

    // Mode cycle: builds the face of state.DeviceMode and starts what it runs.
    void Gam_Set_Mode();
    void Gam_Stop_All_Timers();
    void Gam_Game_Start();

    // The mode buttons.
    void Inp_time_down();
    void Inp_time_up();
    void Inp_game_a_down();
    void Inp_game_a_up();
    void Inp_game_b_down();
    void Inp_game_b_up();

    // The play buttons. The shoot buttons' pressed pictures and their release
    // belong to the input layer, which knows which of the two was used.
    void Inp_left_down();
    void Inp_left_up();
    void Inp_right_down();
    void Inp_right_up();
    void Inp_shoot_down();

    // Timer handlers of the clock and the start-up face.
    void Timer_StartupTimer();
    void Timer_ClockTimer();
    void Timer_DateTimer();

  private:
    void enterClockFace(Ctl label);
    void enterTimeFace();
    void enterReadyFace(int readyMode);
    void gameButtonDown(Ctl pressed, bool& held, int readyMode);
    void gameButtonUp(Ctl pressed, bool& held, int readyMode, int runningMode);
    void showTwoDigits(int firstPlace, int value, bool blankTens);

    Clock& clock_;
    Random& random_;
};

}  // namespace zx
