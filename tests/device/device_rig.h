// A device on a fixed clock, stepped through virtual time deadline by deadline.
#pragma once

#include <memory>
#include <string>

#include "device/device.h"
#include "sound/recording_backend.h"

namespace zx::testing {

struct Rig {
    FixedClock clock;
    SeededRandom random{7};
    RecordingSoundBackend sound;
    Device dev{clock, random, sound};

    Rig() {
        // Each glyph holder gets its own picture, so a digit slot tells its digit.
        for (int d = 0; d <= 9; ++d) {
            dev.face.setPicture(seg::bigGlyph(d), std::make_shared<Picture>());
            dev.face.setPicture(seg::smallGlyph(d), std::make_shared<Picture>());
        }
        dev.Gam_Set_Mode();  // the start-up face, as the launch builds it
    }
    void at(int hour, int minute, int month = 1, int day = 1) {
        clock.set({2024, month, day, hour, minute, 0});
    }
    void run(Millis ms) {
        const Millis end = dev.timers.now() + ms;
        while (auto d = dev.timers.nextDeadline()) {
            if (*d > end) break;
            dev.timers.advance_to(*d);
        }
        dev.timers.advance_to(end);
    }
    void enter(int m) {
        dev.state.DeviceMode = m;
        dev.Gam_Set_Mode();
    }
    int mode() const { return dev.state.DeviceMode; }
    bool on(Ctl c) const { return dev.face[c].visible; }
    bool running(TimerId id) const { return dev.timers[id].enabled(); }
    // The five digit places: a digit ('s' before a small one), '_' for blank.
    std::string digits() const {
        std::string out;
        for (int place = 1; place <= 5; ++place) {
            const PictureRef& p = dev.face[seg::digitSlot(place)].picture;
            char c = '_';
            for (int d = 0; d <= 9; ++d) {
                if (p && p == dev.face[seg::bigGlyph(d)].picture) c = char('0' + d);
                if (p && p == dev.face[seg::smallGlyph(d)].picture) c = (out += 's', char('0' + d));
            }
            out += c;
        }
        return out;
    }
};

}  // namespace zx::testing
