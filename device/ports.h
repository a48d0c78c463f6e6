// What the device needs from outside the core: the time of day, a random
// source, a sound back end, a settings store, and an observer of its face.
#pragma once

#include "config/settings_store.h"
#include "clockwork/clock.h"
#include "clockwork/random.h"
#include "display/face.h"
#include "sound/sound_backend.h"

namespace zx {

struct DevicePorts {
    Clock& clock;
    Random& random;
    SoundBackend& sound;
    SettingsStore& settings;
};

}  // namespace zx
