// Whole games in virtual time: a player who aims at the enemy, from the
// release of the game button to game over. Reports games per second.
#include <benchmark/benchmark.h>

#include "config/settings_store.h"
#include "device/device.h"
#include "input/button_dispatch.h"
#include "sound/recording_backend.h"

namespace {

using namespace zx;

// Plays one game with the given seed and returns the virtual time it took.
Millis playOneGame(std::uint64_t seed, long& handlers) {
    FixedClock clock;
    SeededRandom random(seed);
    RecordingSoundBackend sound;  // sound never started: nothing is recorded
    MemorySettingsStore settings;
    Device dev(clock, random, sound, settings);
    dev.timers().setAfterTick([&](TimerId) { ++handlers; });
    dev.enterMode(mode::Time1);
    pressButton(dev, DeviceButton::GameA);
    releaseButton(dev, DeviceButton::GameA);
    SeededRandom dice(seed + 1);
    while (dev.state().DeviceMode != mode::GameOver) {
        const Millis until = dev.timers().now() + 100 + dice.next(200);
        while (auto d = dev.timers().nextDeadline()) {
            if (*d > until) break;
            dev.timers().advance_to(*d);
        }
        dev.timers().advance_to(until);
        const GameState& g = dev.gameState();
        const DeviceButton b = g.HeroPosition < g.EnemyColumn   ? DeviceButton::Right
                               : g.HeroPosition > g.EnemyColumn ? DeviceButton::Left
                                                                : DeviceButton::ShootLeft;
        pressButton(dev, b);
        releaseButton(dev, b);
    }
    return dev.timers().now();
}

void BM_WholeGameInVirtualTime(benchmark::State& state) {
    std::uint64_t seed = 1;
    long handlers = 0;
    Millis virtualMs = 0;
    for (auto _ : state) virtualMs += playOneGame(seed++, handlers);
    state.counters["games/s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["handlers/game"] = double(handlers) / double(state.iterations());
    state.counters["virtual s/game"] = double(virtualMs) / 1000.0 / double(state.iterations());
}
BENCHMARK(BM_WholeGameInVirtualTime)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
