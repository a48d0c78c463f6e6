// Construction of the device, its buttons, and the routine that stops all
// of its timers.
#include "device/device.h"

namespace zx {

// What each button does, in binding order. The shoot buttons have no release
// operation (up is null): their pressed picture and their release are
// handled by press and release, while the other operations show and hide
// their own picture.
struct Device::ButtonActions {
    Ctl pressed;  // the pressed picture
    void (Device::*down)();
    void (Device::*up)();
};

const Device::ButtonActions& Device::actionsOf(DeviceButton b) {
    static constexpr ButtonActions kActions[kDeviceButtonCount] = {
        {Ctl::btn_game_a_down, &Device::Inp_game_a_down, &Device::Inp_game_a_up},
        {Ctl::btn_game_b_down, &Device::Inp_game_b_down, &Device::Inp_game_b_up},
        {Ctl::btn_time_down, &Device::Inp_time_down, &Device::Inp_time_up},
        {Ctl::btn_left_down, &Device::Inp_left_down, &Device::Inp_left_up},
        {Ctl::btn_right_down, &Device::Inp_right_down, &Device::Inp_right_up},
        {Ctl::btn_shoot_left_down, &Device::Inp_shoot_down, nullptr},
        {Ctl::btn_shoot_right_down, &Device::Inp_shoot_down, nullptr},
    };
    return kActions[int(b)];
}

Device::Device(DevicePorts ports)
    : snd_(ports.sound, state_.DeviceSoundOn),
      game_({face_, vid_, snd_, timers_, ports.random, ports.settings, state_, *this}),
      clock_(ports.clock),
      random_(ports.random) {
    // The device is neither copied nor moved, so the handlers may keep `this`.
    timers_.setHandler(TimerId::Startup, [this] { Timer_StartupTimer(); });
    timers_.setHandler(TimerId::Clock, [this] { Timer_ClockTimer(); });
    timers_.setHandler(TimerId::Date, [this] { Timer_DateTimer(); });
}

void Device::press(DeviceButton b) {
    const ButtonActions& a = actionsOf(b);
    if (!a.up) face_.setVisible(a.pressed, true);
    (this->*a.down)();
}

void Device::release(DeviceButton b) {
    const ButtonActions& a = actionsOf(b);
    if (a.up) {
        (this->*a.up)();
        return;
    }
    // A shoot release frees the shared latch whatever set it.
    face_.setVisible(a.pressed, false);
    state_.KeyHeld = false;
}

void Device::showPressed(DeviceButton b) { face_.setVisible(actionsOf(b).pressed, true); }

void Device::enterMode(int m) {
    state_.DeviceMode = m;
    Gam_Set_Mode();
}

void Device::Gam_Stop_All_Timers() {
    // A fixed order, so that a host watching the timers sees the same sequence
    // every time; intervals are kept for the next enabling.
    static constexpr TimerId kOrder[kTimerCount] = {
        TimerId::Bonus,        TimerId::Clock,      TimerId::Date,      TimerId::Enemy_Attack,
        TimerId::Enemy_Helper, TimerId::Enemy_Move, TimerId::Game_Over, TimerId::Game_Start,
        TimerId::Hit,          TimerId::Miss,       TimerId::Shot,      TimerId::Startup};
    for (TimerId id : kOrder) timers_[id].setEnabled(false);
}

}  // namespace zx
