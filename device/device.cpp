// Construction of the device and the routine that stops all of its timers.
#include "device/device.h"

namespace zx {

Device::Device(Clock& clock, Random& random, SoundBackend& soundBackend, SettingsStore& settings)
    : snd(soundBackend, state.DeviceSoundOn),
      game({face, vid, snd, timers, random, settings, state, *this}),
      clock_(clock),
      random_(random) {
    // The device is neither copied nor moved, so the handlers may keep `this`.
    timers.setHandler(TimerId::Startup, [this] { Timer_StartupTimer(); });
    timers.setHandler(TimerId::Clock, [this] { Timer_ClockTimer(); });
    timers.setHandler(TimerId::Date, [this] { Timer_DateTimer(); });
}

void Device::Gam_Stop_All_Timers() {
    // A fixed order, so that a host watching the timers sees the same sequence
    // every time; intervals are kept for the next enabling.
    static constexpr TimerId kOrder[kTimerCount] = {
        TimerId::Bonus,        TimerId::Clock,      TimerId::Date,      TimerId::Enemy_Attack,
        TimerId::Enemy_Helper, TimerId::Enemy_Move, TimerId::Game_Over, TimerId::Game_Start,
        TimerId::Hit,          TimerId::Miss,       TimerId::Shot,      TimerId::Startup};
    for (TimerId id : kOrder) timers[id].setEnabled(false);
}

}  // namespace zx
