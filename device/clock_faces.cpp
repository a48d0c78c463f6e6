// The ticks that draw the local time and date on the clock faces.
#include <algorithm>

#include "device/device.h"

namespace zx {

// Two digit places from firstPlace on show value (0..99); the tens place is
// left blank for a single digit when blankTens is set.
void Device::showTwoDigits(int firstPlace, int value, bool blankTens) {
    value = std::clamp(value, 0, 99);  // a broken clock must not pick a missing glyph
    if (value >= 10 || !blankTens)
        vid_.setDigit(firstPlace, seg::bigGlyph(value / 10));
    else
        vid_.clearDigit(firstPlace);
    vid_.setDigit(firstPlace + 1, seg::bigGlyph(value % 10));
}

void Device::Timer_ClockTimer() {
    const LocalTime t = clock_.now();
    int hour = t.hour;
    const bool am = hour <= 11;
    if (!am) hour -= 12;
    face_.setVisible(Ctl::im_panel_time_am, am);
    face_.setVisible(Ctl::im_panel_time_pm, !am);
    if (hour == 0) hour = 12;
    showTwoDigits(1, hour, true);
    showTwoDigits(3, t.minute, false);
    vid_.clearDigit(5);
    timers_[TimerId::Clock].setInterval(1000);
}

void Device::Timer_DateTimer() {
    const LocalTime t = clock_.now();
    showTwoDigits(1, t.month, true);
    showTwoDigits(3, t.day, true);
    vid_.clearDigit(5);
    timers_[TimerId::Date].setInterval(1000);
}

}  // namespace zx
