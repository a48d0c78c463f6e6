// How late a sample starts: on an output that stayed open, and on one closed
// for quiet and reopened by the sound (the sound back end's resume: open the
// device, start a voice), on SDL's silent "dummy" output. The output is the
// back end's: a mono 16-bit device at 22050 Hz whose callback mixes the
// voices. The start is the first mixing pass that includes the sample.
// Usage: sound_latency_bench [runs]
#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <vector>

#include "sound/voice_mixer.h"

namespace {

using Clock = std::chrono::steady_clock;
std::atomic<long long> gFirstMix{0};
zx::VoiceMixer gVoices(64);

long long nowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

void mix(void*, Uint8* stream, int bytes) {
    const bool sounding = gVoices.playing() > 0;
    gVoices.mix(stream, std::size_t(bytes), SDL_MixAudioFormat, AUDIO_S16SYS, 2);
    long long expected = 0;
    if (sounding) gFirstMix.compare_exchange_strong(expected, nowNs());
}

SDL_AudioDeviceID open() {
    SDL_AudioSpec want{};
    want.freq = 22050;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = 1024;
    want.callback = mix;
    // Opened paused, as the back end opens it; started by its caller.
    return SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
}

// Milliseconds from the request to the first mixing pass with the sample.
double startDelay(SDL_AudioDeviceID& device, const std::vector<Uint8>& sample, bool reopen) {
    gFirstMix = 0;
    const long long t0 = nowNs();
    if (reopen && !(device = open())) return -1;
    SDL_LockAudioDevice(device);
    gVoices.start(-1, &sample, sample.data(), sample.size());
    SDL_UnlockAudioDevice(device);
    // The reopened device runs once its first voice is set.
    if (reopen) SDL_PauseAudioDevice(device, 0);
    while (gFirstMix.load() == 0) std::this_thread::sleep_for(std::chrono::microseconds(100));
    return (gFirstMix.load() - t0) / 1e6;
}

void report(const char* what, std::vector<double> v) {
    std::sort(v.begin(), v.end());
    double sum = 0;
    for (double x : v) sum += x;
    std::printf("%-34s median %6.2f ms, mean %6.2f ms, max %6.2f ms (%zu runs)\n", what,
                v[v.size() / 2], sum / v.size(), v.back(), v.size());
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    SDL_AudioDeviceID device = 0;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0 || !(device = open())) {
        std::fprintf(stderr, "no audio output: %s\n", SDL_GetError());
        return 1;
    }
    SDL_PauseAudioDevice(device, 0);
    // A short silent sample in the output's format.
    const std::vector<Uint8> silence(22050 / 10 * 2, 0);
    std::vector<double> warm, cold;
    for (int i = 0; i < runs; ++i) {
        // A random phase against the output's buffer period.
        std::this_thread::sleep_for(std::chrono::milliseconds(50 + std::rand() % 47));
        warm.push_back(startDelay(device, silence, false));
        SDL_CloseAudioDevice(device);  // the quiet spell's close; the sample stays
        gVoices.stopAll();
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        cold.push_back(startDelay(device, silence, true));
        SDL_LockAudioDevice(device);
        gVoices.stopAll();
        SDL_UnlockAudioDevice(device);
    }
    report("output open all the time", warm);
    report("output reopened for the sound", cold);
    SDL_CloseAudioDevice(device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return 0;
}
