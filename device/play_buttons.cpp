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
    GameState& g = game.state;
    if (g.HeroActive && g.HeroPosition > 1) {
        vid.Vid_Show_Hero(g.HeroPosition, false);
        --g.HeroPosition;
        vid.Vid_Show_Hero(g.HeroPosition, true);
    }
}

void Device::Inp_left_up() {
    face.setVisible(Ctl::btn_left_down, false);
    state.KeyHeld = false;
}

void Device::Inp_right_down() {
    face.setVisible(Ctl::btn_right_down, true);
    if (state.KeyHeld) return;
    state.KeyHeld = true;
    GameState& g = game.state;
    if (g.HeroActive && g.HeroPosition < 3) {
        vid.Vid_Show_Hero(g.HeroPosition, false);
        ++g.HeroPosition;
        vid.Vid_Show_Hero(g.HeroPosition, true);
    }
}

void Device::Inp_right_up() {
    face.setVisible(Ctl::btn_right_down, false);
    state.KeyHeld = false;
}

void Device::Inp_shoot_down() {
    GameState& g = game.state;
    // Outside play the shoot buttons leave the shared latch alone.
    if (!g.HeroActive) return;
    if (state.KeyHeld) return;
    state.KeyHeld = true;
    if (!g.ShotReady) return;  // one shot in flight at a time
    g.ShotReady = false;
    snd.Snd_Play(SoundSample::Shot);
    face.setVisible(seg::shot(g.HeroPosition, 1), true);
    g.ShotColumn = g.HeroPosition;
    g.ShotStep = 1;
    timers[TimerId::Shot].setEnabled(true);
}

}  // namespace zx
