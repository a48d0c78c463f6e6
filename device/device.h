// The device core: the face, the twelve timers and the module state, built
// from its ports. It includes nothing of the GUI. The front end and the
// tests reach it through this one door: the buttons, the face to read and
// its observer, the timers to drive, and a few whole-device commands.
#pragma once

#include "config/gfxinit.h"
#include "clockwork/device_state.h"
#include "clockwork/timers.h"
#include "device/device_button.h"
#include "device/ports.h"
#include "display/display.h"
#include "game/game.h"
#include "sound/sound.h"

namespace zx {

struct DeviceProbe;

class Device : private GameHost {
  public:
    // Registers the handlers of the timers the device owns; the game
    // registers its own.
    explicit Device(DevicePorts ports);
    Device(Clock& clock, Random& random, SoundBackend& soundBackend, SettingsStore& settings)
        : Device(DevicePorts{clock, random, soundBackend, settings}) {}
    Device(const Device&) = delete;
    Device& operator=(const Device&) = delete;

    // A button pressed and released. Each button shows its pressed picture
    // while down.
    void press(DeviceButton b);
    void release(DeviceButton b);
    // A held button's repeated press: its pressed picture shown again, nothing more.
    void showPressed(DeviceButton b);

    const Face& face() const { return face_; }
    void setFaceObserver(FaceObserver* observer) { face_.setObserver(observer); }
    // The front end's hand on the face: the skin's pictures and places, and
    // the in-game menu's controls.
    SkinResult loadSkin(const SkinContext& context) { return LoadSkin(face_, context); }
    void setControlPicture(Ctl c, PictureRef picture) { face_.setPicture(c, std::move(picture)); }
    void setControlRect(Ctl c, const Rect& r) { face_.setRect(c, r); }

    // The timers, for the host that brings them up to the present.
    Scheduler& timers() { return timers_; }
    const Scheduler& timers() const { return timers_; }
    const DeviceState& state() const { return state_; }
    const GameState& gameState() const { return game_.state; }

    // Builds the face of mode `m` and starts what it runs (the launch enters
    // the start-up face).
    void enterMode(int m);
    bool startSound(int soundMode) { return snd_.Snd_Init(soundMode); }
    void closeSound() { snd_.Snd_Close(); }
    void loadHiScores() { game_.loadHiScores(); }
    void resetHiScores() { game_.resetHiScores(); }
    // Every button released as far as the latches know: no button held, no
    // hero in play, no shot ready.
    void clearLatches();

  private:
    friend struct DeviceProbe;  // the test rig's view of the parts

    // Mode cycle: builds the face of state_.DeviceMode and starts what it runs.
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
    // are press's and release's, which know which of the two was used.
    void Inp_left_down();
    void Inp_left_up();
    void Inp_right_down();
    void Inp_right_up();
    void Inp_shoot_down();

    // Timer handlers of the clock and the start-up face.
    void Timer_StartupTimer();
    void Timer_ClockTimer();
    void Timer_DateTimer();

    void enterClockFace(Ctl label);
    void enterTimeFace();
    void enterReadyFace(int readyMode);
    void gameButtonDown(Ctl pressed, bool& held, int readyMode);
    void gameButtonUp(Ctl pressed, bool& held, int readyMode, int runningMode);
    void showTwoDigits(int firstPlace, int value, bool blankTens);

    struct ButtonActions;
    static const ButtonActions& actionsOf(DeviceButton b);

    Face face_;
    Scheduler timers_;
    DeviceState state_;
    Sound snd_;  // plays only while state_.DeviceSoundOn
    Display vid_{face_};
    Game game_;
    Clock& clock_;
    Random& random_;
};

}  // namespace zx
