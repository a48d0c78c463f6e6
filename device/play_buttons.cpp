// Left, right and shoot: the buttons that steer the hero and fire.
#include "device/device.h"

namespace zx {

namespace {
bool isReadyMode(int m) { return m == mode::GameAReady || m == mode::GameBReady; }
}  // namespace

void Device::Inp_left_down() {
    face_.setVisible(Ctl::btn_left_down, true);
    if (state_.KeyHeld) return;
    state_.KeyHeld = true;
    // Left on a ready face is the only way to play the next game silently.
    if (isReadyMode(state_.DeviceMode)) {
        state_.DeviceSoundOn = false;
        face_.setVisible(Ctl::im_panel_sound, false);
    }
    game_.moveHero(-1);
}

void Device::Inp_left_up() {
    face_.setVisible(Ctl::btn_left_down, false);
    state_.KeyHeld = false;
}

void Device::Inp_right_down() {
    face_.setVisible(Ctl::btn_right_down, true);
    if (state_.KeyHeld) return;
    state_.KeyHeld = true;
    game_.moveHero(+1);
}

void Device::Inp_right_up() {
    face_.setVisible(Ctl::btn_right_down, false);
    state_.KeyHeld = false;
}

void Device::Inp_shoot_down() {
    // Outside play the shoot buttons leave the shared latch alone.
    if (!game_.heroActive()) return;
    if (state_.KeyHeld) return;
    state_.KeyHeld = true;
    game_.fire();
}

void Device::clearLatches() {
    state_.KeyHeld = state_.GameAHeld = state_.GameBHeld = false;
    game_.disarmHero();
}

}  // namespace zx
