// Left, right and shoot: the buttons that steer the hero and fire.
#include "device/device.h"

namespace zx {

namespace {
bool isReadyMode(int m) { return m == mode::GameAReady || m == mode::GameBReady; }
}  // namespace

void Device::Inp_left_down() {
    face.setVisible(Ctl::btn_left_down, true);
    if (state.KeyHeld) return;
    state.KeyHeld = true;
    // Left on a ready face is the only way to play the next game silently.
    if (isReadyMode(state.DeviceMode)) {
        state.DeviceSoundOn = false;
        face.setVisible(Ctl::im_panel_sound, false);
    }
    game.moveHero(-1);
}

void Device::Inp_left_up() {
    face.setVisible(Ctl::btn_left_down, false);
    state.KeyHeld = false;
}

void Device::Inp_right_down() {
    face.setVisible(Ctl::btn_right_down, true);
    if (state.KeyHeld) return;
    state.KeyHeld = true;
    game.moveHero(+1);
}

void Device::Inp_right_up() {
    face.setVisible(Ctl::btn_right_down, false);
    state.KeyHeld = false;
}

void Device::Inp_shoot_down() {
    // Outside play the shoot buttons leave the shared latch alone.
    if (!game.heroActive()) return;
    if (state.KeyHeld) return;
    state.KeyHeld = true;
    game.fire();
}

void Device::clearLatches() {
    state.KeyHeld = state.GameAHeld = state.GameBHeld = false;
    game.disarmHero();
}

}  // namespace zx
