// The device modes: the face of each mode and the three mode buttons.
#include "device/device.h"

namespace zx {

namespace {
bool isClockMode(int m) { return m >= mode::Startup && m <= mode::Chrono; }
}  // namespace

void Device::Gam_Set_Mode() {
    switch (state_.DeviceMode) {
        case mode::Startup:
            vid_.Vid_Show_All(true);
            timers_[TimerId::Startup].setInterval(30000);
            timers_[TimerId::Startup].setEnabled(true);
            break;
        case mode::Time1:
            enterTimeFace();
            break;
        case mode::Time2:
            // Same clock as mode 1, which keeps running: only the label changes.
            face_.setVisible(Ctl::im_panel_time_1, false);
            face_.setVisible(Ctl::im_panel_time_2, true);
            break;
        case mode::Alarm:
            enterClockFace(Ctl::im_panel_alarm);
            face_.setVisible(Ctl::im_panel_time_am, true);
            vid_.Vid_Show_Panel_Score(1200, true);
            break;
        case mode::Date:
            enterClockFace(Ctl::im_panel_date);
            // The first tick draws the date at once and then settles on a second.
            timers_[TimerId::Date].setInterval(1);
            timers_[TimerId::Date].setEnabled(true);
            break;
        case mode::Chrono:
            enterClockFace(Ctl::im_panel_chrono);
            for (int place = 1; place <= 4; ++place) vid_.setDigit(place, seg::bigGlyph(0));
            vid_.setDigit(5, seg::smallGlyph(0));
            break;
        case mode::GameAReady:
        case mode::GameBReady:
            enterReadyFace(state_.DeviceMode);
            break;
        case mode::GameA:
        case mode::GameB:
            // The ready face stays on the LCD while the game starts.
            game_.Gam_Game_Start();
            break;
        default:
            // Game over is only ever set by the game itself; nothing to build.
            break;
    }
}

// A blank LCD with the face's label and the colon, nothing running.
void Device::enterClockFace(Ctl label) {
    Gam_Stop_All_Timers();
    vid_.Vid_Show_All(false);
    face_.setVisible(label, true);
    face_.setVisible(Ctl::im_panel_time_colon, true);
}

void Device::enterTimeFace() {
    enterClockFace(Ctl::im_panel_time_1);
    // The first tick draws the time at once and then settles on a second.
    timers_[TimerId::Clock].setInterval(1);
    timers_[TimerId::Clock].setEnabled(true);
}

void Device::enterReadyFace(int readyMode) {
    Gam_Stop_All_Timers();
    game_.showReadyFace(readyMode == mode::GameAReady);
    state_.DeviceSoundOn = true;
    face_.setVisible(Ctl::im_panel_sound, true);
}

void Device::Inp_time_down() {
    face_.setVisible(Ctl::btn_time_down, true);
    if (state_.KeyHeld) return;
    state_.KeyHeld = true;
    int& m = state_.DeviceMode;
    if (isClockMode(m) || m == mode::GameOver) {
        m = m + 1 > mode::Chrono ? mode::Time1 : m + 1;
        Gam_Set_Mode();
    }
}

void Device::Inp_time_up() {
    face_.setVisible(Ctl::btn_time_down, false);
    state_.KeyHeld = false;
}

void Device::gameButtonDown(Ctl pressed, bool& held, int readyMode) {
    face_.setVisible(pressed, true);
    if (held) return;
    held = true;
    int& m = state_.DeviceMode;
    if (m == mode::Startup) {
        // A game button leaves the start-up face for the time face, not a game_.
        m = mode::Time1;
        Gam_Set_Mode();
    } else if (isClockMode(m) || m == mode::GameOver) {
        m = readyMode;
        Gam_Set_Mode();
    }
}

void Device::gameButtonUp(Ctl pressed, bool& held, int readyMode, int runningMode) {
    face_.setVisible(pressed, false);
    held = false;
    // A game starts when its button is released, not when it is pressed.
    if (state_.DeviceMode == readyMode) {
        state_.DeviceMode = runningMode;
        Gam_Set_Mode();
    }
}

void Device::Inp_game_a_down() {
    gameButtonDown(Ctl::btn_game_a_down, state_.GameAHeld, mode::GameAReady);
}
void Device::Inp_game_a_up() {
    gameButtonUp(Ctl::btn_game_a_down, state_.GameAHeld, mode::GameAReady, mode::GameA);
}
void Device::Inp_game_b_down() {
    gameButtonDown(Ctl::btn_game_b_down, state_.GameBHeld, mode::GameBReady);
}
void Device::Inp_game_b_up() {
    gameButtonUp(Ctl::btn_game_b_down, state_.GameBHeld, mode::GameBReady, mode::GameB);
}

void Device::Timer_StartupTimer() {
    // The start-up face may already have been left by a button; a late tick
    // must not pull the device back to the time face_.
    if (state_.DeviceMode == mode::Startup) {
        state_.DeviceMode = mode::Time1;
        Gam_Set_Mode();
    }
    timers_[TimerId::Startup].setEnabled(false);
}

}  // namespace zx
