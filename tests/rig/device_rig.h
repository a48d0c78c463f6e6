// The one test rig of the device core: a device on a fixed clock, a scripted
// random source, a recording sound back end and settings in memory, stepped
// through virtual time deadline by deadline.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "config/settings_store.h"
#include "device/device.h"
#include "input/button_dispatch.h"
#include "input/key_map.h"
#include "sound/recording_backend.h"
#include "tests/rig/device_probe.h"
#include "tests/rig/lcd_text.h"

namespace zx::testing {

// Random draws a test lists in order, each with the range it is meant for;
// once they run out, draws come from a fixed seed and are counted, so that a
// scenario can insist on its script.
class ScriptedRandom final : public Random {
  public:
    struct Draw {
        int value;
        int range;  // the n of the next(n) that is to take it
    };
    std::deque<Draw> script;
    std::vector<int> unscripted;  // the n of each draw the script did not hold
    // "next(4) took 2/3": each scripted draw asked for with another range.
    std::vector<std::string> wrongRanges;
    int next(int n) override;
    void reseed(std::uint64_t seed) { fallback_ = SeededRandom(seed); }

  private:
    SeededRandom fallback_{7};
};

// Settings in memory that also keep the order of the writes.
class RecordingSettingsStore final : public SettingsStore {
  public:
    std::map<std::string, std::string> values;
    std::vector<std::string> writes;  // "HiScore1=230"
    std::optional<std::string> readText(const std::string& name) const override;
    void writeText(const std::string& name, const std::string& text) override;
};

struct Rig {
    FixedClock clock;
    ScriptedRandom random;
    RecordingSoundBackend sound;
    RecordingSettingsStore settings;
    Device dev{clock, random, sound, settings};
    KeyMap keys;

    Rig();  // the start-up face, as the launch builds it; default key map
    void at(int hour, int minute, int month = 1, int day = 1) {
        clock.set({2024, month, day, hour, minute, 0});
    }
    // Every tick due in the next ms milliseconds, or up to the time t.
    void run(Millis ms) { runTo(dev.timers().now() + ms); }
    void runTo(Millis t);
    void enter(int m) { dev.enterMode(m); }
    void press(DeviceButton b) { pressButton(dev, b); }
    void release(DeviceButton b) { releaseButton(dev, b); }
    // Starts sound on the recording back end, so that plays are recorded.
    void soundOn() { dev.startSound(kSoundModeDirectSound); }
    // The samples played since the last call, by name ("Enemy", "Shot").
    std::vector<std::string> takePlays();

    int mode() const { return dev.state().DeviceMode; }
    GameState& game() { return DeviceProbe::game(dev); }
    bool on(Ctl c) const { return dev.face()[c].visible; }
    bool running(TimerId id) const { return dev.timers()[id].enabled(); }
    std::string digits() const { return lcdFields(dev.face()).at("digits"); }

  private:
    std::size_t playsSeen_ = 0;
};

}  // namespace zx::testing
