// The device test rig.
#include "tests/rig/device_rig.h"

#include <algorithm>

namespace zx::testing {

int ScriptedRandom::next(int n) {
    if (script.empty()) {
        unscripted.push_back(n);
        return fallback_.next(n);
    }
    const Draw d = script.front();
    script.pop_front();
    if (d.range != n)
        wrongRanges.push_back("next(" + std::to_string(n) + ") took " + std::to_string(d.value) +
                              "/" + std::to_string(d.range));
    // Never out of the range asked for, even when the script is wrong.
    return n <= 1 ? 0 : std::clamp(d.value, 0, n - 1);
}

std::optional<std::string> RecordingSettingsStore::readText(const std::string& name) const {
    const auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
}

void RecordingSettingsStore::writeText(const std::string& name, const std::string& text) {
    values[name] = text;
    writes.push_back(name + "=" + text);
}

Rig::Rig() {
    giveGlyphsPictures(DeviceProbe::face(dev));
    keys.load(settings);
    DeviceProbe::setMode(dev);
}

void Rig::runTo(Millis t) {
    while (auto d = dev.timers().nextDeadline()) {
        if (*d > t) break;
        dev.timers().advance_to(*d);
    }
    dev.timers().advance_to(t);
}

std::vector<std::string> Rig::takePlays() {
    static const std::string kPlay = "play(";
    std::vector<std::string> out;
    for (; playsSeen_ < sound.calls.size(); ++playsSeen_) {
        const std::string& call = sound.calls[playsSeen_];
        if (call.rfind(kPlay, 0) != 0) continue;
        // "play(Sound/Enemy.wav)" -> "Enemy"
        const auto slash = call.find('/');
        const auto dot = call.find(".wav");
        out.push_back(slash == std::string::npos || dot == std::string::npos
                          ? call
                          : call.substr(slash + 1, dot - slash - 1));
    }
    return out;
}

}  // namespace zx::testing
