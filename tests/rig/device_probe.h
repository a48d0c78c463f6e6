// The tests' view of the device's private parts: the state to set up a case
// and the operations the door does not offer.
#pragma once

#include "device/device.h"

namespace zx {

struct DeviceProbe {
    static DeviceState& state(Device& d) { return d.state_; }
    static GameState& game(Device& d) { return d.game_.state; }
    static Face& face(Device& d) { return d.face_; }
    static Sound& snd(Device& d) { return d.snd_; }
    static Display& vid(Device& d) { return d.vid_; }
    static void setMode(Device& d) { d.Gam_Set_Mode(); }
    static void startupTick(Device& d) { d.Timer_StartupTimer(); }
};

}  // namespace zx
