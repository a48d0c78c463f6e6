// The device core: the face, the twelve timers and the module state, built
// from its collaborators. It includes nothing of the GUI.
#pragma once

#include "config/settings_store.h"
#include "device/clockwork/clock.h"
#include "device/clockwork/device_state.h"
#include "device/clockwork/random.h"
#include "device/clockwork/timers.h"
#include "display/display.h"
#include "display/face.h"
#include "game/game.h"
#include "sound/sound.h"

namespace zx {

class Device : private GameHost {
  public:
    // Registers the handlers of the timers the device owns; the game
    // registers its own.
    Device(Clock& clock, Random& random, SoundBackend& soundBackend, SettingsStore& settings);
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    Face face;
    Scheduler timers;
    DeviceState state;
    Sound snd;  // plays only while state.DeviceSoundOn
    Display vid{face};
    Game game;

    Clock& clock() { return clock_; }
    Random& random() { return random_; }

    // Mode cycle: builds the face of state.DeviceMode and starts what it runs.
    void Gam_Set_Mode() override;
    void Gam_Stop_All_Timers() override;

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

    // Every button released as far as the latches know: no button held, no
    // hero in play, no shot ready.
    void clearLatches();

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
